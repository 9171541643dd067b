#pragma once
// The item renderer: one chart item onto the plotting-area surface, through
// the attribute cache and the poly-line buffer.

#include <cstdint>

#include "chart/picture/render_state.h"

namespace zarn::vorel_detail {

class TItemPainter {
 public:
  TItemPainter(TItemTarget& target, const TvoChartItem& item);

  void Draw(int index, bool isAnnotation, const TVoItemTexts& texts);

 private:
  // Points: false when the coordinate mode gives no point for this kind.
  TPoint World(double x, double y, std::int64_t dx = 0, std::int64_t dy = 0) const;
  TPoint Pixel(double x, double y) const;
  bool OnePoint(TPoint& p) const;
  bool TwoPoints(TPoint& a, TPoint& b) const;

  // The surface's attributes, set only when the cache says they differ.
  void PenColor(TColor c);
  void PenStyle(TPenStyle s);
  void BrushColor(TColor c);
  void BrushClear();
  void Standard();        // flush, then pen colour, pen style and brush colour of the item
  void OutlineOrFill();   // as Standard, with a clear brush when the first flag is set
  void LineAttributes();  // Standard, when the line would need other attributes
  void MovePen(TPoint p);
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
  void ErrorBars();              // 18
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
