#pragma once
// The standard controls of a main window: form, panel, scroll bar and push
// button with glyph. They hold the state; a backend shows them natively.

#include <functional>
#include <string>

#include "platform/control.h"

namespace zarn {

// An operation that is not possible in the control's current state.
class EInvalidOperation : public EZarnError {
 public:
  using EZarnError::EZarnError;
};

enum TPosition : std::uint8_t {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// Empty when a window's client area of width x height fits the surfaces that
// draw it (each side 1 .. kMaxBitmapSide, at most kMaxBitmapBytes of pixels);
// else why it cannot be shown or pictured.
std::string UndrawableSize(int width, int height);

// Window decoration around a form's client area when nobody measures it.
inline constexpr int kFormFrameWidth = 8;
inline constexpr int kFormFrameHeight = 28;

class TForm : public TCustomControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;
  std::string_view ClassName() const override { return "TForm"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  bool Scaled() const { return scaled_; }
  void SetScaled(bool value) { scaled_ = value; }
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int value);
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int value) { textHeight_ = value; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }

  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int value) override;
  void SetClientHeight(int value) override;
  // The frame the backend measured around the client area.
  void SetFrameSize(int width, int height);

  // Showing creates the windows (through the application's services), fires
  // OnShow and puts the form on screen. While loading, a stored Visible only
  // takes effect once every component of the layout has run Loaded.
  void SetVisible(bool value) override;
  // CloseQuery, OnClose, then by the action: closing the main form ends the
  // application's Run; caHide hides; caFree frees the form later.
  void Close();
  bool CloseQuery();
  // Fires OnCreate; the application calls it once the layout is loaded.
  virtual void DoCreate();

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

 protected:
  void LayoutLoaded() override;
  void BeforeDestruction() override;

 private:
  std::string caption_;
  bool scaled_ = true;
  int pixelsPerInch_ = kScreenPixelsPerInch;
  int textHeight_ = 13;
  TPosition position_ = poDesigned;
  int frameWidth_ = kFormFrameWidth;
  int frameHeight_ = kFormFrameHeight;
  bool showAfterLoad_ = false;
  bool destroyFired_ = false;
};

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* AOwner);
  std::string_view ClassName() const override { return "TPanel"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);  // at least 1
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);  // at least 0

  void Paint() override;

 private:
  std::string caption_;
  TAlignment alignment_ = taCenter;
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
};

enum TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };
enum TScrollCode : std::uint8_t {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll
};
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* AOwner);
  std::string_view ClassName() const override { return "TScrollBar"; }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  void SetMax(int value) { SetParams(position_, min_, value); }
  // Clamped to Min .. Max; OnChange fires only when the position really changes.
  void SetPosition(int value) { SetParams(value, min_, max_); }
  // Max below Min, or below PageSize, raises EInvalidOperation.
  void SetParams(int APosition, int AMin, int AMax);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);  // 0 .. Max - Min + 1, else EInvalidOperation
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }

  // A user's scroll action from the backend: OnScroll may adjust the new
  // position, which is then set.
  void Scroll(TScrollCode code, int position);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 private:
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

enum TButtonLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TBitBtn : public TWinControl {
 public:
  explicit TBitBtn(TComponent* AOwner);
  std::string_view ClassName() const override { return "TBitBtn"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  TBitmap& Glyph() { return glyph_; }
  const TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const TBitmap& value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);  // 1 .. 4
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  int Margin() const { return margin_; }
  void SetMargin(int value);  // -1 centres
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  bool Default() const { return default_; }
  void SetDefault(bool value) { default_ = value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }

  // Presses the button: fires OnClick.
  void Click() override;

 private:
  std::string caption_;
  TBitmap glyph_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

}  // namespace zarn
