// Writes a few valid layouts into the folder named by the first argument.

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: seed_layout <dir>\n";
    return 2;
  }
  const std::string dir = argv[1];
  const char* seeds[] = {
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
  int n = 0;
  for (const char* s : seeds) {
    std::ofstream out(dir + "/seed" + std::to_string(n++) + ".json", std::ios::binary);
    out << s;
  }
  return 0;
}
