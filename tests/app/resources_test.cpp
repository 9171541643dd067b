#include <gtest/gtest.h>

#include <algorithm>

#include "app/resources.h"
#include "platform/zarn_platform.h"

namespace zarn::kolvo {
namespace {

TEST(KolvoResources, CursorsAreRegisteredByNameWithSeeThroughCorners) {
  RegisterCursorResources();
  for (const char* name : {"CURHAND", "CURZOOMW", "CURZOOMD", "CURZOOMP"}) {
    const HCURSOR cursor = LoadCursorA(HInstance, name);
    ASSERT_NE(cursor, nullptr) << name;
    ASSERT_EQ(cursor->Pixels.size(), static_cast<std::size_t>(cursor->Width * cursor->Height));
    EXPECT_GE(cursor->Width, 16) << name;
    EXPECT_LE(cursor->Width, 32) << name;
    EXPECT_TRUE(cursor->HotSpot.X >= 0 && cursor->HotSpot.X < cursor->Width) << name;
    EXPECT_TRUE(cursor->HotSpot.Y >= 0 && cursor->HotSpot.Y < cursor->Height) << name;
    // The bottom-right corner is background; black outlines the picture.
    EXPECT_EQ(cursor->Pixels.back(), clNone) << name;
    EXPECT_NE(std::count(cursor->Pixels.begin(), cursor->Pixels.end(), clBlack), 0) << name;
    EXPECT_EQ(std::count(cursor->Pixels.begin(), cursor->Pixels.end(), clFuchsia), 0) << name;
  }
}

}  // namespace
}  // namespace zarn::kolvo
