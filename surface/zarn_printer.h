#pragma once
// The program's printer: a page image (A4 at 300 pixels per inch) that
// BeginDoc clears and EndDoc saves as a PNG file. Callers compare a canvas
// with Printer().Canvas() by identity to choose printer forms of drawings.

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

  TCanvas& Canvas() { return page_.Canvas(); }
  HDC Handle() { return page_.Canvas().Handle(); }
  int PageWidth() const { return page_.Width(); }
  int PageHeight() const { return page_.Height(); }
  bool Printing() const { return printing_; }

  void BeginDoc();                          // clears the page to white
  bool EndDoc(const std::string& pngPath);  // saves the page; false when it cannot be written

 private:
  TBitmap page_;
  bool printing_ = false;
};

TPrinter& Printer();

}  // namespace zarn
