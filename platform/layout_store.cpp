#include <algorithm>
#include <cmath>
#include <memory>

#include "platform/control.h"
#include "platform/layout_internal.h"
#include "platform/layout_json.h"

namespace zarn {

using layout::Json;

namespace {

Json ScalarJson(const TPropInfo& p, const TPropValue& v) {
  switch (p.Kind) {
    case pkBoolean:
      return std::get<bool>(v);
    case pkDouble: {
      const double d = std::get<double>(v);
      if (std::isnan(d)) return "NaN";
      if (std::isinf(d)) return d > 0 ? "Inf" : "-Inf";
      return d;
    }
    case pkString:
      return std::get<std::string>(v);
    case pkChar: {
      const auto c = static_cast<unsigned>(std::get<std::int64_t>(v));
      std::string s;
      if (c < 0x80) {
        s += static_cast<char>(c);
      } else {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
      }
      return s;
    }
    case pkEnum: {
      const std::int64_t n = std::get<std::int64_t>(v);
      if (const std::string_view* name = p.Enum->NameOf(n)) return std::string(*name);
      return n;  // a value without a name cannot be read back; keep it visible
    }
    case pkSet: {
      Json a = Json::array();
      const auto bits = static_cast<std::uint64_t>(std::get<std::int64_t>(v));
      for (const auto& [name, value] : p.Enum->Values())
        if (value >= 0 && value < 64 && ((bits >> value) & 1u)) a.push_back(std::string(name));
      return a;
    }
    case pkColor: {
      const auto c = static_cast<TColor>(std::get<std::int64_t>(v));
      if (const char* name = ColorToIdent(c)) return name;
      return static_cast<std::int64_t>(c);
    }
    case pkInteger:
    default: {
      const std::int64_t n = std::get<std::int64_t>(v);
      if (p.Enum)
        if (const std::string_view* name = p.Enum->NameOf(n)) return std::string(*name);
      return n;
    }
  }
}

// Doubles by their bits, so that -0 and NaN survive the round trip too.
bool SameValue(const TPropValue& a, const TPropValue& b) {
  if (std::holds_alternative<double>(a) && std::holds_alternative<double>(b)) {
    const double x = std::get<double>(a);
    const double y = std::get<double>(b);
    if (std::isnan(x) || std::isnan(y)) return std::isnan(x) && std::isnan(y);
    return x == y && std::signbit(x) == std::signbit(y);
  }
  return a == b;
}

// created: the object in its creation state, when its owner names one.
bool LeftOut(const TPropInfo& p, const TPropValue& v, const TPersistent* created) {
  if (created) return SameValue(p.Get(*created), v);
  if (p.DefaultValue) return *p.DefaultValue == v;
  // Without a declared default, reals and strings are written when they are
  // not 0 or empty; ordinal values are always written.
  if (p.Kind == pkDouble) return std::get<double>(v) == 0.0 && !std::signbit(std::get<double>(v));
  if (p.Kind == pkString) return std::get<std::string>(v).empty();
  return false;
}

class Storer {
 public:
  explicit Storer(const TComponent& root) : root_(root) {}

  Json Object(const TComponent& comp, const TPersistent& obj, const TClassInfo& info,
              const std::string& prefix, int depth, const TPersistent* created) const {
    Json out = Json::object();
    if (depth > layout::kMaxDepth) return out;
    for (const TPropInfo* p : info.Properties()) {
      if (!p->Stored || (p->StoredIf && !p->StoredIf(obj))) continue;
      const std::string path = prefix.empty() ? p->Name : prefix + "." + p->Name;
      auto& mutableObj = const_cast<TPersistent&>(obj);  // sub-object access only reads
      switch (p->Kind) {
        case pkObject: {
          Json nested = SubObject(comp, *p, obj, path, depth, created);
          if (!nested.empty()) out[p->Name] = std::move(nested);
          break;
        }
        case pkBitmap: {
          const auto* bitmap = dynamic_cast<const TBitmap*>(&p->Object(mutableObj));
          if (bitmap && !bitmap->Empty()) out[p->Name] = layout::EncodeBitmap(*bitmap);
          break;
        }
        case pkComponent: {
          const TComponent* c = p->GetComponent(obj);
          if (c && !c->Name().empty()) out[p->Name] = c->Name();
          break;
        }
        case pkEvent: {
          if (!p->EventAssigned(obj)) break;
          if (const std::string* handler = comp.EventBinding(path)) out[p->Name] = *handler;
          break;
        }
        default: {
          const TPropValue v = p->Get(obj);
          if (!LeftOut(*p, v, created)) out[p->Name] = ScalarJson(*p, v);
          break;
        }
      }
    }
    return out;
  }

  // A sub-object compares with its counterpart in the owner's creation state,
  // or else with the state its property's CreatedAs builds.
  Json SubObject(const TComponent& comp, const TPropInfo& p, const TPersistent& owner,
                 const std::string& path, int depth, const TPersistent* ownerCreated) const {
    const TPersistent& sub = p.Object(const_cast<TPersistent&>(owner));
    const TClassInfo* info = Classes().ClassOf(sub);
    if (!info) return Json::object();
    std::unique_ptr<TPersistent> made;
    const TPersistent* created = nullptr;
    if (ownerCreated) {
      created = &p.Object(const_cast<TPersistent&>(*ownerCreated));
    } else if (p.CreationState) {
      made = p.CreationState(owner);
      created = made.get();
    }
    if (created && !info->IsInstance(*created)) created = nullptr;
    return Object(comp, sub, *info, path, depth + 1, created);
  }

  Json Entry(const TComponent& comp, bool isRoot) const {
    const TClassInfo* info = Classes().ClassOf(comp);
    if (!info)
      throw ELayoutError(comp.Name(), "",
                         "class " + std::string(comp.ClassName()) + " is not registered");
    Json e = Json::object();
    e["Class"] = info->Name();
    e["Name"] = comp.Name();
    if (!isRoot)
      if (auto* control = dynamic_cast<const TControl*>(&comp))
        if (const TWinControl* parent = control->Parent())
          if (parent == &root_ || (parent->Owner() == &root_ && !parent->Name().empty()))
            e["Parent"] = parent->Name();
    Json props = Object(comp, comp, *info, "", 0, nullptr);
    if (!props.empty()) e["Properties"] = std::move(props);
    return e;
  }

 private:
  const TComponent& root_;
};

}  // namespace

std::string StoreLayout(const TComponent& root) {
  Storer storer(root);
  Json doc = storer.Entry(root, true);
  // Creation order, except that a parent always comes before its children.
  std::vector<const TComponent*> pending;
  for (int i = 0; i < root.ComponentCount(); ++i)
    if (!root.Components(i)->Name().empty())  // nothing could refer to it or load it back
      pending.push_back(root.Components(i));
  std::vector<const TComponent*> written;
  auto isWritten = [&](const TComponent* c) {
    return c == &root || std::find(written.begin(), written.end(), c) != written.end();
  };
  auto ready = [&](const TComponent* c) {
    auto* control = dynamic_cast<const TControl*>(c);
    if (!control || !control->Parent()) return true;
    const TWinControl* parent = control->Parent();
    const bool listed = std::find(pending.begin(), pending.end(), parent) != pending.end();
    return !listed || isWritten(parent);
  };
  Json list = Json::array();
  while (written.size() < pending.size()) {
    bool progress = false;
    for (const TComponent* c : pending)
      if (!isWritten(c) && ready(c)) {
        list.push_back(storer.Entry(*c, false));
        written.push_back(c);
        progress = true;
        break;
      }
    if (!progress) break;  // cannot happen: parents form a tree
  }
  if (!list.empty()) doc["Components"] = std::move(list);
  return doc.dump(2) + "\n";
}

}  // namespace zarn
