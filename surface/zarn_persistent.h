#pragma once
// Objects that copy themselves onto each other with Assign. It lives at the
// bottom layer because pens, brushes and fonts take part in Assign too.

#include <string_view>

namespace zarn {

class TPersistent {
 public:
  virtual ~TPersistent() = default;

  // The class name used in assignment errors ("TFont", "TCrossHair").
  virtual std::string_view ClassName() const = 0;

  // Copies source onto this object. Classes that accept a source override it;
  // otherwise the source is asked to AssignTo this object, and when neither
  // knows the other an EConvertError "Cannot assign a <source> to a <dest>" is raised.
  virtual void Assign(const TPersistent& source);

 protected:
  TPersistent() = default;
  TPersistent(const TPersistent&) = default;
  TPersistent& operator=(const TPersistent&) = default;

  virtual void AssignTo(TPersistent& dest) const;
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

// The sender of events: any persistent object (a component, or a settings
// sub-object such as a crosshair).
using TObject = TPersistent;

}  // namespace zarn
