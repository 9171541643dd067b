// The published properties of the platform's own classes.

#include "platform/application.h"
#include "platform/controls_std.h"
#include "platform/properties.h"

namespace zarn {

namespace {

void PublishFont(TPropertyRegistrar<TFont>& r) {
  r.NamedInt("Charset", CharsetInfo, &TFont::Charset, &TFont::SetCharset).Default(std::int64_t{1});
  r.Color("Color", &TFont::Color, &TFont::SetColor).Default(std::int64_t{clWindowText});
  r.Int("Height", &TFont::Height, &TFont::SetHeight);
  r.String("Name", &TFont::Name, &TFont::SetName);
  r.Enum("Pitch", FontPitchInfo, &TFont::Pitch, &TFont::SetPitch).Default(std::int64_t{fpDefault});
  r.Int("Size", &TFont::Size, &TFont::SetSize).NoStore();  // Height says it
  r.Set("Style", FontStyleInfo, &TFont::Style, &TFont::SetStyle).Default(std::int64_t{0});
}

void PublishPen(TPropertyRegistrar<TPen>& r) {
  r.Color("Color", &TPen::Color, &TPen::SetColor).Default(std::int64_t{clBlack});
  r.Enum("Style", PenStyleInfo, &TPen::Style, &TPen::SetStyle).Default(std::int64_t{psSolid});
  r.Int("Width", &TPen::Width, &TPen::SetWidth).Default(std::int64_t{1});
}

const TEnumInfo PenModeInfo("TPenMode", {"pmCopy", "pmXor"});

void PublishPenModes(TPropertyRegistrar<TPen>& r) {
  PublishPen(r);
  r.Enum("Mode", PenModeInfo, &TPen::Mode, &TPen::SetMode).Default(std::int64_t{pmCopy});
}

void PublishBrush(TPropertyRegistrar<TBrush>& r) {
  r.Color("Color", &TBrush::Color, &TBrush::SetColor).Default(std::int64_t{clWhite});
  r.Enum("Style", BrushStyleInfo, &TBrush::Style, &TBrush::SetStyle).Default(std::int64_t{bsSolid});
}

void PublishConstraints(TPropertyRegistrar<TSizeConstraints>& r) {
  using S = TSizeConstraints;
  r.Int("MaxHeight", &S::MaxHeight, &S::SetMaxHeight).Default(std::int64_t{0});
  r.Int("MaxWidth", &S::MaxWidth, &S::SetMaxWidth).Default(std::int64_t{0});
  r.Int("MinHeight", &S::MinHeight, &S::SetMinHeight).Default(std::int64_t{0});
  r.Int("MinWidth", &S::MinWidth, &S::SetMinWidth).Default(std::int64_t{0});
}

void PublishPopupMenu(TPropertyRegistrar<TPopupMenu>& r) {
  r.Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  r.Event("OnPopup", &TPopupMenu::OnPopup);
}

void PublishControl(TPropertyRegistrar<TControl>& r) {
  using C = TControl;
  r.Int("Left", &C::Left, &C::SetLeft);
  r.Int("Top", &C::Top, &C::SetTop);
  r.Int("Width", &C::Width, &C::SetWidth);
  r.Int("Height", &C::Height, &C::SetHeight);
  r.Enum("Align", AlignInfo, &C::Align, &C::SetAlign).Default(std::int64_t{alNone});
  r.Set("Anchors", AnchorKindInfo, &C::Anchors, &C::SetAnchors)
      .Default(static_cast<std::int64_t>(TAnchors{akLeft, akTop}.Bits()));
  r.Object("Constraints", [](C& c) -> TSizeConstraints& { return c.Constraints(); });
  r.Cursor("Cursor", &C::Cursor, &C::SetCursor).Default(std::int64_t{crDefault});
  r.Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor).Default(std::int64_t{crDrag});
  r.Enum("DragKind", DragKindInfo, &C::DragKind, &C::SetDragKind).Default(std::int64_t{dkDrag});
  r.Enum("DragMode", DragModeInfo, &C::DragMode, &C::SetDragMode).Default(std::int64_t{dmManual});
  r.Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
  r.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(false);
  r.Color("Color", &C::Color, &C::SetColor)
      .Default(std::int64_t{clWindow})
      .StoredWhen([](const TPersistent& o) { return !static_cast<const C&>(o).ParentColor(); });
  r.Bool("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true);
  r.Font("Font", [](C& c) -> TFont& { return c.Font(); }).StoredWhen([](const TPersistent& o) {
    return !static_cast<const C&>(o).ParentFont();
  });
  r.String("Hint", &C::Hint, &C::SetHint);
  r.Bool("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true);
  r.Bool("ShowHint", &C::ShowHint, &C::SetShowHint).StoredWhen([](const TPersistent& o) {
    return !static_cast<const C&>(o).ParentShowHint();
  });
  r.Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu);
  r.Bool("Visible", &C::Visible, &C::SetVisible).Default(true);
  r.Event("OnClick", &C::OnClick);
  r.Event("OnContextPopup", &C::OnContextPopup);
  r.Event("OnDblClick", &C::OnDblClick);
  r.Event("OnDragDrop", &C::OnDragDrop);
  r.Event("OnDragOver", &C::OnDragOver);
  r.Event("OnEndDrag", &C::OnEndDrag);
  r.Event("OnMouseDown", &C::OnMouseDown);
  r.Event("OnMouseEnter", &C::OnMouseEnter);
  r.Event("OnMouseLeave", &C::OnMouseLeave);
  r.Event("OnMouseMove", &C::OnMouseMove);
  r.Event("OnMouseUp", &C::OnMouseUp);
  r.Event("OnMouseWheel", &C::OnMouseWheel);
  r.Event("OnResize", &C::OnResize);
  r.Event("OnStartDrag", &C::OnStartDrag);
}

void PublishWinControl(TPropertyRegistrar<TWinControl>& r) {
  using C = TWinControl;
  r.Int("TabOrder", &C::TabOrder, &C::SetTabOrder).Default(std::int64_t{-1});
  r.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(false);
  r.Event("OnEnter", &C::OnEnter);
  r.Event("OnExit", &C::OnExit);
  r.Event("OnKeyDown", &C::OnKeyDown);
  r.Event("OnKeyPress", &C::OnKeyPress);
  r.Event("OnKeyUp", &C::OnKeyUp);
}

void PublishForm(TPropertyRegistrar<TForm>& r) {
  using C = TForm;
  // A form keeps its client size; the outer size follows from the frame.
  r.Int("Width", &C::Width, &C::SetWidth).NoStore();
  r.Int("Height", &C::Height, &C::SetHeight).NoStore();
  r.String("Caption", &C::Caption, &C::SetCaption);
  r.Int("ClientHeight", &C::ClientHeight, &C::SetClientHeight);
  r.Int("ClientWidth", &C::ClientWidth, &C::SetClientWidth);
  r.Color("Color", &C::Color, &C::SetColor)
      .Default(std::int64_t{clBtnFace})
      .StoredWhen([](const TPersistent& o) { return !static_cast<const C&>(o).ParentColor(); });
  r.Int("PixelsPerInch", &C::PixelsPerInch, &C::SetPixelsPerInch);
  r.Enum("Position", PositionInfo, &C::Position, &C::SetPosition).Default(std::int64_t{poDesigned});
  r.Bool("Scaled", &C::Scaled, &C::SetScaled).Default(true);
  r.Int("TextHeight", &C::TextHeight, &C::SetTextHeight);
  r.Bool("Visible", &C::Visible, &C::SetVisible).Default(false);
  r.Event("OnClose", &C::OnClose);
  r.Event("OnCloseQuery", &C::OnCloseQuery);
  r.Event("OnCreate", &C::OnCreate);
  r.Event("OnDestroy", &C::OnDestroy);
  r.Event("OnHide", &C::OnHide);
  r.Event("OnShow", &C::OnShow);
}

void PublishPanel(TPropertyRegistrar<TPanel>& r) {
  using C = TPanel;
  r.Enum("Alignment", AlignmentInfo, &C::Alignment, &C::SetAlignment)
      .Default(std::int64_t{taCenter});
  r.Enum("BevelInner", BevelCutInfo, &C::BevelInner, &C::SetBevelInner)
      .Default(std::int64_t{bvNone});
  r.Enum("BevelOuter", BevelCutInfo, &C::BevelOuter, &C::SetBevelOuter)
      .Default(std::int64_t{bvRaised});
  r.Int("BevelWidth", &C::BevelWidth, &C::SetBevelWidth).Default(std::int64_t{1});
  r.Int("BorderWidth", &C::BorderWidth, &C::SetBorderWidth).Default(std::int64_t{0});
  r.String("Caption", &C::Caption, &C::SetCaption);
  r.Color("Color", &C::Color, &C::SetColor)
      .Default(std::int64_t{clBtnFace})
      .StoredWhen([](const TPersistent& o) { return !static_cast<const C&>(o).ParentColor(); });
}

void PublishScrollBar(TPropertyRegistrar<TScrollBar>& r) {
  using C = TScrollBar;
  r.Enum("Kind", ScrollBarKindInfo, &C::Kind, &C::SetKind).Default(std::int64_t{sbHorizontal});
  r.Int("LargeChange", &C::LargeChange, &C::SetLargeChange).Default(std::int64_t{1});
  r.Int("Max", &C::Max, &C::SetMax).Default(std::int64_t{100});
  r.Int("Min", &C::Min, &C::SetMin).Default(std::int64_t{0});
  r.Int("PageSize", &C::PageSize, &C::SetPageSize).Default(std::int64_t{0});
  r.Int("Position", &C::Position, &C::SetPosition).Default(std::int64_t{0});
  r.Int("SmallChange", &C::SmallChange, &C::SetSmallChange).Default(std::int64_t{1});
  r.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
  r.Event("OnChange", &C::OnChange);
  r.Event("OnScroll", &C::OnScroll);
}

void PublishBitBtn(TPropertyRegistrar<TBitBtn>& r) {
  using C = TBitBtn;
  r.Bool("Cancel", &C::Cancel, &C::SetCancel).Default(false);
  r.String("Caption", &C::Caption, &C::SetCaption);
  r.Bool("Default", &C::Default, &C::SetDefault).Default(false);
  r.Bitmap("Glyph", [](C& c) -> TBitmap& { return c.Glyph(); });
  r.Enum("Layout", ButtonLayoutInfo, &C::Layout, &C::SetLayout).Default(std::int64_t{blGlyphLeft});
  r.Int("Margin", &C::Margin, &C::SetMargin).Default(std::int64_t{-1});
  r.Int("ModalResult", &C::ModalResult, &C::SetModalResult).Default(std::int64_t{0});
  r.Int("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs).Default(std::int64_t{1});
  r.Int("Spacing", &C::Spacing, &C::SetSpacing).Default(std::int64_t{4});
  r.Bool("TabStop", &C::TabStop, &C::SetTabStop).Default(true);
}

}  // namespace

void RegisterPlatformClasses(TClassRegistry& registry) {
  registry.Register<TFont, void>("TFont", PublishFont);
  registry.Register<TPen, void>("TPen", PublishPenModes);
  registry.Register<TBrush, void>("TBrush", PublishBrush);
  registry.Register<TSizeConstraints, void>("TSizeConstraints", PublishConstraints);
  registry.Register<TComponent, void>("TComponent");
  registry.Register<TPopupMenu, TComponent>("TPopupMenu", PublishPopupMenu);
  registry.Register<TControl, TComponent>("TControl", PublishControl);
  registry.Register<TWinControl, TControl>("TWinControl", PublishWinControl);
  registry.Register<TGraphicControl, TControl>("TGraphicControl");
  registry.Register<TCustomControl, TWinControl>("TCustomControl");
  registry.Register<TForm, TCustomControl>("TForm", PublishForm);
  registry.Register<TPanel, TCustomControl>("TPanel", PublishPanel);
  registry.Register<TScrollBar, TWinControl>("TScrollBar", PublishScrollBar);
  registry.Register<TBitBtn, TWinControl>("TBitBtn", PublishBitBtn);
}

}  // namespace zarn
