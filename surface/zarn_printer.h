#pragma once
// The program's printer: a page image (A4 at 300 pixels per inch) that
// BeginDoc clears and EndDoc saves as a PNG file. Drawings that have printer
// forms ask IsPrinterCanvas, which costs nothing: the 34 MB page is allocated
// only when a document begins or someone takes the canvas to draw on it.

#include <string>

#include "surface/zarn_bitmap.h"

namespace zarn {

class TPrinter {
 public:
  static constexpr int kPixelsPerInch = 300;
  static constexpr int kPageWidth = 2480;   // 210 mm
  static constexpr int kPageHeight = 3508;  // 297 mm

  TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // The page's canvas, with the page allocated for drawing.
  TCanvas& Canvas();
  bool IsPrinterCanvas(const TCanvas& canvas) { return &canvas == &page_.Canvas(); }
  HDC Handle() { return page_.Canvas().Handle(); }
  int PageWidth() const { return kPageWidth; }
  int PageHeight() const { return kPageHeight; }
  bool PageAllocated() const { return !page_.Empty(); }
  bool Printing() const { return printing_; }

  void BeginDoc();                          // clears the page to white
  bool EndDoc(const std::string& pngPath);  // saves the page; false when it cannot be written

 private:
  void AllocatePage();
  TBitmap page_;
  bool printing_ = false;
};

TPrinter& Printer();

// A font on the printer page is sized at the page's resolution, elsewhere at
// the screen's.
inline void SizeFontsForDevice(TCanvas& canvas) {
  if (Printer().IsPrinterCanvas(canvas))
    canvas.Font().SetPixelsPerInch(GetDeviceCaps(canvas.Handle(), LOGPIXELSY));
}

}  // namespace zarn
