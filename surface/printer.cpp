#include "surface/zarn_printer.h"

#include <algorithm>

namespace zarn {

TPrinter::TPrinter() {
  TDeviceContext dc;
  dc.LogPixelsX = kPixelsPerInch;
  dc.LogPixelsY = kPixelsPerInch;
  dc.AspectX = 300;
  dc.AspectY = 300;
  dc.HorzSize = 210;
  dc.VertSize = 297;
  page_.Canvas().SetDevice(dc);
  // The page's font is designed at the page's resolution, at the usual 8 points.
  page_.Canvas().Font().SetPixelsPerInch(kPixelsPerInch);
  page_.Canvas().Font().SetSize(8);
}

TCanvas& TPrinter::Canvas() {
  AllocatePage();
  return page_.Canvas();
}

void TPrinter::AllocatePage() {
  page_.SetSize(kPageWidth, kPageHeight);  // new pixels are white
}

void TPrinter::BeginDoc() {
  TCanvas& c = page_.Canvas();
  c.ResetClipRect();
  c.SetOrigin({0, 0});
  AllocatePage();
  std::fill(page_.ScanLine(0), page_.ScanLine(0) + page_.Pixels().size(), clWhite);
  printing_ = true;
}

bool TPrinter::EndDoc(const std::string& pngPath) {
  if (!printing_) return false;
  printing_ = false;
  return page_.SaveToPngFile(pngPath);
}

TPrinter& Printer() {
  static TPrinter printer;
  return printer;
}

}  // namespace zarn
