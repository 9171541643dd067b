#pragma once
// The item renderer: one chart item onto the plotting-area surface, through
// the attribute cache and the poly-line buffer.

#include <cstdint>

#include "chart/picture/axis_map.h"
#include "chart/picture/render_state.h"
#include "chart/zarn_vorel_series.h"

namespace zarn::vorel_detail {

class TItemPainter {
 public:
  TItemPainter(TItemTarget& target, const TvoChartItem& item);

  void Draw(int index, bool isAnnotation, const TVoItemTexts& texts);
  // A series drawn as its points would be as a move item followed by line
  // items, each non-finite point starting the line anew; then its marks, as
  // mark items of the item's ParamB at each point (series_drawing.cpp).
  void SeriesLine(const TSeriesPoints& points);
  void SeriesMarks(const TSeriesPoints& points);

 private:
  class TSeriesPen;
  // The pen width of the item, when the surface's differs (not for texts).
  void ApplyWidth();
  TPoint SeriesPoint(const TAxisMap& x, const TAxisMap& y, double wx, double wy) const;
  TAxisMap XMap(int scale) const;
  int Column(const TAxisMap& x, double wx) const;
  std::size_t ColumnEnd(const TAxisMap& x, std::span<const double> xs, std::size_t i,
                        std::size_t end, int column) const;
  TAxisMap YMap(int scale) const;
  // The index range of a series whose other points cannot show (sorted x).
  void VisibleRange(const TSeriesPoints& points, bool lineToo, std::size_t& first,
                    std::size_t& last) const;

  // Points: false when the coordinate mode gives no point for this kind. In
  // canvas pixels, or at a scale in the device's (line items: the target's Fine).
  TPoint World(double x, double y, std::int64_t dx = 0, std::int64_t dy = 0, int scale = 1) const;
  TPoint Pixel(double x, double y, int scale = 1) const;
  bool OnePoint(TPoint& p, int scale = 1) const;
  bool TwoPoints(TPoint& a, TPoint& b) const;

  // The surface's attributes, set only when the cache says they differ.
  void PenColor(TColor c);
  void PenStyle(TPenStyle s);
  void BrushColor(TColor c);
  void BrushClear();
  void Standard();         // flush, then pen colour, pen style and brush colour of the item
  void OutlineOrFill();    // as Standard, with a clear brush when the first flag is set
  void LineAttributes();   // Standard, when the line would need other attributes
  void MovePen(TPoint p);  // in the device's pixels, as AddPoint
  TPoint RelativeTarget() const;
  void Line(TPoint a, TPoint b);
  void AddPoint(TPoint p);

  void LineTo();                 // 3
  void MoveTo();                 // 8
  void RelativeMove();           // 12
  void RelativeLine();           // 13
  void TwoPointLine();           // 2
  void ShiftedLine();            // 19
  void LineFromPoint();          // 21
  void FullLine(bool vertical);  // 22, 23
  void Mark();                   // 1
  bool InRanges(double x, double y) const;
  void PlaceMark(TPoint p);
  void ErrorBars();  // 18
  void MarkShape(TPoint p);
  bool DuplicateMark(TPoint p, int type);

  enum class TShape { Rectangle, Ellipse };
  void Box(TPoint a, TPoint b, TShape shape);  // 4, 9, 17
  void Panel();                                // 5
  void Bar();                                  // 6
  void Arrow();                                // 14, 15
  void ArrowHead(TPoint tip, double phi, int length, int sign);
  void ArcItem();                                                      // 20
  void Cross();                                                        // 24
  void Text(int index, bool isAnnotation, const TVoItemTexts& texts);  // 7, 16
  bool TextAnchor(TPoint& p) const;
  void PrinterMarkFont();

  TItemTarget& t_;
  TCanvas& c_;
  TAttrCache& k_;
  const TvoChartItem& it_;
  int layer_;
  TColor pc_;
  TColor fc_;
};

}  // namespace zarn::vorel_detail
