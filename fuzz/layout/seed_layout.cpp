// Writes the layout target's seed corpus into the folder named by the first
// argument, and its dictionary (every class, property and enumeration name,
// with the layout format's own keys) into the file named by the second.
//
// Seeds: a few hand-written layouts, the viewer's window layout (also with a
// second chart sharing its data, and with its chart in every value of each of
// its enumerations), and for every component class a stored layout of one on
// a form: as created, with every published value moved a step, and with
// every number at the far end of its type; each component of the viewer's
// window is also stepped in place.

#include <fstream>
#include <functional>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "all_classes.h"
#include "base/zarn_colornames.h"
#include "platform/zarn_platform.h"

namespace {

using namespace zarn;

const char* const kHandWritten[] = {
    R"({"Class": "TTestForm", "Name": "Frm"})",
    R"({"Class": "TTestForm", "Name": "Frm", "Properties": {"Caption": "F Distribution",
      "ClientWidth": 553, "ClientHeight": 380, "Color": "clBtnFace", "Scaled": false,
      "Font": {"Name": "MS Sans Serif", "Height": -13}, "OnShow": "FormShow"},
      "Components": [
        {"Class": "TPanel", "Name": "Panel1", "Parent": "Frm",
         "Properties": {"Align": "alTop", "Height": 65, "TabOrder": 0}},
        {"Class": "TBitBtn", "Name": "BButExit", "Parent": "Panel1",
         "Properties": {"Caption": "Exit", "OnClick": "ExitClick", "Glyph": {"Width": 2,
           "Height": 2, "Palette": ["#000000", "#FFFFFF"], "Rows": ["01", "10"]}}},
        {"Class": "TScrollBar", "Name": "SBDf1", "Parent": "Panel1",
         "Properties": {"Min": 1, "Position": 4, "OnChange": "ScrollChange"}}]})",
    R"({"Class": "TTestForm", "Name": "Frm", "Components": [
        {"Class": "TTestWidget", "Name": "W1", "Parent": "Frm", "Properties": {
          "Flag": true, "Count": -7, "Level": 200, "Ratio": 2.5, "Label": "x",
          "Letter": "b", "Mode": "tmAuto", "Styles": ["fsBold"], "Tint": "clRed",
          "Sub": {"Low": 1, "High": 6}, "Sub.Font.Height": -11, "Partner": "W2",
          "OnPing": "Ping", "OnValue": "ValueHandler", "Cursor": "crCross"}},
        {"Class": "TTestWidget", "Name": "W2", "Parent": "Frm",
         "Properties": {"Align": "alClient", "Ratio": "NaN", "Styles": "[fsItalic]"}},
        {"Class": "TPopupMenu", "Name": "Menu"}]})",
};

const char* const kFormatWords[] = {
    "Class",       "Name",        "Parent",        "Properties",
    "Components",  "Palette",     "Rows",          "Digits",
    "NaN",         "Inf",         "-Inf",          "FormShow",
    "SBDf1Change", "SBDF2Change", "BButExitClick", "Vorel1CrossHairMove",
    "FrmKolvo",    "Vorel1"};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The value one step from v, or v itself where no step makes sense.
TPropValue Step(const TPropInfo& p, const TPropValue& v) {
  switch (p.Kind) {
    case pkBoolean:
      return !std::get<bool>(v);
    case pkInteger: {
      const std::int64_t n = std::get<std::int64_t>(v);
      return n < p.Max ? n + 1 : n - 1;
    }
    case pkDouble:
      return std::get<double>(v) + 0.5;
    case pkString:
      return std::get<std::string>(v) + "x";
    case pkChar:
      return std::int64_t{'x'};
    case pkEnum: {
      const auto& values = p.Enum->Values();
      const std::int64_t n = std::get<std::int64_t>(v);
      for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i].second == n) return values[(i + 1) % values.size()].second;
      return v;
    }
    case pkSet:
      return std::get<std::int64_t>(v) ^ 1;
    case pkColor:
      return std::get<std::int64_t>(v) ^ 0x80;
    default:
      return v;
  }
}

// The value at the far end of its type: the largest integers and reals. A
// control's bounds stay: the platform is mending their sums at the ends of int.
TPropValue Extreme(const TPropInfo& p, const TPropValue& v) {
  for (const char* bound : {"Left", "Top", "Width", "Height", "ClientWidth", "ClientHeight"})
    if (p.Name == bound) return v;
  switch (p.Kind) {
    case pkInteger:
      return p.Max;
    case pkDouble:
      return 1e308;
    default:
      return Step(p, v);
  }
}

using TChange = TPropValue (*)(const TPropInfo&, const TPropValue&);

// Changes every published value of object; a value its setter refuses stays.
void ChangeAll(TPersistent& object, TChange change, int depth) {
  const TClassInfo* info = Classes().ClassOf(object);
  if (!info || depth > 4) return;
  for (const TPropInfo* p : info->Properties()) {
    // Constraints would shrink every control to a pixel.
    if (!p->Stored || p->Name == "Name" || p->Name == "Visible" || p->Name == "Constraints")
      continue;
    try {
      if (p->Kind == pkObject) {
        ChangeAll(p->Object(object), change, depth + 1);
      } else if (p->Get && p->Set) {
        p->Set(object, change(*p, p->Get(object)));
      }
    } catch (const std::exception&) {
    }
  }
}

// Every name a layout can use, from the classes' property trees.
void CollectNames(const TPersistent& object, std::set<std::string>& names, int depth) {
  const TClassInfo* info = Classes().ClassOf(object);
  if (!info || depth > 4) return;
  names.insert(info->Name());
  for (const TPropInfo* p : info->Properties()) {
    names.insert(p->Name);
    if (p->Enum)
      for (const auto& value : p->Enum->Values())
        names.insert(std::string(value.first));
    if (p->Kind == pkObject)
      CollectNames(p->Object(const_cast<TPersistent&>(object)), names, depth + 1);
  }
}

class TSeedWriter {
 public:
  explicit TSeedWriter(std::string dir) : dir_(std::move(dir)) {}
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + "/" + name + ".json", std::ios::binary) << text;
  }

 private:
  std::string dir_;
};

std::unique_ptr<TComponent> Load(const std::string& text) {
  try {
    return CreateFromLayout(text);
  } catch (const EZarnError&) {
    return nullptr;
  }
}

void WriteClassSeeds(TSeedWriter& out, std::set<std::string>& names) {
  for (const std::string& className : fuzz::CreatableClasses()) {
    if (className == "TFrmKolvo") continue;  // the viewer's layout stands for it
    auto form = Load(R"({"Class": "TForm", "Name": "Form1", "Components": [{"Class": ")" +
                     className + R"(", "Name": "C1", "Parent": "Form1"}]})");
    if (!form) form = Load(R"({"Class": ")" + className + R"(", "Name": "C1"})");
    if (!form) {
      std::cerr << "seed_layout: no layout holds a " << className << "\n";
      continue;
    }
    TComponent& made = form->ComponentCount() > 0 ? *form->Components(0) : *form;
    CollectNames(made, names, 0);
    out.Write("class_" + className, StoreLayout(*form));
    ChangeAll(made, Step, 0);
    out.Write("class_" + className + "_stepped", StoreLayout(*form));
    // Far-end seeds for the library's components; the platform's own
    // controls get theirs where the platform is worked on.
    if (className != "TVorel" && className != "TScale" && className != "TNimbic") continue;
    ChangeAll(made, Extreme, 0);
    out.Write("class_" + className + "_extreme", StoreLayout(*form));
  }
}

// The viewer's chart in every value of each of its own enumerations (mouse
// actions, grid styles, ...), which a press and a drag then take through.
void WriteChartModeSeeds(TSeedWriter& out, const std::string& viewer) {
  auto probe = Load(viewer);
  TComponent* chart = probe ? probe->FindComponent("Vorel1") : nullptr;
  const TClassInfo* info = chart ? Classes().ClassOf(*chart) : nullptr;
  if (!info) return;
  for (const TPropInfo* p : info->Properties()) {
    if (p->Kind != pkEnum || !p->Set) continue;
    for (const auto& [name, value] : p->Enum->Values()) {
      auto window = Load(viewer);
      try {
        p->Set(*window->FindComponent("Vorel1"), value);
      } catch (const std::exception&) {
        continue;
      }
      out.Write("kolvo_" + p->Name + "_" + std::string(name), StoreLayout(*window));
    }
  }
}

void WriteViewerSeeds(TSeedWriter& out, const std::string& viewer) {
  out.Write("kolvo", viewer);
  // A second chart that shows the first one's data.
  const std::size_t end = viewer.rfind(']');
  if (end != std::string::npos)
    out.Write("kolvo_sharing", viewer.substr(0, end) +
                                   R"(, {"Class": "TVorel", "Name": "Vorel2", "Parent": "FrmKolvo",
                        "Properties": {"Align": "alBottom", "AutoRedraw": true,
                                       "UseDataOf": "Vorel1"}}])" +
                                   viewer.substr(end + 1));
  auto probe = Load(viewer);
  if (!probe) return;
  for (int i = 0; i < probe->ComponentCount(); ++i) {
    const std::string name(probe->Components(i)->Name());
    if (name.empty()) continue;  // made in code (the chart's menu), not from the layout
    auto window = Load(viewer);
    ChangeAll(*window->FindComponent(name), Step, 0);
    out.Write("kolvo_" + name + "_stepped", StoreLayout(*window));
  }
  WriteChartModeSeeds(out, viewer);
}

void WriteDictionary(const std::string& path, std::set<std::string> names) {
  for (const char* word : kFormatWords)
    names.insert(word);
  for (const TColorName& c : ColorNames().first(16))
    if (const char* ident = ColorToIdent(c.Color)) names.insert(ident);
  for (TColor system = 0xFF000000u; system <= 0xFF00001Fu; ++system)
    if (const char* ident = ColorToIdent(system)) names.insert(ident);
  std::ofstream dict(path);
  for (const std::string& name : names) {
    std::string escaped;
    for (char ch : name) {
      if (ch == '"' || ch == '\\') escaped += '\\';
      escaped += ch;
    }
    dict << "\"\\\"" << escaped << "\\\"\"\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: seed_layout <corpus folder> [dictionary file]\n";
    return 2;
  }
  fuzz::RegisterAllClasses();
  TSeedWriter out(argv[1]);
  int n = 0;
  for (const char* text : kHandWritten)
    out.Write("hand" + std::to_string(n++), text);
  WriteViewerSeeds(out, ReadFile(ZARN_SOURCE_DIR "/app/kolvo.json"));
  std::set<std::string> names;
  WriteClassSeeds(out, names);
  if (argc > 2) WriteDictionary(argv[2], names);
  return 0;
}
