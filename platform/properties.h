#pragma once
// The published-property registry: every component class (and every settings
// sub-object class) lists its properties once, by name, with a reader and a
// writer that goes through the setter. Layout loading and storing work only
// through this registry.
//
//   void TNimbic::Publish(TPropertyRegistrar<TNimbic>& r) {
//     r.Double("Value", &TNimbic::Value, &TNimbic::SetValue);
//     r.Int("LeftSpace", &TNimbic::LeftSpace, &TNimbic::SetLeftSpace).Default(35);
//     r.Enum("Alignment", AlignmentInfo, &TNimbic::Alignment, &TNimbic::SetAlignment);
//     r.Event("OnBeforeDisplay", &TNimbic::OnBeforeDisplay);
//   }
//   RegisterClass<TNimbic, TGraphicControl>("TNimbic", &TNimbic::Publish);
//
// Storing a layout leaves out every value its object had when created, so that
// loading the layout onto a new object gives back the same values. A scalar's
// creation value is its declared Default (reals and strings without one: 0 and
// empty). A sub-object whose owner creates it unlike its own class does (by
// index, by owner) names its creation state with CreatedAs: a factory given the
// owner that returns the sub-object as the owner's constructor leaves it. Each
// of its properties, and of its nested sub-objects, is then stored only when it
// differs from that object's value; declared defaults do not apply below it.
// A factory that captures an index serves sub-objects created by number. It
// builds what the owner's constructor builds, whatever the owner's state now.
//
//   for (int i = 1; i <= 4; ++i)
//     r.Object("CrossHair" + std::to_string(i), [i](V& v) -> auto& { return v.CrossHair(i); })
//         .CreatedAs([i](const TPersistent& /*owner*/) {
//           auto made = std::make_unique<TCrossHair>();
//           ResetCrossHair(*made, i);  // as the chart's constructor does
//           return made;
//         });

#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <variant>
#include <vector>

#include "platform/component.h"
#include "surface/zarn_bitmap.h"

namespace zarn {

// The names of one enumeration's values (or the named values of an integer
// type, such as cursors and character sets).
class TEnumInfo {
 public:
  // Values 0, 1, 2, ... in order.
  TEnumInfo(std::string_view typeName, std::initializer_list<std::string_view> names);
  static TEnumInfo WithValues(
      std::string_view typeName,
      std::initializer_list<std::pair<std::string_view, std::int64_t>> values);

  std::string_view TypeName() const { return typeName_; }
  const std::vector<std::pair<std::string_view, std::int64_t>>& Values() const { return values_; }
  // Null when the value has no name.
  const std::string_view* NameOf(std::int64_t value) const;
  std::optional<std::int64_t> ValueOf(std::string_view name) const;
  std::int64_t MinValue() const;
  std::int64_t MaxValue() const;

 private:
  TEnumInfo() = default;
  std::string_view typeName_;
  std::vector<std::pair<std::string_view, std::int64_t>> values_;
};

enum TPropKind : std::uint8_t {
  pkBoolean,
  pkInteger,  // also characters of a named table (cursors, character sets)
  pkDouble,
  pkString,
  pkChar,  // one Latin-1 character
  pkEnum,
  pkSet,
  pkColor,
  pkObject,     // an owned sub-object with properties of its own (fonts too)
  pkComponent,  // a reference to another component, by name
  pkEvent,      // bound to a handler of the layout's root, by name
  pkBitmap
};

// Scalar values: bool; int64 for integers, characters, enumerations, colours
// and sets (their bits); double; string.
using TPropValue = std::variant<bool, std::int64_t, double, std::string>;

struct TPropInfo {
  std::string Name;
  TPropKind Kind = pkInteger;
  const TEnumInfo* Enum = nullptr;  // pkEnum, pkSet members, pkInteger names
  std::int64_t Min = 0;             // pkInteger range (the property type's range)
  std::int64_t Max = 0;
  std::optional<TPropValue> DefaultValue;  // equal values are not stored
  bool Stored = true;                      // false: never written to a layout
  std::function<bool(const TPersistent&)> StoredIf;
  std::string TypeName;  // for messages: "TCustomVorel", "TNotifyEvent", ...

  std::function<TPropValue(const TPersistent&)> Get;
  std::function<void(TPersistent&, const TPropValue&)> Set;
  std::function<TPersistent&(TPersistent&)> Object;  // pkObject, pkBitmap
  // pkObject: builds the sub-object in its creation state, given its owner.
  std::function<std::unique_ptr<TPersistent>(const TPersistent&)> CreationState;
  std::function<TComponent*(const TPersistent&)> GetComponent;
  // Throws EZarnError when the component is not of the property's class.
  std::function<void(TPersistent&, TComponent*)> SetComponent;
  std::function<bool(const TPersistent&)> EventAssigned;
  // Throws std::bad_any_cast when the handler has another signature; an empty
  // handler clears the event.
  std::function<void(TPersistent&, const std::any&)> BindEvent;

  TPropInfo& Default(TPropValue value) {
    DefaultValue = std::move(value);
    return *this;
  }
  TPropInfo& NoStore() {
    Stored = false;
    return *this;
  }
  TPropInfo& StoredWhen(std::function<bool(const TPersistent&)> predicate) {
    StoredIf = std::move(predicate);
    return *this;
  }
  TPropInfo& CreatedAs(std::function<std::unique_ptr<TPersistent>(const TPersistent&)> make) {
    CreationState = std::move(make);
    return *this;
  }
};

class TClassInfo {
 public:
  const std::string& Name() const { return name_; }
  const TClassInfo* Parent() const { return parent_; }
  bool InheritsFrom(const TClassInfo& other) const;
  // Own properties first, then the base classes'.
  const TPropInfo* FindProperty(std::string_view name) const;
  // Base classes' properties first, in registration order; a property a
  // derived class registers again replaces the base's in its place.
  std::vector<const TPropInfo*> Properties() const;
  bool Creatable() const { return static_cast<bool>(create_); }
  std::unique_ptr<TComponent> Create(TComponent* owner) const;
  bool IsInstance(const TPersistent& object) const { return isInstance_(object); }
  TPropInfo& Add(TPropInfo info);

 private:
  friend class TClassRegistry;
  std::string name_;
  const TClassInfo* parent_ = nullptr;
  std::function<std::unique_ptr<TComponent>(TComponent*)> create_;
  std::function<bool(const TPersistent&)> isInstance_;
  std::vector<std::unique_ptr<TPropInfo>> props_;
};

template <class C>
class TPropertyRegistrar;

class TClassRegistry {
 public:
  // Registers class C under name, with its base class (already registered, or
  // void for a root) and its properties. Registering a name again returns the
  // class as first registered.
  template <class C, class Base, class Publish>
  TClassInfo& Register(const std::string& name, Publish&& publish);
  template <class C, class Base>
  TClassInfo& Register(const std::string& name) {
    return Register<C, Base>(name, [](TPropertyRegistrar<C>&) {});
  }

  const TClassInfo* Find(std::string_view name) const;
  template <class C>
  const TClassInfo* Find() const {
    auto it = byType_.find(std::type_index(typeid(C)));
    return it == byType_.end() ? nullptr : it->second;
  }
  // The registered class of an object, by its ClassName (checked to be a
  // real instance of it); null when not registered.
  const TClassInfo* ClassOf(const TPersistent& object) const;

 private:
  std::map<std::string, std::unique_ptr<TClassInfo>, std::less<>> byName_;
  std::map<std::type_index, TClassInfo*> byType_;
};

// The one registry; the platform's own classes are in it from the first call.
TClassRegistry& Classes();

template <class C, class Base = void, class Publish>
TClassInfo& RegisterClass(const std::string& name, Publish&& publish) {
  return Classes().Register<C, Base>(name, std::forward<Publish>(publish));
}
template <class C, class Base = void>
TClassInfo& RegisterClass(const std::string& name) {
  return Classes().Register<C, Base>(name);
}

// Names of colours: the cl names of the palette and the system colours.
std::optional<TColor> IdentToColor(std::string_view name);
const char* ColorToIdent(TColor color);  // null when the colour has no name

// Tables used by the platform's own published properties.
extern const TEnumInfo AlignInfo;
extern const TEnumInfo AnchorKindInfo;
extern const TEnumInfo AlignmentInfo;
extern const TEnumInfo VerticalAlignmentInfo;
extern const TEnumInfo FontStyleInfo;
extern const TEnumInfo FontPitchInfo;
extern const TEnumInfo CharsetInfo;
extern const TEnumInfo CursorInfo;
extern const TEnumInfo PenStyleInfo;
extern const TEnumInfo BrushStyleInfo;
extern const TEnumInfo DragKindInfo;
extern const TEnumInfo DragModeInfo;
extern const TEnumInfo PositionInfo;
extern const TEnumInfo BevelCutInfo;
extern const TEnumInfo ScrollBarKindInfo;
extern const TEnumInfo ButtonLayoutInfo;
extern const TEnumInfo ShiftStateInfo;
extern const TEnumInfo MouseButtonInfo;

namespace detail {
template <class T>
struct IsTSet : std::false_type {};
template <class E>
struct IsTSet<TSet<E>> : std::true_type {
  using Element = E;
};
template <class G, class C>
using GetResult = std::remove_cvref_t<std::invoke_result_t<G, const C&>>;
}  // namespace detail

template <class C>
class TPropertyRegistrar {
 public:
  explicit TPropertyRegistrar(TClassInfo& info) : info_(info) {}
  TClassInfo& Info() { return info_; }

  template <class G, class S>
  TPropInfo& Bool(std::string name, G get, S set) {
    return Scalar<bool>(std::move(name), pkBoolean, get, set);
  }
  // The range is the getter's type's range unless given.
  template <class G, class S>
  TPropInfo& Int(std::string name, G get, S set) {
    using R = detail::GetResult<G, C>;
    static_assert(std::is_integral_v<R> || std::is_enum_v<R>);
    return Int(std::move(name), get, set, Lowest<R>(), Highest<R>());
  }
  template <class G, class S>
  TPropInfo& Int(std::string name, G get, S set, std::int64_t min, std::int64_t max) {
    TPropInfo& p = Scalar<std::int64_t>(std::move(name), pkInteger, get, set);
    p.Min = min;
    p.Max = max;
    return p;
  }
  // An integer that a layout may also give by name (cursors, character sets).
  template <class G, class S>
  TPropInfo& NamedInt(std::string name, const TEnumInfo& names, G get, S set) {
    TPropInfo& p = Int(std::move(name), get, set);
    p.Enum = &names;
    p.TypeName = std::string(names.TypeName());
    return p;
  }
  template <class G, class S>
  TPropInfo& Cursor(std::string name, G get, S set) {
    return NamedInt(std::move(name), CursorInfo, get, set);
  }
  template <class G, class S>
  TPropInfo& Double(std::string name, G get, S set) {
    return Scalar<double>(std::move(name), pkDouble, get, set);
  }
  template <class G, class S>
  TPropInfo& String(std::string name, G get, S set) {
    return Scalar<std::string>(std::move(name), pkString, get, set);
  }
  template <class G, class S>
  TPropInfo& Char(std::string name, G get, S set) {
    TPropInfo& p = Scalar<std::int64_t>(std::move(name), pkChar, get, set);
    p.Min = 0;
    p.Max = 255;
    return p;
  }
  template <class G, class S>
  TPropInfo& Enum(std::string name, const TEnumInfo& values, G get, S set) {
    TPropInfo& p = Scalar<std::int64_t>(std::move(name), pkEnum, get, set);
    p.Enum = &values;
    p.Min = values.MinValue();
    p.Max = values.MaxValue();
    p.TypeName = std::string(values.TypeName());
    return p;
  }
  template <class G, class S>
  TPropInfo& Set(std::string name, const TEnumInfo& members, G get, S set) {
    using R = detail::GetResult<G, C>;
    static_assert(detail::IsTSet<R>::value, "a set property reads a TSet");
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = pkSet;
    p.Enum = &members;
    p.TypeName = std::string(members.TypeName());
    p.Get = [get](const TPersistent& o) -> TPropValue {
      return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)).Bits());
    };
    p.Set = [set](TPersistent& o, const TPropValue& v) {
      std::invoke(set, static_cast<C&>(o),
                  R::FromBits(static_cast<std::uint64_t>(std::get<std::int64_t>(v))));
    };
    return info_.Add(std::move(p));
  }
  template <class G, class S>
  TPropInfo& Color(std::string name, G get, S set) {
    TPropInfo& p = Scalar<std::int64_t>(std::move(name), pkColor, get, set);
    p.Min = 0;
    p.Max = 0xFFFFFFFF;
    return p;
  }
  // A sub-object: get returns a reference to the owned object (C& -> T&).
  template <class G>
  TPropInfo& Object(std::string name, G get) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = pkObject;
    p.Object = [get](TPersistent& o) -> TPersistent& {
      return std::invoke(get, static_cast<C&>(o));
    };
    return info_.Add(std::move(p));
  }
  template <class G>
  TPropInfo& Font(std::string name, G get) {
    TPropInfo& p = Object(std::move(name), get);
    p.TypeName = "TFont";
    return p;
  }
  // An owned bitmap (C& -> TBitmap&), stored as palette and rows.
  template <class G>
  TPropInfo& Bitmap(std::string name, G get) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = pkBitmap;
    p.TypeName = "TBitmap";
    p.Object = [get](TPersistent& o) -> TPersistent& {
      return std::invoke(get, static_cast<C&>(o));
    };
    return info_.Add(std::move(p));
  }
  // A reference to a component of class T: get returns T*, set takes T*.
  template <class G, class S>
  TPropInfo& Component(std::string name, G get, S set) {
    using R = detail::GetResult<G, C>;
    static_assert(std::is_pointer_v<R>);
    using T = std::remove_cv_t<std::remove_pointer_t<R>>;
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = pkComponent;
    p.GetComponent = [get](const TPersistent& o) -> TComponent* {
      return const_cast<T*>(std::invoke(get, static_cast<const C&>(o)));
    };
    std::string propName = p.Name;
    p.SetComponent = [set, propName](TPersistent& o, TComponent* c) {
      T* typed = nullptr;
      if (c) {
        typed = dynamic_cast<T*>(c);
        if (!typed)
          throw EZarnError("component " + c->Name() + " (" + std::string(c->ClassName()) +
                           ") does not fit property " + propName);
      }
      std::invoke(set, static_cast<C&>(o), typed);
    };
    return info_.Add(std::move(p));
  }
  // An event: a std::function data member of C or of one of its bases.
  template <class E, class B>
  TPropInfo& Event(std::string name, E B::*member) requires std::is_base_of_v<B, C> {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = pkEvent;
    p.EventAssigned = [member](const TPersistent& o) {
      return static_cast<bool>(static_cast<const C&>(o).*member);
    };
    p.BindEvent = [member](TPersistent& o, const std::any& handler) {
      if (!handler.has_value())
        static_cast<C&>(o).*member = E();
      else
        static_cast<C&>(o).*member = std::any_cast<const E&>(handler);
    };
    return info_.Add(std::move(p));
  }

 private:
  template <class R>
  static constexpr std::int64_t Lowest() {
    if constexpr (std::is_enum_v<R>)
      return static_cast<std::int64_t>(std::numeric_limits<std::underlying_type_t<R>>::min());
    else
      return static_cast<std::int64_t>(std::numeric_limits<R>::min());
  }
  template <class R>
  static constexpr std::int64_t Highest() {
    using U = typename std::conditional_t<std::is_enum_v<R>, std::underlying_type<R>,
                                          std::type_identity<R>>::type;
    if constexpr (sizeof(U) >= 8 && std::is_unsigned_v<U>)
      return std::numeric_limits<std::int64_t>::max();
    else
      return static_cast<std::int64_t>(std::numeric_limits<U>::max());
  }

  // V is the TPropValue alternative; the getter's own type is converted.
  template <class V, class G, class S>
  TPropInfo& Scalar(std::string name, TPropKind kind, G get, S set) {
    using R = detail::GetResult<G, C>;
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = kind;
    p.Get = [get](const TPersistent& o) -> TPropValue {
      if constexpr (std::is_same_v<V, std::int64_t>) {
        if constexpr (std::is_enum_v<R>)
          return static_cast<std::int64_t>(
              static_cast<std::underlying_type_t<R>>(std::invoke(get, static_cast<const C&>(o))));
        else if constexpr (std::is_same_v<R, char>)
          return static_cast<std::int64_t>(
              static_cast<unsigned char>(std::invoke(get, static_cast<const C&>(o))));
        else
          return static_cast<std::int64_t>(std::invoke(get, static_cast<const C&>(o)));
      } else {
        return V(std::invoke(get, static_cast<const C&>(o)));
      }
    };
    p.Set = [set](TPersistent& o, const TPropValue& v) {
      const V& value = std::get<V>(v);
      if constexpr (std::is_same_v<V, std::int64_t> && std::is_same_v<R, char>)
        std::invoke(set, static_cast<C&>(o), static_cast<char>(static_cast<unsigned char>(value)));
      else
        std::invoke(set, static_cast<C&>(o), static_cast<R>(value));
    };
    return info_.Add(std::move(p));
  }

  TClassInfo& info_;
};

template <class C, class Base, class Publish>
TClassInfo& TClassRegistry::Register(const std::string& name, Publish&& publish) {
  if (auto it = byName_.find(name); it != byName_.end()) return *it->second;
  const TClassInfo* parent = nullptr;
  if constexpr (!std::is_void_v<Base>) {
    static_assert(std::is_base_of_v<Base, C>);
    parent = Find<Base>();
    if (!parent) throw std::logic_error("base class of " + name + " is not registered");
  }
  auto info = std::make_unique<TClassInfo>();
  info->name_ = name;
  info->parent_ = parent;
  info->isInstance_ = [](const TPersistent& o) { return dynamic_cast<const C*>(&o) != nullptr; };
  if constexpr (std::is_base_of_v<TComponent, C> && !std::is_abstract_v<C> &&
                std::is_constructible_v<C, TComponent*>)
    info->create_ = [](TComponent* owner) -> std::unique_ptr<TComponent> {
      return std::make_unique<C>(owner);
    };
  TClassInfo& ref = *info;
  byName_.emplace(name, std::move(info));
  byType_[std::type_index(typeid(C))] = &ref;
  try {
    TPropertyRegistrar<C> registrar(ref);
    std::invoke(std::forward<Publish>(publish), registrar);
  } catch (...) {
    byType_.erase(std::type_index(typeid(C)));
    byName_.erase(name);
    throw;
  }
  return ref;
}

}  // namespace zarn
