#pragma once
// Stored layouts: a component tree with its property values and event
// bindings, as JSON a person can read and edit.
//
//   {
//     "Class": "TFrmKolvo", "Name": "FrmKolvo",
//     "Properties": { "Caption": "F Distribution", "Color": "clBtnFace",
//                     "Font": { "Name": "MS Sans Serif", "Height": -13 },
//                     "OnShow": "FormShow" },
//     "Components": [
//       { "Class": "TPanel", "Name": "Panel1", "Parent": "FrmKolvo",
//         "Properties": { "Align": "alTop", "Height": 65 } },
//       { "Class": "TScrollBar", "Name": "SBDf1", "Parent": "Panel1",
//         "Properties": { "Min": 1, "Position": 4, "OnChange": "SBDf1Change" } }
//     ]
//   }
//
// Components are listed in creation order; a parent comes before its children.
// Sub-object properties nest ("Scale1X": {"RangeHigh": 6}) or use dotted keys
// ("Scale1X.RangeHigh": 6). Enumerations are value names, sets arrays of
// names, colours names or numbers, references component names, events handler
// names registered on the root. A bitmap is
//   { "Width": 3, "Height": 2, "Palette": ["#000000", "#FFFFFF"],
//     "Rows": ["010", "101"] }
// with one character per pixel (0-9, A-Z, a-z) indexing the palette (more
// characters per pixel, "Digits": n, when the palette has more than 62 entries).

#include <memory>
#include <string>
#include <string_view>

#include "platform/component.h"

namespace zarn {

// A layout that cannot be loaded or stored. The message names the component
// ("FrmKolvo.Vorel1") and the property path.
class ELayoutError : public EZarnError {
 public:
  ELayoutError(std::string component, std::string propertyPath, const std::string& reason);
  const std::string& Component() const { return component_; }
  const std::string& PropertyPath() const { return propertyPath_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string component_;
  std::string propertyPath_;
  std::string reason_;
};

// Loads a layout into an existing root of the layout's class: creates the
// listed components owned by root, sets the properties with the loading state
// on, binds events, resolves references, then calls Loaded on the root and on
// every component, parents before children. On error every component created
// is freed again (properties already given to the root itself stay).
void LoadLayout(TComponent& root, std::string_view text);

// Creates the root from the class registry and loads the layout into it; on
// error nothing is left behind. The result is listed by owner (if any) but
// belongs to the caller until adopted.
std::unique_ptr<TComponent> CreateFromLayout(std::string_view text, TComponent* owner = nullptr);

// The layout of root and of the named components it owns; values equal to a
// declared default are left out.
std::string StoreLayout(const TComponent& root);

}  // namespace zarn
