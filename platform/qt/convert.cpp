#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/qt/qt_internal.h"

namespace zarn::qtimpl {

QImage SurfaceArea(const TBitmap& bitmap, const QRect& area) {
  static_assert(sizeof(TColor) == 4);
  // Qt blits its own pixel order (0xFFRRGGBB) as it is, and converts any other
  // the whole image at a time; a surface holds red in the lowest byte and a
  // system-colour flag in the top one. So only the area shown is converted,
  // into one buffer that grows as needed and that Qt only reads.
  static std::vector<std::uint32_t> scratch;
  const auto w = static_cast<std::size_t>(area.width());
  const std::size_t h = static_cast<std::size_t>(area.height());
  if (scratch.size() < w * h) scratch.resize(w * h);
  std::uint32_t* to = scratch.data();
  for (std::size_t y = 0; y < h; ++y, to += w) {
    const TColor* from = bitmap.ScanLine(area.y() + static_cast<int>(y)) + area.x();
    for (std::size_t x = 0; x < w; ++x) {
      const std::uint32_t c = from[x];
      to[x] = 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
  }
  return QImage(reinterpret_cast<const uchar*>(scratch.data()), area.width(), area.height(),
                area.width() * 4, QImage::Format_RGB32);
}

int DeviceScaleFor(qreal devicePixelRatio) {
  return std::clamp(static_cast<int>(std::lround(devicePixelRatio)), 1, kMaxCanvasScale);
}

int DeviceScaleOf(const QWidget& widget) {
  return DeviceScaleFor(widget.devicePixelRatioF());
}

QImage GlyphImage(const TBitmap& glyph, int index, int count) {
  if (glyph.Empty() || count < 1 || index < 0 || index >= count) return {};
  const int w = glyph.Width() / count;
  if (w <= 0) return {};
  const TColor transparent = ColorToRGB(glyph.TransparentColor());
  QImage image(w, glyph.Height(), QImage::Format_ARGB32);
  for (int y = 0; y < glyph.Height(); ++y) {
    const TColor* src = glyph.ScanLine(y) + index * w;
    auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const TColor c = src[x] & 0xFFFFFF;
      dst[x] =
          c == transparent ? qRgba(0, 0, 0, 0) : qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
    }
  }
  return image;
}

QColor ToQColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQColor(const QColor& color) {
  return RGB(color.red(), color.green(), color.blue());
}

QFont ToQFont(const TFont& font) {
  QFont f(QString::fromStdString(font.Name()));
  // Negative heights are character heights, positive ones cell heights; Qt's
  // pixel size is the character height, so cells lose their internal leading.
  // Like the surface's own text, no larger than glyphs anyone could render.
  constexpr std::int64_t kMaxPixelSize = 1024;
  const std::int64_t h = font.Height();
  if (h != 0)
    f.setPixelSize(
        static_cast<int>(std::clamp<std::int64_t>(h < 0 ? -h : h * 4 / 5, 1, kMaxPixelSize)));
  const TFontStyles s = font.Style();
  f.setBold(s.Contains(fsBold));
  f.setItalic(s.Contains(fsItalic));
  f.setUnderline(s.Contains(fsUnderline));
  f.setStrikeOut(s.Contains(fsStrikeOut));
  if (font.Pitch() == fpFixed) f.setStyleHint(QFont::Monospace);
  return f;
}

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState s;
  if (modifiers & Qt::ShiftModifier) s.Include(ssShift);
  if (modifiers & Qt::AltModifier) s.Include(ssAlt);
  if (modifiers & Qt::ControlModifier) s.Include(ssCtrl);
  if (buttons & Qt::LeftButton) s.Include(ssLeft);
  if (buttons & Qt::RightButton) s.Include(ssRight);
  if (buttons & Qt::MiddleButton) s.Include(ssMiddle);
  return s;
}

bool ButtonOf(Qt::MouseButton button, TMouseButton& result) {
  switch (button) {
    case Qt::LeftButton:
      result = mbLeft;
      return true;
    case Qt::RightButton:
      result = mbRight;
      return true;
    case Qt::MiddleButton:
      result = mbMiddle;
      return true;
    default:
      return false;
  }
}

TWord VirtualKeyOf(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<TWord>(0x30 + qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<TWord>(0x41 + qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
    return static_cast<TWord>(0x70 + qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Insert:
      return 0x2D;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_Shift:
      return 0x10;
    case Qt::Key_Control:
      return 0x11;
    case Qt::Key_Alt:
      return 0x12;
    case Qt::Key_Pause:
      return 0x13;
    case Qt::Key_CapsLock:
      return 0x14;
    case Qt::Key_Plus:
      return 0xBB;
    case Qt::Key_Comma:
      return 0xBC;
    case Qt::Key_Minus:
      return 0xBD;
    case Qt::Key_Period:
      return 0xBE;
    default:
      return 0;
  }
}

Qt::CursorShape ShapeOf(TCursor cursor) {
  switch (cursor) {
    case crNone:
      return Qt::BlankCursor;
    case crCross:
      return Qt::CrossCursor;
    case crIBeam:
      return Qt::IBeamCursor;
    case crSizeNESW:
      return Qt::SizeBDiagCursor;
    case crSizeNS:
      return Qt::SizeVerCursor;
    case crSizeNWSE:
      return Qt::SizeFDiagCursor;
    case crSizeWE:
      return Qt::SizeHorCursor;
    case crUpArrow:
      return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
      return Qt::WaitCursor;
    case crDrag:
      return Qt::DragMoveCursor;
    case crMultiDrag:
      return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo:
      return Qt::ForbiddenCursor;
    case crHSplit:
      return Qt::SplitHCursor;
    case crVSplit:
      return Qt::SplitVCursor;
    case crAppStart:
      return Qt::BusyCursor;
    case crHelp:
      return Qt::WhatsThisCursor;
    case crHandPoint:
      return Qt::PointingHandCursor;
    case crSizeAll:
      return Qt::SizeAllCursor;
    default:
      return Qt::ArrowCursor;
  }
}

QCursor CursorFromImage(const TCursorImage& image, int scale) {
  if (image.Width <= 0 || image.Height <= 0 ||
      image.Pixels.size() < static_cast<std::size_t>(image.Width) * image.Height)
    return QCursor(Qt::ArrowCursor);
  QImage picture(image.Width, image.Height, QImage::Format_ARGB32);
  for (int y = 0; y < image.Height; ++y) {
    auto* dst = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < image.Width; ++x) {
      const TColor c = image.Pixels[static_cast<std::size_t>(y) * image.Width + x];
      if (c == clNone) {
        dst[x] = qRgba(0, 0, 0, 0);
      } else {
        const TColor rgb = ColorToRGB(c);
        dst[x] = qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
      }
    }
  }
  picture = picture.scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  picture.setDevicePixelRatio(scale);
  return QCursor(QPixmap::fromImage(picture), image.HotSpot.X, image.HotSpot.Y);
}

}  // namespace zarn::qtimpl
