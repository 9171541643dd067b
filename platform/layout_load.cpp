#include <cmath>
#include <limits>

#include "platform/control.h"
#include "platform/layout_internal.h"
#include "platform/layout_json.h"

namespace zarn {

using layout::Json;

namespace {

// A problem with one value; the loader adds component and path.
struct ValueError {
  std::string Reason;
};

std::string Describe(const Json& v) {
  switch (v.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::boolean:
      return "a boolean";
    case Json::value_t::string:
      return "a string";
    case Json::value_t::array:
      return "an array";
    case Json::value_t::object:
      return "an object";
    case Json::value_t::number_float:
      return "a real number";
    default:
      return "an integer";
  }
}

[[noreturn]] void Expected(const char* what, const Json& v) {
  throw ValueError{std::string("expected ") + what + ", got " + Describe(v)};
}

std::string RangeText(std::int64_t min, std::int64_t max) {
  return std::to_string(min) + ".." + std::to_string(max);
}

std::int64_t IntegerIn(const Json& v, std::int64_t min, std::int64_t max, const char* what) {
  std::int64_t n = 0;
  if (v.is_number_unsigned()) {
    const auto u = v.get<std::uint64_t>();
    if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
      throw ValueError{"value " + std::to_string(u) + " out of range " + RangeText(min, max)};
    n = static_cast<std::int64_t>(u);
  } else if (v.is_number_integer()) {
    n = v.get<std::int64_t>();
  } else {
    Expected(what, v);
  }
  if (n < min || n > max)
    throw ValueError{"value " + std::to_string(n) + " out of range " + RangeText(min, max)};
  return n;
}

std::int64_t EnumValue(const TEnumInfo& info, const std::string& name) {
  if (auto v = info.ValueOf(name)) return *v;
  throw ValueError{"unknown " + std::string(info.TypeName()) + " value \"" + name + "\""};
}

std::vector<std::string> SetNames(const Json& v) {
  std::vector<std::string> names;
  if (v.is_array()) {
    for (const Json& e : v) {
      if (!e.is_string()) Expected("an array of value names", v);
      names.push_back(e.get<std::string>());
    }
    return names;
  }
  if (!v.is_string()) Expected("an array of value names", v);
  // Also the written form "[fsBold, fsItalic]".
  std::string s = v.get<std::string>();
  if (s.size() < 2 || s.front() != '[' || s.back() != ']') Expected("an array of value names", v);
  s = s.substr(1, s.size() - 2);
  std::size_t start = 0;
  while (start <= s.size()) {
    std::size_t comma = s.find(',', start);
    if (comma == std::string::npos) comma = s.size();
    std::string item = s.substr(start, comma - start);
    const auto first = item.find_first_not_of(" \t");
    const auto last = item.find_last_not_of(" \t");
    item = first == std::string::npos ? std::string() : item.substr(first, last - first + 1);
    if (!item.empty())
      names.push_back(item);
    else if (comma != s.size() || !names.empty())
      throw ValueError{"empty name in set"};
    start = comma + 1;
  }
  return names;
}

std::int64_t CharValue(const Json& v) {
  if (v.is_number()) return IntegerIn(v, 0, 255, "one character");
  if (!v.is_string()) Expected("one character", v);
  const std::string& s = v.get_ref<const std::string&>();
  const auto* b = reinterpret_cast<const unsigned char*>(s.data());
  if (s.size() == 1 && b[0] < 0x80) return b[0];
  if (s.size() == 2 && (b[0] == 0xC2 || b[0] == 0xC3) && (b[1] & 0xC0) == 0x80)
    return ((b[0] & 0x1F) << 6) | (b[1] & 0x3F);
  throw ValueError{"expected one Latin-1 character"};
}

double DoubleValue(const Json& v) {
  if (v.is_number()) return v.get<double>();
  if (v.is_string()) {
    const std::string& s = v.get_ref<const std::string&>();
    if (s == "NaN") return std::numeric_limits<double>::quiet_NaN();
    if (s == "Inf") return std::numeric_limits<double>::infinity();
    if (s == "-Inf") return -std::numeric_limits<double>::infinity();
  }
  Expected("a number", v);
}

TPropValue ScalarValue(const TPropInfo& p, const Json& v) {
  switch (p.Kind) {
    case pkBoolean:
      if (!v.is_boolean()) Expected("a boolean", v);
      return v.get<bool>();
    case pkInteger:
      if (v.is_string() && p.Enum) {
        const std::int64_t n = EnumValue(*p.Enum, v.get<std::string>());
        if (n < p.Min || n > p.Max)
          throw ValueError{"value " + std::to_string(n) + " out of range " +
                           RangeText(p.Min, p.Max)};
        return n;
      }
      return IntegerIn(v, p.Min, p.Max, "an integer");
    case pkDouble:
      return DoubleValue(v);
    case pkString:
      if (!v.is_string()) Expected("a string", v);
      return v.get<std::string>();
    case pkChar:
      return CharValue(v);
    case pkEnum:
      if (!v.is_string()) Expected("a value name", v);
      return EnumValue(*p.Enum, v.get<std::string>());
    case pkSet: {
      std::uint64_t bits = 0;
      for (const std::string& name : SetNames(v)) {
        const std::int64_t n = EnumValue(*p.Enum, name);
        if (n < 0 || n > 63) throw ValueError{"set member out of range"};
        bits |= std::uint64_t{1} << n;
      }
      return static_cast<std::int64_t>(bits);
    }
    case pkColor:
      if (v.is_string()) {
        if (auto c = IdentToColor(v.get<std::string>())) return static_cast<std::int64_t>(*c);
        throw ValueError{"unknown colour \"" + v.get<std::string>() + "\""};
      }
      if (!v.is_number_integer()) Expected("a colour name or number", v);
      return IntegerIn(v, 0, 0xFFFFFFFF, "a colour name or number");
    default:
      throw ValueError{"not a simple value"};
  }
}

// The store writes a real that is not finite (as a string) only where the
// property holds one; anywhere else the setter would drop it without a word.
void CheckNonFiniteKept(const TPropInfo& p, const TPersistent& obj, const Json& v,
                        const TPropValue& value) {
  if (p.Kind != pkDouble || std::isfinite(std::get<double>(value))) return;
  const double wanted = std::get<double>(value);
  const double held = std::get<double>(p.Get(obj));
  if (held == wanted || (std::isnan(held) && std::isnan(wanted))) return;
  throw ValueError{"expected a finite number, got \"" + v.get<std::string>() + "\""};
}

struct Fixup {
  TPersistent* Target;
  const TPropInfo* Property;
  std::string Name;
  std::string Component;
  std::string Path;
};

class Loader {
 public:
  explicit Loader(TComponent& root) : root_(root) {}

  void Run(const Json& doc);
  void Cleanup() noexcept;

 private:
  std::string Label(const TComponent& c) const {
    if (&c == &root_) return root_.Name().empty() ? std::string(root_.ClassName()) : root_.Name();
    return Label(root_) + "." + c.Name();
  }
  void CheckKeys(const Json& entry, const std::string& who, bool isRoot);
  void LoadComponent(const Json& entry, std::size_t index);
  void SetProperties(TComponent& comp, TPersistent& obj, const TClassInfo& info, const Json& props,
                     const std::string& prefix, int depth);
  void SetProperty(TComponent& comp, TPersistent& obj, const TPropInfo& p, const Json& v,
                   const std::string& path, int depth);
  TComponent* Lookup(const std::string& name) const;

  TComponent& root_;
  std::vector<TComponent*> created_;
  std::vector<Fixup> fixups_;
  bool rootLoading_ = false;
};

TComponent* Loader::Lookup(const std::string& name) const {
  if (!root_.Name().empty() && SameText(root_.Name(), name)) return &root_;
  return root_.FindComponent(name);
}

void Loader::CheckKeys(const Json& entry, const std::string& who, bool isRoot) {
  for (const auto& [key, value] : entry.items()) {
    if (key == "Class" || key == "Name" || key == "Properties") continue;
    if (isRoot && key == "Components") continue;
    if (!isRoot && key == "Parent") continue;
    throw ELayoutError(who, "", "unknown key \"" + key + "\"");
  }
}

void Loader::Run(const Json& doc) {
  if (!doc.is_object()) throw ELayoutError("", "", "a layout is a JSON object");
  const TClassInfo* rootInfo = Classes().ClassOf(root_);
  if (!rootInfo)
    throw ELayoutError("", "", "class " + std::string(root_.ClassName()) + " is not registered");
  if (!doc.contains("Class") || !doc["Class"].is_string())
    throw ELayoutError("", "", "the layout names no class");
  const std::string className = doc["Class"].get<std::string>();
  if (className != rootInfo->Name())
    throw ELayoutError("", "", "layout of a " + className + " loaded into a " + rootInfo->Name());
  if (doc.contains("Name")) {
    if (!doc["Name"].is_string()) throw ELayoutError("", "", "Name must be a string");
    const std::string name = doc["Name"].get<std::string>();
    try {
      root_.SetName(name);
    } catch (const EZarnError& e) {
      throw ELayoutError(name, "", e.what());
    }
  }
  CheckKeys(doc, Label(root_), true);

  root_.BeginLoading();
  rootLoading_ = true;
  if (doc.contains("Properties")) SetProperties(root_, root_, *rootInfo, doc["Properties"], "", 0);

  if (doc.contains("Components")) {
    const Json& list = doc["Components"];
    if (!list.is_array()) throw ELayoutError(Label(root_), "", "Components must be an array");
    for (std::size_t i = 0; i < list.size(); ++i)
      LoadComponent(list[i], i);
  }

  for (const Fixup& f : fixups_) {
    TComponent* target = nullptr;
    if (!f.Name.empty()) {
      target = Lookup(f.Name);
      if (!target) throw ELayoutError(f.Component, f.Path, "unknown component \"" + f.Name + "\"");
    }
    try {
      f.Property->SetComponent(*f.Target, target);
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception& e) {
      throw ELayoutError(f.Component, f.Path, e.what());
    }
  }

  // Parents come before their children in the list, so this order is parents first.
  std::vector<TComponent*> order;
  order.push_back(&root_);
  order.insert(order.end(), created_.begin(), created_.end());
  for (void (TComponent::*step)() : {&TComponent::Loaded, &TComponent::LayoutLoaded})
    for (TComponent* c : order) {
      try {
        (c->*step)();
      } catch (const std::bad_alloc&) {
        throw;
      } catch (const ELayoutError& e) {
        if (!e.Component().empty()) throw;
        // A component that names only its own property leaves its name to us.
        throw ELayoutError(Label(*c), e.PropertyPath(), e.Reason());
      } catch (const std::exception& e) {
        throw ELayoutError(Label(*c), "", e.what());
      }
    }
  rootLoading_ = false;
}

void Loader::LoadComponent(const Json& entry, std::size_t index) {
  const std::string where = Label(root_) + ".#" + std::to_string(index);
  if (!entry.is_object()) throw ELayoutError(where, "", "a component entry is a JSON object");
  if (!entry.contains("Name") || !entry["Name"].is_string())
    throw ELayoutError(where, "", "the component has no name");
  const std::string name = entry["Name"].get<std::string>();
  const std::string who = Label(root_) + "." + name;
  if (!IsValidIdent(name)) throw ELayoutError(who, "", "\"" + name + "\" is not a valid name");
  if (Lookup(name)) throw ELayoutError(who, "", "duplicate name");
  CheckKeys(entry, who, false);
  if (!entry.contains("Class") || !entry["Class"].is_string())
    throw ELayoutError(who, "", "the component names no class");
  const std::string className = entry["Class"].get<std::string>();
  const TClassInfo* info = Classes().Find(className);
  if (!info) throw ELayoutError(who, "", "unknown class \"" + className + "\"");
  if (!info->Creatable())
    throw ELayoutError(who, "", "class " + className + " cannot be created from a layout");

  // Resolve the parent before creating anything.
  TWinControl* parent = nullptr;
  if (entry.contains("Parent")) {
    const Json& p = entry["Parent"];
    if (!p.is_string()) throw ELayoutError(who, "", "Parent must be a component name");
    TComponent* pc = Lookup(p.get<std::string>());
    if (!pc) throw ELayoutError(who, "", "parent \"" + p.get<std::string>() + "\" not found");
    parent = dynamic_cast<TWinControl*>(pc);
    if (!parent)
      throw ELayoutError(who, "", "parent \"" + p.get<std::string>() + "\" cannot hold controls");
  }

  std::unique_ptr<TComponent> made;
  try {
    made = info->Create(&root_);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    throw ELayoutError(who, "", e.what());
  }
  TComponent& comp = *made;
  root_.Adopt(std::move(made));
  created_.push_back(&comp);
  comp.BeginLoading();
  try {
    comp.SetName(name);
  } catch (const EZarnError& e) {
    throw ELayoutError(who, "", e.what());
  }
  if (parent) {
    auto* control = dynamic_cast<TControl*>(&comp);
    if (!control) throw ELayoutError(who, "", "only controls have a parent");
    try {
      control->SetParent(parent);
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception& e) {
      throw ELayoutError(who, "", e.what());
    }
  }
  if (entry.contains("Properties")) SetProperties(comp, comp, *info, entry["Properties"], "", 0);
}

void Loader::SetProperties(TComponent& comp, TPersistent& obj, const TClassInfo& info,
                           const Json& props, const std::string& prefix, int depth) {
  if (!props.is_object())
    throw ELayoutError(Label(comp), prefix, "properties must be a JSON object");
  if (depth > layout::kMaxDepth) throw ELayoutError(Label(comp), prefix, "nested too deeply");
  for (const auto& [key, value] : props.items()) {
    // "A.B.C": the first part names a sub-object of this one.
    const auto dot = key.find('.');
    const std::string head = key.substr(0, dot);
    const std::string path = prefix.empty() ? head : prefix + "." + head;
    const TPropInfo* p = info.FindProperty(head);
    if (!p)
      throw ELayoutError(Label(comp), prefix.empty() ? key : prefix + "." + key,
                         "unknown property");
    if (dot == std::string::npos) {
      SetProperty(comp, obj, *p, value, path, depth);
      continue;
    }
    if (p->Kind != pkObject) throw ELayoutError(Label(comp), path, "not an object with properties");
    TPersistent& sub = p->Object(obj);
    const TClassInfo* subInfo = Classes().ClassOf(sub);
    if (!subInfo)
      throw ELayoutError(Label(comp), path,
                         "class " + std::string(sub.ClassName()) + " is not registered");
    Json nested = Json::object();
    nested[key.substr(dot + 1)] = value;
    SetProperties(comp, sub, *subInfo, nested, path, depth + 1);
  }
}

void Loader::SetProperty(TComponent& comp, TPersistent& obj, const TPropInfo& p, const Json& v,
                         const std::string& path, int depth) {
  try {
    switch (p.Kind) {
      case pkObject: {
        TPersistent& sub = p.Object(obj);
        const TClassInfo* subInfo = Classes().ClassOf(sub);
        if (!subInfo)
          throw ValueError{"class " + std::string(sub.ClassName()) + " is not registered"};
        if (!v.is_object()) Expected("an object", v);
        SetProperties(comp, sub, *subInfo, v, path, depth + 1);
        return;
      }
      case pkBitmap: {
        auto* bitmap = dynamic_cast<TBitmap*>(&p.Object(obj));
        if (!bitmap) throw ValueError{"not a bitmap"};
        layout::DecodeBitmap(v, *bitmap);
        return;
      }
      case pkComponent:
        if (v.is_null()) {
          fixups_.push_back({&obj, &p, std::string(), Label(comp), path});
          return;
        }
        if (!v.is_string()) Expected("a component name", v);
        fixups_.push_back({&obj, &p, v.get<std::string>(), Label(comp), path});
        return;
      case pkEvent: {
        if (v.is_null()) {
          p.BindEvent(obj, std::any());
          comp.SetEventBinding(path, "");
          return;
        }
        if (!v.is_string()) Expected("a handler name", v);
        const std::string name = v.get<std::string>();
        const std::any* handler = root_.FindHandler(name);
        if (!handler) throw ValueError{"unknown handler \"" + name + "\""};
        try {
          p.BindEvent(obj, *handler);
        } catch (const std::bad_any_cast&) {
          throw ValueError{"handler \"" + name + "\" does not fit this event"};
        }
        comp.SetEventBinding(path, name);
        return;
      }
      default: {
        const TPropValue value = ScalarValue(p, v);
        p.Set(obj, value);
        CheckNonFiniteKept(p, obj, v, value);
        return;
      }
    }
  } catch (const ValueError& e) {
    throw ELayoutError(Label(comp), path, e.Reason);
  } catch (const ELayoutError&) {
    throw;
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::bad_any_cast&) {
    throw ELayoutError(Label(comp), path, "the value does not fit this property");
  } catch (const std::exception& e) {
    throw ELayoutError(Label(comp), path, e.what());
  }
}

void Loader::Cleanup() noexcept {
  for (auto it = created_.rbegin(); it != created_.rend(); ++it)
    root_.DestroyComponent(**it);
  created_.clear();
  if (rootLoading_) root_.AbortLoading();
}

// The document builder, refusing while it parses to nest deeper than any
// layout does: nothing recursive (copies, the loader) ever meets a value
// nested deep enough to overflow the stack.
class TDepthLimitedBuilder : public nlohmann::detail::json_sax_dom_parser<Json> {
 public:
  explicit TDepthLimitedBuilder(Json& result) : json_sax_dom_parser(result) {}
  bool start_object(std::size_t size) { return Enter() && json_sax_dom_parser::start_object(size); }
  bool start_array(std::size_t size) { return Enter() && json_sax_dom_parser::start_array(size); }
  bool end_object() { return Leave() && json_sax_dom_parser::end_object(); }
  bool end_array() { return Leave() && json_sax_dom_parser::end_array(); }

 private:
  bool Enter() {
    if (++depth_ > layout::kMaxJsonDepth)
      throw ELayoutError(
          "", "", "nested more than " + std::to_string(layout::kMaxJsonDepth) + " levels deep");
    return true;
  }
  bool Leave() {
    --depth_;
    return true;
  }
  int depth_ = 0;
};

Json Parse(std::string_view text) {
  Json doc;
  TDepthLimitedBuilder builder(doc);
  try {
    Json::sax_parse(text.begin(), text.end(), &builder);
  } catch (const Json::exception& e) {  // syntax errors and numbers out of range
    throw ELayoutError("", "", std::string("malformed JSON: ") + e.what());
  }
  return doc;
}

}  // namespace

void LoadLayout(TComponent& root, std::string_view text) {
  const Json doc = Parse(text);
  Loader loader(root);
  try {
    loader.Run(doc);
  } catch (...) {
    loader.Cleanup();
    throw;
  }
}

std::unique_ptr<TComponent> CreateFromLayout(std::string_view text, TComponent* owner) {
  const Json doc = Parse(text);
  if (!doc.is_object() || !doc.contains("Class") || !doc["Class"].is_string())
    throw ELayoutError("", "", "the layout names no class");
  const std::string className = doc["Class"].get<std::string>();
  const TClassInfo* info = Classes().Find(className);
  if (!info) throw ELayoutError("", "", "unknown class \"" + className + "\"");
  if (!info->Creatable())
    throw ELayoutError("", "", "class " + className + " cannot be created from a layout");
  std::unique_ptr<TComponent> root = info->Create(owner);
  Loader loader(*root);
  try {
    loader.Run(doc);
  } catch (...) {
    loader.Cleanup();
    throw;  // root goes with the unique_ptr
  }
  return root;
}

}  // namespace zarn
