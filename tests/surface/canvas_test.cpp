#include <gtest/gtest.h>

#include "surface/zarn_surface.h"

namespace zarn {
namespace {

TEST(Canvas, Smoke) {
  TBitmap b(10, 10);
  b.Canvas().MoveTo(0, 0);
  b.Canvas().LineTo(5, 0);
  EXPECT_EQ(b.Canvas().Pixel(4, 0), clBlack);
  EXPECT_EQ(b.Canvas().Pixel(5, 0), clWhite);
}

}  // namespace
}  // namespace zarn
