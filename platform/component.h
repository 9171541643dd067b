#pragma once
// Components: named objects that own other components, know whether they are
// being loaded, designed or destroyed, and tell partners when they go away.

#include <any>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/types.h"
#include "surface/zarn_errors.h"
#include "surface/zarn_persistent.h"

namespace zarn {

// Invalid names, duplicate names and misuse of ownership.
class EComponentError : public EZarnError {
 public:
  using EZarnError::EZarnError;
};

enum TComponentStateValue : std::uint8_t {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups
};
using TComponentState = TSet<TComponentStateValue>;

enum TOperation : std::uint8_t { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  // A component created with an owner is listed by it (Components, FindComponent,
  // unique names). The owner frees it only when it was handed over with
  // Create<T>() or Adopt(); otherwise whoever holds it frees it and it leaves the
  // owner's list by itself.
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  std::string_view ClassName() const override { return "TComponent"; }

  // Creates a T owned (and later freed) by owner; returns it.
  template <class T, class... Args>
  static T& Create(TComponent& owner, Args&&... args) {
    auto made = std::make_unique<T>(&owner, std::forward<Args>(args)...);
    T& result = *made;
    owner.Adopt(std::move(made));
    return result;
  }
  // Hands a component listed by this owner over to it for freeing.
  void Adopt(std::unique_ptr<TComponent> component);
  // Frees an owned component now (or drops a listed one from the list).
  void DestroyComponent(TComponent& component);
  // Frees every owned component, in reverse order of creation.
  void DestroyComponents();
  // Called by the owner just before it frees this component, while the whole
  // object still exists (forms fire OnDestroy here).
  virtual void BeforeDestruction() {}

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  int ComponentIndex() const;  // position in the owner's list, -1 without owner
  // Case-insensitive, like the names themselves.
  TComponent* FindComponent(std::string_view name) const;

  const std::string& Name() const { return name_; }
  // An identifier (letter or underscore, then letters, digits, underscores) or
  // empty; unique among the owner's components.
  virtual void SetName(const std::string& value);

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return state_.Contains(csLoading); }
  bool IsDesigning() const { return state_.Contains(csDesigning); }
  bool IsDestroying() const { return state_.Contains(csDestroying); }
  // Switches the design state of this component and everything it owns.
  void SetDesigning(bool value);
  // The layout loader's switches; Loaded() clears the loading state.
  void BeginLoading();
  virtual void Loaded();
  // Leaves the loading state without Loaded (a layout that failed).
  void AbortLoading();
  // The loader calls it on every component of a layout, in Loaded's order,
  // once all of them have run Loaded: what needs the whole tree waits for it.
  virtual void LayoutLoaded() {}

  // Partner asks to hear Notification(this, opRemove) when this is freed.
  // The link works both ways and is dropped when either side goes.
  void FreeNotification(TComponent* partner);
  void RemoveFreeNotification(TComponent* partner);

  // Event handlers published by name, so that a layout can bind them. The
  // handler is stored with its exact std::function type; binding it to an
  // event of another type fails.
  template <class E>
  void RegisterHandler(const std::string& name, E handler) {
    handlers_[name] = std::any(std::move(handler));
  }
  template <class C, class R, class... A>
  void RegisterHandler(const std::string& name, C* object, R (C::*method)(A...)) {
    RegisterHandler(name, std::function<R(A...)>([object, method](A... args) -> R {
                      return (object->*method)(std::forward<A>(args)...);
                    }));
  }
  const std::any* FindHandler(std::string_view name) const;
  std::vector<std::string> HandlerNames() const;

  // Which handler name each event property was bound to by a layout (used when
  // the layout is stored again).
  void SetEventBinding(const std::string& eventPath, const std::string& handler);
  const std::string* EventBinding(std::string_view eventPath) const;

 protected:
  // Called on the owner and on every other component of the owner when a
  // component is inserted or removed, and on free-notification partners. A
  // loading owner does not pass insertions on: the loader itself ties the
  // references between the components it creates.
  virtual void Notification(TComponent* AComponent, TOperation Operation);

  void SetComponentState(TComponentState value) { state_ = value; }

 private:
  struct Entry {
    TComponent* Component;
    std::unique_ptr<TComponent> Owned;
  };
  void RemoveFromOwner();
  void Announce();  // tells owner, siblings and partners once that this is going
  void SendToOwnerAndSiblings(TOperation op);
  void ValidateName(const std::string& value) const;
  Entry* EntryOf(const TComponent& component);  // null when not listed
  void Unlist(TComponent& component);           // out of components_ and byName_

  TComponent* owner_ = nullptr;
  std::string name_;
  TComponentState state_;
  std::vector<Entry> components_;
  // The named ones among components_, by lower-case name: finding a name
  // must not cost a pass over thousands of components.
  std::unordered_map<std::string, TComponent*> byName_;
  std::vector<TComponent*> freeNotifies_;
  std::map<std::string, std::any, std::less<>> handlers_;
  std::map<std::string, std::string, std::less<>> eventBindings_;
  bool announced_ = false;
};

bool SameText(std::string_view a, std::string_view b);
bool IsValidIdent(std::string_view name);

}  // namespace zarn
