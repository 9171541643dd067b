#include <algorithm>
#include <array>

#include "platform/properties.h"

namespace zarn {

void RegisterPlatformClasses(TClassRegistry& registry);  // publish.cpp

// ---- TEnumInfo ----

TEnumInfo::TEnumInfo(std::string_view typeName, std::initializer_list<std::string_view> names)
    : typeName_(typeName) {
  std::int64_t v = 0;
  for (std::string_view n : names)
    values_.emplace_back(n, v++);
}

TEnumInfo TEnumInfo::WithValues(
    std::string_view typeName,
    std::initializer_list<std::pair<std::string_view, std::int64_t>> values) {
  TEnumInfo info;
  info.typeName_ = typeName;
  info.values_.assign(values.begin(), values.end());
  return info;
}

const std::string_view* TEnumInfo::NameOf(std::int64_t value) const {
  for (const auto& [name, v] : values_)
    if (v == value) return &name;
  return nullptr;
}

std::optional<std::int64_t> TEnumInfo::ValueOf(std::string_view name) const {
  for (const auto& [n, v] : values_)
    if (n == name) return v;
  return std::nullopt;
}

std::int64_t TEnumInfo::MinValue() const {
  std::int64_t m = values_.empty() ? 0 : values_.front().second;
  for (const auto& e : values_)
    m = std::min(m, e.second);
  return m;
}

std::int64_t TEnumInfo::MaxValue() const {
  std::int64_t m = values_.empty() ? 0 : values_.front().second;
  for (const auto& e : values_)
    m = std::max(m, e.second);
  return m;
}

// ---- TClassInfo ----

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const auto& p : c->props_)
      if (p->Name == name) return p.get();
  return nullptr;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = this; c; c = c->parent_)
    chain.push_back(c);
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    for (const auto& p : (*it)->props_) {
      auto same = std::find_if(result.begin(), result.end(),
                               [&](const TPropInfo* q) { return q->Name == p->Name; });
      if (same != result.end())
        *same = p.get();
      else
        result.push_back(p.get());
    }
  return result;
}

std::unique_ptr<TComponent> TClassInfo::Create(TComponent* owner) const {
  if (!create_) throw EZarnError("class " + name_ + " cannot be created from a layout");
  return create_(owner);
}

TPropInfo& TClassInfo::Add(TPropInfo info) {
  for (auto& p : props_)
    if (p->Name == info.Name) {
      *p = std::move(info);
      return *p;
    }
  props_.push_back(std::make_unique<TPropInfo>(std::move(info)));
  return *props_.back();
}

// ---- TClassRegistry ----

const TClassInfo* TClassRegistry::Find(std::string_view name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second.get();
}

const TClassInfo* TClassRegistry::ClassOf(const TPersistent& object) const {
  const TClassInfo* info = Find(object.ClassName());
  if (info && info->IsInstance(object)) return info;
  return nullptr;
}

TClassRegistry& Classes() {
  static TClassRegistry registry;
  static const bool platformRegistered = (RegisterPlatformClasses(registry), true);
  (void)platformRegistered;
  return registry;
}

// ---- colour names ----

namespace {
struct ColorName {
  const char* Name;
  TColor Value;
};
constexpr std::array kColorNames{
    ColorName{"clBlack", clBlack},
    ColorName{"clMaroon", clMaroon},
    ColorName{"clGreen", clGreen},
    ColorName{"clOlive", clOlive},
    ColorName{"clNavy", clNavy},
    ColorName{"clPurple", clPurple},
    ColorName{"clTeal", clTeal},
    ColorName{"clGray", clGray},
    ColorName{"clSilver", clSilver},
    ColorName{"clRed", clRed},
    ColorName{"clLime", clLime},
    ColorName{"clYellow", clYellow},
    ColorName{"clBlue", clBlue},
    ColorName{"clFuchsia", clFuchsia},
    ColorName{"clAqua", clAqua},
    ColorName{"clWhite", clWhite},
    ColorName{"clMoneyGreen", clMoneyGreen},
    ColorName{"clSkyBlue", clSkyBlue},
    ColorName{"clCream", clCream},
    ColorName{"clMedGray", clMedGray},
    ColorName{"clNone", clNone},
    ColorName{"clDefault", clDefault},
    ColorName{"clScrollBar", clScrollBar},
    ColorName{"clBackground", clBackground},
    ColorName{"clActiveCaption", clActiveCaption},
    ColorName{"clInactiveCaption", clInactiveCaption},
    ColorName{"clMenu", clMenu},
    ColorName{"clWindow", clWindow},
    ColorName{"clWindowFrame", clWindowFrame},
    ColorName{"clMenuText", clMenuText},
    ColorName{"clWindowText", clWindowText},
    ColorName{"clCaptionText", clCaptionText},
    ColorName{"clActiveBorder", clActiveBorder},
    ColorName{"clInactiveBorder", clInactiveBorder},
    ColorName{"clAppWorkSpace", clAppWorkSpace},
    ColorName{"clHighlight", clHighlight},
    ColorName{"clHighlightText", clHighlightText},
    ColorName{"clBtnFace", clBtnFace},
    ColorName{"clBtnShadow", clBtnShadow},
    ColorName{"clGrayText", clGrayText},
    ColorName{"clBtnText", clBtnText},
    ColorName{"clInactiveCaptionText", clInactiveCaptionText},
    ColorName{"clBtnHighlight", clBtnHighlight},
    ColorName{"cl3DDkShadow", cl3DDkShadow},
    ColorName{"cl3DLight", cl3DLight},
    ColorName{"clInfoText", clInfoText},
    ColorName{"clInfoBk", clInfoBk},
};
}  // namespace

std::optional<TColor> IdentToColor(std::string_view name) {
  for (const ColorName& c : kColorNames)
    if (name == c.Name) return c.Value;
  return std::nullopt;
}

const char* ColorToIdent(TColor color) {
  for (const ColorName& c : kColorNames)
    if (c.Value == color) return c.Name;
  return nullptr;
}

// ---- the platform's enumerations ----

const TEnumInfo AlignInfo("TAlign",
                          {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"});
const TEnumInfo AnchorKindInfo("TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"});
const TEnumInfo AlignmentInfo("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
const TEnumInfo VerticalAlignmentInfo("TVerticalAlignment", {"vaTop", "vaCenter", "vaBottom"});
const TEnumInfo FontStyleInfo("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
const TEnumInfo FontPitchInfo("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
const TEnumInfo CharsetInfo = TEnumInfo::WithValues("TFontCharset", {{"ANSI_CHARSET", 0},
                                                                     {"DEFAULT_CHARSET", 1},
                                                                     {"SYMBOL_CHARSET", 2},
                                                                     {"MAC_CHARSET", 77},
                                                                     {"SHIFTJIS_CHARSET", 128},
                                                                     {"HANGEUL_CHARSET", 129},
                                                                     {"GB2312_CHARSET", 134},
                                                                     {"CHINESEBIG5_CHARSET", 136},
                                                                     {"GREEK_CHARSET", 161},
                                                                     {"TURKISH_CHARSET", 162},
                                                                     {"HEBREW_CHARSET", 177},
                                                                     {"ARABIC_CHARSET", 178},
                                                                     {"BALTIC_CHARSET", 186},
                                                                     {"RUSSIAN_CHARSET", 204},
                                                                     {"THAI_CHARSET", 222},
                                                                     {"EASTEUROPE_CHARSET", 238},
                                                                     {"OEM_CHARSET", 255}});
const TEnumInfo CursorInfo = TEnumInfo::WithValues(
    "TCursor",
    {{"crDefault", crDefault},     {"crNone", crNone},           {"crArrow", crArrow},
     {"crCross", crCross},         {"crIBeam", crIBeam},         {"crSizeNESW", crSizeNESW},
     {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE},   {"crSizeWE", crSizeWE},
     {"crUpArrow", crUpArrow},     {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
     {"crNoDrop", crNoDrop},       {"crHSplit", crHSplit},       {"crVSplit", crVSplit},
     {"crMultiDrag", crMultiDrag}, {"crSQLWait", crSQLWait},     {"crNo", crNo},
     {"crAppStart", crAppStart},   {"crHelp", crHelp},           {"crHandPoint", crHandPoint},
     {"crSizeAll", crSizeAll}});
const TEnumInfo PenStyleInfo("TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot",
                                           "psDashDotDot", "psClear", "psInsideFrame"});
const TEnumInfo BrushStyleInfo("TBrushStyle", {"bsSolid", "bsClear"});
const TEnumInfo DragKindInfo("TDragKind", {"dkDrag", "dkDock"});
const TEnumInfo DragModeInfo("TDragMode", {"dmManual", "dmAutomatic"});
const TEnumInfo PositionInfo("TPosition", {"poDesigned", "poDefault", "poDefaultPosOnly",
                                           "poDefaultSizeOnly", "poScreenCenter", "poDesktopCenter",
                                           "poMainFormCenter", "poOwnerFormCenter"});
const TEnumInfo BevelCutInfo("TBevelCut", {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
const TEnumInfo ScrollBarKindInfo("TScrollBarKind", {"sbHorizontal", "sbVertical"});
const TEnumInfo ButtonLayoutInfo("TButtonLayout",
                                 {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
const TEnumInfo ShiftStateInfo("TShiftState", {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight",
                                               "ssMiddle", "ssDouble"});
const TEnumInfo MouseButtonInfo("TMouseButton", {"mbLeft", "mbRight", "mbMiddle"});

}  // namespace zarn
