#pragma once
// What the canvas's source files share: turning canvas state into the
// rasterizer's terms.

#include <algorithm>
#include <cstdint>

#include "surface/raster.h"
#include "surface/zarn_bitmap.h"
#include "surface/zarn_canvas.h"

namespace zarn::detail {

using raster::i64;

// The bitmap in pixels of the given scale; clip in those pixels.
inline raster::TTarget MakeTarget(TBitmap& bitmap, bool clipSet, const TRect& clip, int scale = 1) {
  raster::TTarget t;
  t.Scale = scale;
  t.Stride = bitmap.Width();
  t.Width = bitmap.Width() / scale;
  t.Height = bitmap.Height() / scale;
  t.Pixels = t.Width == 0 || t.Height == 0 ? nullptr : bitmap.ScanLine(0);
  t.ClipLeft = 0;
  t.ClipTop = 0;
  t.ClipRight = t.Width;
  t.ClipBottom = t.Height;
  if (clipSet) {
    t.ClipLeft = std::max<i64>(t.ClipLeft, clip.Left);
    t.ClipTop = std::max<i64>(t.ClipTop, clip.Top);
    t.ClipRight = std::min<i64>(t.ClipRight, clip.Right);
    t.ClipBottom = std::min<i64>(t.ClipBottom, clip.Bottom);
  }
  if (t.Pixels == nullptr) t.ClipRight = t.ClipLeft;
  return t;
}

inline raster::TTarget Intersect(raster::TTarget t, i64 left, i64 top, i64 right, i64 bottom) {
  t.ClipLeft = std::max(t.ClipLeft, left);
  t.ClipTop = std::max(t.ClipTop, top);
  t.ClipRight = std::min(t.ClipRight, right);
  t.ClipBottom = std::min(t.ClipBottom, bottom);
  return t;
}

inline int ClampToInt(i64 v) {
  return static_cast<int>(std::clamp<i64>(v, INT32_MIN, INT32_MAX));
}

}  // namespace zarn::detail
