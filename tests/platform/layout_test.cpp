#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "test_classes.h"

namespace zarn {
namespace {

using test::TTestForm;
using test::TTestWidget;

class Layout : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RegisterTestClasses();
    test::LoadedLog().clear();
    services = &Application().Reset();
  }
  void TearDown() override { Application().Reset(); }
  THeadlessServices* services = nullptr;
};

// A form with one component of each kind that the tests below vary.
std::string FormWith(const std::string& widgetProps, const std::string& extra = "") {
  return R"({"Class": "TTestForm", "Name": "Frm", "Properties": {"Caption": "T"},
    "Components": [
      {"Class": "TPanel", "Name": "Panel1", "Parent": "Frm", "Properties": {"Align": "alTop"}},
      {"Class": "TTestWidget", "Name": "W1", "Parent": "Panel1", "Properties": {)" +
         widgetProps + R"(}})" + extra + "]}";
}

std::string ErrorOf(const std::string& text) {
  try {
    auto root = CreateFromLayout(text);
    return "no error";
  } catch (const ELayoutError& e) {
    return e.what();
  }
}

TEST_F(Layout, EveryKindOfPropertyIsSetThroughItsSetter) {
  auto root = CreateFromLayout(FormWith(R"(
      "Flag": true, "Count": -7, "Level": 255, "Ratio": 2.5, "Label": "x\u00b0",
      "Letter": "\u00e9", "Mode": "tmAuto", "Styles": ["fsBold", "fsItalic"],
      "Tint": "clBtnFace", "Sub": {"Low": 1, "High": 6.5, "Font": {"Height": -13}},
      "Sub.Font.Name": "Arial", "Partner": "W2", "OnPing": "Ping", "OnValue": "ValueHandler",
      "Left": 3, "Top": 4, "Width": 30, "Height": 20, "Cursor": "crHandPoint",
      "Picture": {"Width": 3, "Height": 2, "Palette": ["#FF0000", "#00FF00"],
                  "Rows": ["010", "101"]})",
                                        R"(, {"Class": "TTestWidget", "Name": "W2", "Parent":
      "Panel1", "Properties": {"Tint": 255, "Styles": "[fsUnderline]", "Letter": 65}})"));
  auto& form = dynamic_cast<TTestForm&>(*root);
  auto& w = dynamic_cast<TTestWidget&>(*form.FindComponent("W1"));
  auto& w2 = dynamic_cast<TTestWidget&>(*form.FindComponent("W2"));
  EXPECT_TRUE(w.Flag());
  EXPECT_EQ(w.Count(), -7);
  EXPECT_EQ(w.Level(), 255);
  EXPECT_EQ(w.Ratio(), 2.5);
  EXPECT_EQ(w.Label(), "x\u00b0");
  EXPECT_EQ(static_cast<unsigned char>(w.Letter()), 0xE9);
  EXPECT_EQ(w.Mode(), test::tmAuto);
  EXPECT_EQ(w.Styles(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(w.Tint(), clBtnFace);
  EXPECT_EQ(w.Sub().Low(), 1.0);
  EXPECT_EQ(w.Sub().High(), 6.5);
  EXPECT_EQ(w.Sub().Font().Height(), -13);
  EXPECT_EQ(w.Sub().Font().Name(), "Arial");
  EXPECT_EQ(w.Partner(), &w2);
  EXPECT_EQ(w.BoundsRect(), Rect(3, 4, 33, 24));
  EXPECT_EQ(w.Cursor(), crHandPoint);
  ASSERT_EQ(w.Picture().Width(), 3);
  EXPECT_EQ(w.Picture().ScanLine(0)[0], clRed);
  EXPECT_EQ(w.Picture().ScanLine(0)[1], clLime);
  EXPECT_EQ(w.Picture().ScanLine(1)[1], clRed);
  EXPECT_EQ(w2.Tint(), clRed);
  EXPECT_EQ(w2.Styles(), TFontStyles{fsUnderline});
  EXPECT_EQ(w2.Letter(), 'A');
  EXPECT_EQ(w.Parent()->Name(), "Panel1");

  ASSERT_TRUE(w.OnPing);
  w.OnPing(&w);
  EXPECT_EQ(form.log.back(), "ping W1");
  double v = 3;
  w.OnValue(&w, v);
  EXPECT_EQ(v, 6);
}

TEST_F(Layout, LoadingStateAndLoadedOrderParentsFirst) {
  auto root = CreateFromLayout(FormWith(R"("Count": 1)", R"(, {"Class": "TTestWidget",
      "Name": "W0", "Parent": "Frm"})"));
  EXPECT_EQ(test::LoadedLog(), (std::vector<std::string>{"Frm", "W1", "W0"}));
  for (int i = 0; i < root->ComponentCount(); ++i)
    EXPECT_FALSE(root->Components(i)->IsLoading());
  EXPECT_FALSE(root->IsLoading());
}

TEST_F(Layout, StoredVisibleFormShowsOnceEveryComponentHasLoaded) {
  std::string visible = FormWith(R"("Count": 1)", R"(, {"Class": "TTestWidget",
      "Name": "W0", "Parent": "Frm"})");
  visible.replace(visible.find(R"("Caption": "T")"), 14,
                  R"("Caption": "T", "Visible": true, "OnShow": "FormShow")");
  auto root = CreateFromLayout(visible);
  EXPECT_EQ(test::LoadedLog(), (std::vector<std::string>{"Frm", "W1", "W0", "show"}));
  EXPECT_EQ(services->ShownForms, std::vector<std::string>{"Frm"});
  EXPECT_TRUE(dynamic_cast<TForm&>(*root).HandleAllocated());
}

TEST_F(Layout, ErrorsNameComponentAndPropertyPath) {
  EXPECT_EQ(ErrorOf(FormWith(R"("Sub.Hihg": 1)")),
            R"(Frm.W1: property "Sub.Hihg": unknown property)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Sub": {"Font": {"Hieght": 1}})")),
            R"(Frm.W1: property "Sub.Font.Hieght": unknown property)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Mode": "tmMaybe")")),
            R"(Frm.W1: property "Mode": unknown TTestMode value "tmMaybe")");
  EXPECT_EQ(ErrorOf(FormWith(R"("Styles": ["fsBold", "fsHuge"])")),
            R"(Frm.W1: property "Styles": unknown TFontStyle value "fsHuge")");
  EXPECT_EQ(ErrorOf(FormWith(R"("Tint": "clBtnFase")")),
            R"(Frm.W1: property "Tint": unknown colour "clBtnFase")");
  EXPECT_EQ(ErrorOf(FormWith(R"("Tint": 4294967296)")),
            R"(Frm.W1: property "Tint": value 4294967296 out of range 0..4294967295)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Level": 256)")),
            R"(Frm.W1: property "Level": value 256 out of range 0..255)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Count": 2147483648)")),
            R"(Frm.W1: property "Count": value 2147483648 out of range -2147483648..2147483647)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Count": 1.5)")),
            R"(Frm.W1: property "Count": expected an integer, got a real number)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Flag": 1)")),
            R"(Frm.W1: property "Flag": expected a boolean, got an integer)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Label": 5)")),
            R"(Frm.W1: property "Label": expected a string, got an integer)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Letter": "ab")")),
            R"(Frm.W1: property "Letter": expected one Latin-1 character)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Letter": "\u0101")")),
            R"(Frm.W1: property "Letter": expected one Latin-1 character)");
  EXPECT_EQ(ErrorOf(FormWith(R"("OnPing": "Pong")")),
            R"(Frm.W1: property "OnPing": unknown handler "Pong")");
  EXPECT_EQ(ErrorOf(FormWith(R"("OnPing": "ValueHandler")")),
            R"(Frm.W1: property "OnPing": handler "ValueHandler" does not fit this event)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Partner": "Nobody")")),
            R"(Frm.W1: property "Partner": unknown component "Nobody")");
  EXPECT_EQ(
      ErrorOf(FormWith(R"("Partner": "Panel1")")),
      R"(Frm.W1: property "Partner": component Panel1 (TPanel) does not fit property Partner)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Count.X": 1)")),
            R"(Frm.W1: property "Count": not an object with properties)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Sub": {"Low": 5, "High": 2})")),
            R"(Frm.W1: property "Sub.High": High below Low)");
  EXPECT_EQ(ErrorOf(FormWith(R"("Picture": {"Width": 2, "Height": 1, "Palette": ["#000000"],
            "Rows": ["01"]})")),
            R"(Frm.W1: property "Picture": bitmap row 0 indexes past the palette)");
}

TEST_F(Layout, StructuralErrors) {
  EXPECT_EQ(ErrorOf("{\"Class\": \"TTestForm\", "), std::string("layout: malformed JSON: ") +
                                                        "[json.exception.parse_error.101] parse "
                                                        "error at line 1, column 24: syntax "
                                                        "error while parsing object key - "
                                                        "unexpected end of input; expected "
                                                        "string literal");
  EXPECT_EQ(ErrorOf(R"({"Class": "TNoSuchForm"})"), R"(layout: unknown class "TNoSuchForm")");
  EXPECT_EQ(ErrorOf(FormWith("", R"(, {"Class": "TVorelx", "Name": "V"})")),
            R"(Frm.V: unknown class "TVorelx")");
  EXPECT_EQ(ErrorOf(FormWith("", R"(, {"Class": "TPanel", "Name": "w1"})")),
            "Frm.w1: duplicate name");
  EXPECT_EQ(ErrorOf(FormWith("", R"(, {"Class": "TPanel", "Name": "P", "Parent": "Later"},
            {"Class": "TPanel", "Name": "Later"})")),
            R"(Frm.P: parent "Later" not found)");
  EXPECT_EQ(ErrorOf(FormWith("", R"(, {"Class": "TPanel", "Name": "P", "Parent": "W1"})")),
            R"(Frm.P: parent "W1" cannot hold controls)");
  EXPECT_EQ(ErrorOf(FormWith("", R"(, {"Class": "TPopupMenu", "Name": "M", "Parent": "Frm"})")),
            "Frm.M: only controls have a parent");
  EXPECT_EQ(ErrorOf(FormWith("", R"(, {"Class": "TPanel", "Name": "P", "Colour": 1})")),
            R"(Frm.P: unknown key "Colour")");
  EXPECT_EQ(ErrorOf(FormWith("", R"(, {"Class": "TPanel"})")), "Frm.#2: the component has no name");
  EXPECT_EQ(ErrorOf(R"({"Class": "TTestForm", "Name": "Frm", "Properties": {"Caption": 1}})"),
            R"(Frm: property "Caption": expected a string, got an integer)");
}

TEST_F(Layout, NothingHalfBuiltIsLeftAfterAnError) {
  TTestForm form(nullptr);
  const std::string bad = R"({"Class": "TTestForm", "Name": "Frm", "Components": [
      {"Class": "TPanel", "Name": "P1", "Parent": "Frm"},
      {"Class": "TTestWidget", "Name": "W", "Parent": "P1", "Properties": {"Mode": "x"}}]})";
  EXPECT_THROW(LoadLayout(form, bad), ELayoutError);
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(form.ControlCount(), 0);
  EXPECT_FALSE(form.IsLoading());
  // The application keeps nothing either.
  EXPECT_THROW(Application().CreateForm(bad), ELayoutError);
  EXPECT_EQ(Application().ComponentCount(), 0);
  EXPECT_EQ(Application().MainForm(), nullptr);
  EXPECT_TRUE(services->ShownForms.empty());
}

TEST_F(Layout, StoreLeavesOutDefaultsAndReloadsToTheSameValues) {
  const std::string original = FormWith(R"(
      "Flag": true, "Count": 0, "Ratio": -0.1, "Label": "a\"b", "Letter": "\u00ff",
      "Mode": "tmOn", "Styles": ["fsStrikeOut"], "Tint": 12632256, "Sub.High": 3,
      "Partner": "W1", "OnPing": "Ping", "Picture": {"Width": 2, "Height": 1,
      "Palette": ["#123456", "#FFFFFF"], "Rows": ["10"]}, "Width": 40)");
  auto first = CreateFromLayout(original);
  const std::string stored = StoreLayout(*first);
  EXPECT_EQ(stored.find("\"Count\""), std::string::npos);  // declared default
  EXPECT_EQ(stored.find("\"Low\""), std::string::npos);    // real 0 without default
  EXPECT_EQ(stored.find("\"Visible\""), std::string::npos);
  EXPECT_NE(stored.find("\"Level\": 7"), std::string::npos);  // ordinal without default
  EXPECT_NE(stored.find("\"Tint\": \"clSilver\""), std::string::npos);
  EXPECT_NE(stored.find("\"OnPing\": \"Ping\""), std::string::npos);
  EXPECT_NE(stored.find("\"Rows\": [\n"), std::string::npos);

  auto second = CreateFromLayout(stored);
  EXPECT_EQ(StoreLayout(*second), stored);
  auto& w = dynamic_cast<TTestWidget&>(*second->FindComponent("W1"));
  EXPECT_TRUE(w.Flag());
  EXPECT_EQ(w.Ratio(), -0.1);
  EXPECT_EQ(w.Label(), "a\"b");
  EXPECT_EQ(static_cast<unsigned char>(w.Letter()), 0xFF);
  EXPECT_EQ(w.Mode(), test::tmOn);
  EXPECT_EQ(w.Styles(), TFontStyles{fsStrikeOut});
  EXPECT_EQ(w.Sub().High(), 3.0);
  EXPECT_EQ(w.Partner(), &w);
  EXPECT_EQ(w.Width(), 40);
  EXPECT_EQ(w.Picture().ScanLine(0)[1], RGB(0x12, 0x34, 0x56));
  EXPECT_TRUE(w.OnPing);
  EXPECT_EQ(w.Parent()->Name(), "Panel1");
}

// Owns settings created by number (Low = 10 n, High = 10 n + 1, font height
// -n), unlike a settings object's own creation state.
class TNumbered : public TComponent {
 public:
  explicit TNumbered(TComponent* owner) : TComponent(owner) {
    for (int n = 1; n <= 3; ++n)
      Created(n, Settings(n));
  }
  std::string_view ClassName() const override { return "TNumbered"; }
  test::TTestSettings& Settings(int n) { return settings_[n - 1]; }

  static void Created(int n, test::TTestSettings& s) {
    s.SetHigh(10.0 * n + 1);
    s.SetLow(10.0 * n);
    s.Font().SetHeight(-n);
  }
  static std::unique_ptr<test::TTestSettings> NewSettings(int n) {
    auto s = std::make_unique<test::TTestSettings>();
    Created(n, *s);
    return s;
  }

 private:
  test::TTestSettings settings_[3];
};

TEST_F(Layout, SubObjectsCreatedByNumberStoreWhatDiffersFromTheirOwnCreation) {
  RegisterClass<TNumbered>("TNumbered", [](TPropertyRegistrar<TNumbered>& r) {
    auto get = [](int n) {
      return [n](TNumbered& o) -> test::TTestSettings& { return o.Settings(n); };
    };
    r.Object("S1", get(1)).CreatedAs([](const TPersistent&) { return TNumbered::NewSettings(1); });
    r.Object("S2", get(2)).CreatedAs([](const TPersistent&) { return TNumbered::NewSettings(2); });
    // A factory of another class is no creation state: declared defaults apply.
    r.Object("S3", get(3)).CreatedAs([](const TPersistent&) { return std::make_unique<TFont>(); });
  });
  TNumbered owner(nullptr);
  owner.SetName("N");
  owner.Settings(2).SetLow(0.0);   // the real 0 that goes unwritten without a creation state
  owner.Settings(2).SetHigh(1.0);  // equal to the declared default
  owner.Settings(2).Font().SetHeight(-1);

  const std::string stored = StoreLayout(owner);
  EXPECT_EQ(stored.find("\"S1\""), std::string::npos) << stored;
  EXPECT_NE(stored.find("\"S3\""), std::string::npos);
  auto copy = CreateFromLayout(stored);
  auto& c = dynamic_cast<TNumbered&>(*copy);
  EXPECT_EQ(c.Settings(1).Low(), 10.0);
  EXPECT_EQ(c.Settings(2).Low(), 0.0);
  EXPECT_EQ(c.Settings(2).High(), 1.0);
  EXPECT_EQ(c.Settings(2).Font().Height(), -1);
  EXPECT_EQ(c.Settings(3).High(), 31.0);
  EXPECT_EQ(StoreLayout(c), stored);
}

TEST_F(Layout, NonFiniteRealsAndLargePalettesRoundTrip) {
  TTestForm form(nullptr);
  form.SetName("Frm");
  TTestWidget& w = TComponent::Create<TTestWidget>(form);
  w.SetName("W");
  w.SetRatio(-std::numeric_limits<double>::infinity());
  w.Picture().SetSize(70, 1);
  for (int x = 0; x < 70; ++x)
    w.Picture().ScanLine(0)[x] = RGB(static_cast<std::uint8_t>(x), 0, 0);
  const std::string stored = StoreLayout(form);
  EXPECT_NE(stored.find("\"Digits\": 2"), std::string::npos);
  auto copy = CreateFromLayout(stored);
  auto& c = dynamic_cast<TTestWidget&>(*copy->FindComponent("W"));
  EXPECT_EQ(c.Ratio(), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(c.Picture().Pixels(), w.Picture().Pixels());
}

TEST_F(Layout, EndToEndFormWithHandlersBoundByName) {
  const std::string layout = R"({"Class": "TTestForm", "Name": "Frm", "Properties": {
      "Caption": "F Distribution", "ClientWidth": 553, "ClientHeight": 380,
      "Color": "clBtnFace", "Font": {"Name": "MS Sans Serif", "Height": -13},
      "Scaled": false, "OnShow": "FormShow"},
    "Components": [
      {"Class": "TTestWidget", "Name": "Chart", "Parent": "Frm",
       "Properties": {"Align": "alClient", "Top": 65, "Width": 553, "Height": 315}},
      {"Class": "TPanel", "Name": "Panel1", "Parent": "Frm",
       "Properties": {"Align": "alTop", "Height": 65, "TabOrder": 0}},
      {"Class": "TBitBtn", "Name": "BButExit", "Parent": "Panel1",
       "Properties": {"Caption": "Exit", "TabOrder": 0, "OnClick": "ExitClick"}},
      {"Class": "TScrollBar", "Name": "SB", "Parent": "Panel1",
       "Properties": {"Min": 1, "Position": 4, "TabOrder": 1, "OnChange": "ScrollChange"}}]})";
  auto& form = Application().CreateForm<TTestForm>(layout);
  EXPECT_EQ(Application().MainForm(), &form);
  EXPECT_TRUE(form.log.empty());  // no change events while loading
  auto& chart = dynamic_cast<TTestWidget&>(*form.FindComponent("Chart"));
  EXPECT_EQ(chart.BoundsRect(), Rect(0, 65, 553, 380));
  EXPECT_EQ(form.Width(), 553 + kFormFrameWidth);
  EXPECT_EQ(form.Font().Height(), -13);
  EXPECT_EQ(chart.Font().Height(), -13);  // through ParentFont

  auto& bar = dynamic_cast<TScrollBar&>(*form.FindComponent("SB"));
  auto& exit = dynamic_cast<TBitBtn&>(*form.FindComponent("BButExit"));
  services->Post([&] { bar.SetPosition(7); });
  services->Post([&] { exit.Click(); });
  services->Post([&] { ADD_FAILURE() << "the loop ran past Terminate"; });
  std::vector<std::string> log;
  form.OnDestroy = [&](TObject*) { log = form.log; };
  EXPECT_EQ(Application().Run(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"show", "scroll 7", "exit"}));
  EXPECT_EQ(services->ShownForms, std::vector<std::string>{"Frm"});
  EXPECT_EQ(Application().ComponentCount(), 0);  // the forms are freed when Run ends
}

TEST_F(Layout, StoredFormKeepsClientSizeBindingsAndTreeOrder) {
  auto& form = Application().CreateForm<TTestForm>(
      R"({"Class": "TTestForm", "Name": "Frm", "Properties": {"ClientWidth": 200,
          "ClientHeight": 100, "OnShow": "FormShow"}, "Components": [
        {"Class": "TPanel", "Name": "P", "Parent": "Frm", "Properties": {"Align": "alTop"}}]})");
  TTestWidget& late = TComponent::Create<TTestWidget>(form);
  late.SetName("Late");
  TPanel& host = TComponent::Create<TPanel>(form);
  host.SetName("Host");
  host.SetParent(&form);
  late.SetParent(&host);  // created before its parent: stored after it
  const std::string stored = StoreLayout(form);
  EXPECT_NE(stored.find("\"ClientWidth\": 200"), std::string::npos);
  EXPECT_GT(stored.find("\"Width\""), stored.find("\"Components\""));  // not the form's
  EXPECT_LT(stored.find("\"Host\""), stored.find("\"Late\""));
  auto copy = CreateFromLayout(stored);
  EXPECT_EQ(copy->FindComponent("Late")->ComponentIndex(), 2);
  EXPECT_EQ(dynamic_cast<TControl*>(copy->FindComponent("Late"))->Parent()->Name(), "Host");
  EXPECT_TRUE(dynamic_cast<TForm&>(*copy).OnShow);
}

TEST_F(Layout, ApplicationServicesRecordWhatWasAsked) {
  ShowMessage("Too many sharers");
  ASSERT_EQ(services->Messages.size(), 1u);
  EXPECT_EQ(services->Messages[0].Text, "Too many sharers");
  EXPECT_EQ(services->Messages[0].Flags, MB_OK | MB_ICONINFORMATION);

  TCursorImage hand;
  hand.Width = hand.Height = 1;
  hand.Pixels = {clBlack};
  RegisterCursorResource("CURHAND", hand);
  Screen().SetCursors(1, LoadCursorA(HInstance, "CURHAND"));
  Screen().SetCursors(2, LoadCursorA(HInstance, "CURNOWHERE"));  // the default cursor
  EXPECT_NE(Screen().Cursors(1), nullptr);
  EXPECT_EQ(Screen().Cursors(2), nullptr);
  EXPECT_EQ(LoadCursorA(HInstance, nullptr), nullptr);
  Screen().SetCursor(crCross);
  Screen().SetCursor(crDefault);
  EXPECT_EQ(services->ScreenCursors, (std::vector<TCursor>{crCross, crDefault}));
  EXPECT_EQ(services->RegisteredCursors.size(), 2u);
}

TEST_F(Layout, ClosingASecondFormWithCaFreeFreesItLater) {
  auto& main = Application().CreateForm<TTestForm>(R"({"Class": "TTestForm", "Name": "A"})");
  auto& other = Application().CreateForm<TTestForm>(R"({"Class": "TTestForm", "Name": "B"})");
  EXPECT_EQ(Application().MainForm(), &main);
  other.OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
  other.Show();
  other.Close();
  EXPECT_EQ(Application().ComponentCount(), 2);
  Application().ProcessMessages();
  EXPECT_EQ(Application().ComponentCount(), 1);
  EXPECT_FALSE(Application().Terminated());
  main.OnCloseQuery = [](TObject*, bool& can) { can = false; };
  main.Close();
  EXPECT_FALSE(Application().Terminated());
  main.OnCloseQuery = nullptr;
  main.Close();
  EXPECT_TRUE(Application().Terminated());
}

}  // namespace
}  // namespace zarn
