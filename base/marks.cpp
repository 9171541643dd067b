#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <span>
#include <string>

#include "base/zarn_marks.h"
#include "surface/zarn_printer.h"

namespace zarn {

namespace {

// Rows top to bottom (y offset -3 .. +3); bit 6 is x offset -3, bit 0 is +3.
using TPatternRows = std::array<std::uint8_t, 7>;
constexpr std::array<TPatternRows, 19> kPatterns{{
    {},                                          // 0
    {0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00},  // 1 small plus
    {0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00},  // 2 plus
    {0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08},  // 3 large plus
    {0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00},  // 4 small diagonal cross
    {0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00},  // 5 diagonal cross
    {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41},  // 6 large diagonal cross
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55},  // 18 checkerboard
}};

// Marks near the ends of the coordinate range lie far off any bitmap, so
// saturating keeps the arithmetic defined without changing a visible pixel.
int Off(int v, int d) {
  const std::int64_t r = std::int64_t{v} + d;
  return static_cast<int>(std::clamp<std::int64_t>(r, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

struct TOffset {
  int dx;
  int dy;
};

// Draws marks relative to their centre pixel.
class TMarkPainter {
 public:
  TMarkPainter(TCanvas& surface, int x, int y) : s_(surface), x_(x), y_(y) {}

  void Line(TOffset a, TOffset b) {
    s_.MoveTo(Off(x_, a.dx), Off(y_, a.dy));
    s_.LineTo(Off(x_, b.dx), Off(y_, b.dy));
  }
  void Path(std::initializer_list<TOffset> points) {
    const TOffset* p = points.begin();
    s_.MoveTo(Off(x_, p->dx), Off(y_, p->dy));
    for (++p; p != points.end(); ++p)
      s_.LineTo(Off(x_, p->dx), Off(y_, p->dy));
  }
  void Plus(int a, int b) {
    Line({-a, 0}, {b, 0});
    Line({0, -a}, {0, b});
  }
  void Cross(int a, int b) {
    Line({-a, -a}, {b, b});
    Line({-a, a}, {b, -b});
  }
  void Square(int a) { Path({{-a, -a}, {-a, a}, {a, a}, {a, -a}, {-a, -a}}); }
  void Diamond() { Path({{-3, 0}, {0, 3}, {3, 0}, {0, -3}, {-3, 0}}); }
  void CentrePixel() { s_.SetPixel(x_, y_, s_.Pen().Color()); }
  void Pattern(int n) { DrawBitmapMark(s_, n, s_.Pen().Color(), x_, y_); }

  void Rect(int x1, int y1, int x2, int y2, bool filled) {
    Shape(filled, [&] { s_.Rectangle(Off(x_, x1), Off(y_, y1), Off(x_, x2), Off(y_, y2)); });
  }
  void Ellipse(int x1, int y1, int x2, int y2, bool filled) {
    Shape(filled, [&] { s_.Ellipse(Off(x_, x1), Off(y_, y1), Off(x_, x2), Off(y_, y2)); });
  }
  void Polygon(std::initializer_list<TOffset> corners, bool filled) {
    std::array<TPoint, 4> pts{};
    std::size_t n = 0;
    for (const TOffset& c : corners)
      if (n < pts.size()) pts[n++] = {Off(x_, c.dx), Off(y_, c.dy)};
    Shape(filled, [&] { s_.Polygon(std::span<const TPoint>(pts.data(), n)); });
  }

 private:
  // A filled shape is filled in the pen colour; an open one is drawn on a
  // clear brush that is made solid again afterwards.
  template <typename F>
  void Shape(bool filled, F draw) {
    if (filled) {
      s_.Brush().SetColor(s_.Pen().Color());
      draw();
    } else {
      s_.Brush().SetStyle(bsClear);
      draw();
      s_.Brush().SetStyle(bsSolid);
    }
  }

  TCanvas& s_;
  int x_;
  int y_;
};

void DrawShape(TCanvas& surface, int type, int x, int y) {
  TMarkPainter m(surface, x, y);
  // Only the types with a printer form look the printer up.
  const bool printer = (type >= 1 && type <= 6) || type == 18 || type == 25
                           ? Printer().IsPrinterCanvas(surface)
                           : false;
  switch (type) {
    case 0:
      m.CentrePixel();
      break;
    case 1:
      printer ? m.Plus(2, 2) : m.Pattern(1);
      break;
    case 2:
      printer ? m.Plus(3, 3) : m.Pattern(2);
      break;
    case 3:
      printer ? m.Plus(4, 4) : m.Pattern(3);
      break;
    case 4:
      printer ? m.Cross(2, 2) : m.Pattern(4);
      break;
    case 5:
      printer ? m.Cross(3, 3) : m.Pattern(5);
      break;
    case 6:
      printer ? m.Cross(4, 4) : m.Pattern(6);
      break;
    case 7:
      m.Rect(-1, -1, 2, 2, true);
      break;
    case 8:
      m.Rect(-2, -2, 3, 3, true);
      break;
    case 9:
      m.Rect(-3, -3, 4, 4, true);
      break;
    case 10:
      m.Square(1);
      break;
    case 11:
      m.Square(2);
      break;
    case 12:
      m.Square(3);
      break;
    case 13:
      m.Diamond();
      m.CentrePixel();
      break;
    case 14:
      m.Polygon({{-2, 0}, {0, 2}, {2, 0}, {0, -2}}, true);
      break;
    case 15:
      m.Polygon({{-3, 0}, {0, 3}, {3, 0}, {0, -3}}, true);
      break;
    case 16:
      m.Ellipse(-2, -2, 3, 3, false);
      break;
    case 17:
      m.Ellipse(-3, -3, 4, 4, false);
      break;
    case 18:
      if (!printer) {
        m.Pattern(18);
        break;
      }
      // How a zero-length line shows is up to the printer's pen.
      for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
          if ((dx + dy) % 2 == 0) m.Line({dx, dy}, {dx, dy});
      break;
    case 19:
      m.Diamond();
      break;
    case 20:
      m.Line({0, 0}, {-3, 3});
      m.Line({0, 0}, {3, 3});
      break;
    case 21:
      m.Line({0, 0}, {-4, 4});
      m.Line({0, 0}, {4, 4});
      break;
    case 22:
      m.Line({0, 0}, {-3, -3});
      m.Line({0, 0}, {3, -3});
      break;
    case 23:
      m.Line({0, 0}, {-4, -4});
      m.Line({0, 0}, {4, -4});
      break;
    case 24:
      m.Ellipse(-3, -3, 4, 4, true);
      break;
    case 25: {
      // The printer's lines stop one pixel short: its pens are wider.
      const int e = printer ? 3 : 4;
      m.Line({-3, -3}, {e, e});
      m.Line({-3, -2}, {e - 1, e});
      m.Line({-2, -3}, {e, e - 1});
      m.Line({-3, 3}, {e, -e});
      m.Line({-3, 2}, {e - 1, -e});
      m.Line({-2, 3}, {e, -(e - 1)});
      break;
    }
    case 26:
      m.Ellipse(-2, -2, 3, 3, true);
      break;
    case 27:
      m.Ellipse(-2, -2, 2, 2, false);
      break;
    case 28:
      m.Ellipse(-2, -2, 2, 2, true);
      break;
    case 29:
      m.Polygon({{-2, 0}, {0, 2}, {2, 0}}, true);
      break;
    case 30:
      m.Polygon({{-3, 0}, {0, 3}, {3, 0}}, true);
      break;
    case 31:
      m.Polygon({{-2, 0}, {0, 2}, {2, 0}}, false);
      break;
    case 32:
      m.Polygon({{-3, 0}, {0, 3}, {3, 0}}, false);
      break;
    case 33:
      m.Polygon({{-4, -3}, {0, 4}, {4, -3}}, false);
      break;
    case 34:
      m.Polygon({{-4, -3}, {0, 4}, {4, -3}}, true);
      break;
    case 35:
      m.Polygon({{-4, 3}, {0, -4}, {4, 3}}, false);
      break;
    case 36:
      m.Polygon({{-4, 3}, {0, -4}, {4, 3}}, true);
      break;
    case 37:
      m.Line({-3, 0}, {4, 0});
      m.Line({0, 0}, {0, -8});
      break;
    case 38:
      m.Line({-3, -2}, {4, -2});
      m.Line({-3, 2}, {4, 2});
      m.Line({0, -2}, {0, 2});
      break;
    case 39:
      m.Ellipse(-3, -3, 4, 4, false);
      m.Plus(3, 4);
      break;
    case 40:
      m.Polygon({{3, -2}, {-2, 0}, {3, 2}}, false);
      break;
    case 41:
      m.Polygon({{3, -2}, {-2, 0}, {3, 2}}, true);
      break;
    case 42:
      m.Polygon({{4, -3}, {-3, 0}, {4, 3}}, false);
      break;
    case 43:
      m.Polygon({{4, -3}, {-3, 0}, {4, 3}}, true);
      break;
    case 44:
      m.Polygon({{-3, -2}, {2, 0}, {-3, 2}}, false);
      break;
    case 45:
      m.Polygon({{-3, -2}, {2, 0}, {-3, 2}}, true);
      break;
    case 46:
      m.Polygon({{-4, -3}, {3, 0}, {-4, 3}}, false);
      break;
    case 47:
      m.Polygon({{-4, -3}, {3, 0}, {-4, 3}}, true);
      break;
    case 48:
      m.Rect(-3, -3, 4, 4, false);
      m.Plus(3, 4);
      break;
    case 49:
      m.Rect(-2, -2, 3, 3, false);
      m.Plus(4, 5);
      break;
    case 50:
      surface.Brush().SetStyle(bsSolid);
      m.Plus(4, 5);
      m.Cross(3, 4);
      break;
    case 51:
      surface.Brush().SetStyle(bsSolid);
      m.Plus(4, 5);
      m.Line({-1, -3}, {2, -3});
      m.Line({-1, 3}, {2, 3});
      m.Line({-3, -1}, {-3, 2});
      m.Line({3, -1}, {3, 2});
      break;
    default:
      break;
  }
}

// The surface takes UTF-8; a mark character is one Latin-1 code.
std::string Latin1ToUtf8(std::uint8_t code) {
  if (code < 0x80) return std::string(1, static_cast<char>(code));
  std::string s;
  s += static_cast<char>(0xC0 | (code >> 6));
  s += static_cast<char>(0x80 | (code & 0x3F));
  return s;
}

void DrawCharacter(TCanvas& surface, std::uint8_t type, int x, int y) {
  const std::uint8_t code = (type >= 200 && type <= 209) ? '0' + (type - 200) : type;
  const std::string text = Latin1ToUtf8(code);
  const int w = surface.TextWidth(text);
  const int h = surface.TextHeight(text);
  surface.Font().SetColor(surface.Pen().Color());
  surface.Brush().SetStyle(bsClear);
  surface.TextOut(Off(x, -(w / 2)), Off(y, -(h / 2)), text);
}

}  // namespace

void DrawBitmapMark(TCanvas& Surface, int Pattern, TColor Color, int X, int Y) {
  if (Pattern < 0 || Pattern >= static_cast<int>(kPatterns.size())) return;
  const TPatternRows& rows = kPatterns[static_cast<std::size_t>(Pattern)];
  for (int r = 1; r <= 7; ++r) {
    const unsigned bits = rows[static_cast<std::size_t>(r - 1)];
    for (int j = 1; j <= 7; ++j)
      if ((bits >> (j - 1)) & 1u) Surface.SetPixel(Off(X, 4 - j), Off(Y, r - 4), Color);
  }
}

void DrawMarkShape(TCanvas& Surface, std::uint8_t MarkType, int X, int Y) {
  if (MarkType > 51) {
    DrawCharacter(Surface, MarkType, X, Y);
    return;
  }
  const TColor brushColor = Surface.Brush().Color();
  DrawShape(Surface, MarkType, X, Y);
  // Setting the colour also makes a clear brush solid, as any brush colour change does.
  Surface.Brush().SetColor(brushColor);
}

}  // namespace zarn
