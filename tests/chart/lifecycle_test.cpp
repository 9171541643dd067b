#include <gtest/gtest.h>

#include "chart/zarn_vorel.h"

namespace zarn {
namespace {

TEST(VorelLifecycle, CreatesAndFreesItsSubObjects) {
  TVorel chart(nullptr);
  EXPECT_EQ(chart.CrossHair(9).Layer(), chart.CrossHair(4).Layer());
  EXPECT_EQ(&chart.ScaleX(0), &chart.ScaleX(1));
  EXPECT_EQ(chart.DataCount(), 0);
}

}  // namespace
}  // namespace zarn
