#include <algorithm>
#include <cstdint>
#include <limits>

#include "base/zarn_marks.h"

namespace zarn {

namespace {

// Frames next to the ends of the coordinate range lie far off any bitmap, so
// saturating keeps the arithmetic defined without changing a visible pixel.
int Off(int v, int d) {
  const std::int64_t r = std::int64_t{v} + d;
  return static_cast<int>(std::clamp<std::int64_t>(r, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

void DrawRectOutline(TCanvas& Surface, int X1, int Y1, int X2, int Y2) {
  if (X1 == X2 && Y1 == Y2) {
    // Every segment would be empty; the outline of a single pixel is that pixel.
    Surface.MoveTo(X1, Y1);
    Surface.LineTo(Off(X1, 1), Y1);
    Surface.MoveTo(X1, Y1);
    return;
  }
  Surface.MoveTo(X1, Y1);
  Surface.LineTo(X1, Y2);
  Surface.LineTo(X2, Y2);
  Surface.LineTo(X2, Y1);
  Surface.LineTo(X1, Y1);
}

void DrawStyledFrame(TCanvas& Surface, TFrameStyle Style, int Left, int Top, int Right, int Bottom,
                     TColor Highlight, TColor Light, TColor Shadow, TColor Dark, TColor Simple) {
  TColor a, b, c, d;
  switch (Style) {
    case fsSimple:
      Surface.Pen().SetColor(Simple);
      DrawRectOutline(Surface, Left, Top, Right, Bottom);
      return;
    case fsLowered:
      a = Shadow, b = Highlight, c = Dark, d = Light;
      break;
    case fsRaised:
      a = Highlight, b = Dark, c = Light, d = Shadow;
      break;
    case fsEmbossed:
      a = Highlight, b = Shadow, c = Shadow, d = Highlight;
      break;
    case fsEngraved:
      a = Shadow, b = Highlight, c = Highlight, d = Shadow;
      break;
    default:
      return;
  }
  TPen& pen = Surface.Pen();
  // Outer ring: top-left in a, then bottom-right in b over a's ends.
  pen.SetColor(a);
  Surface.MoveTo(Left, Bottom);
  Surface.LineTo(Left, Top);
  Surface.LineTo(Off(Right, 1), Top);
  pen.SetColor(b);
  Surface.MoveTo(Right, Off(Top, 1));
  Surface.LineTo(Right, Bottom);
  Surface.LineTo(Off(Left, -1), Bottom);
  // Inner ring, one pixel inside.
  pen.SetColor(c);
  Surface.MoveTo(Off(Left, 1), Off(Bottom, -1));
  Surface.LineTo(Off(Left, 1), Off(Top, 1));
  Surface.LineTo(Right, Off(Top, 1));
  pen.SetColor(d);
  Surface.MoveTo(Off(Right, -1), Off(Top, 2));
  Surface.LineTo(Off(Right, -1), Off(Bottom, -1));
  Surface.LineTo(Left, Off(Bottom, -1));
}

}  // namespace zarn
