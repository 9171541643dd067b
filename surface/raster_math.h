#pragma once
// Exact integer helpers of the rasterizer: products of two 33-bit coordinate
// differences need more than 64 bits.

#include <cstdint>

namespace zarn::raster {

__extension__ typedef __int128 i128;

// Division rounding toward minus and plus infinity; d > 0.
inline i128 FloorDiv(i128 n, i128 d) {
  i128 q = n / d;
  if (n % d != 0 && n < 0) --q;
  return q;
}
inline i128 CeilDiv(i128 n, i128 d) {
  i128 q = n / d;
  if (n % d != 0 && n > 0) ++q;
  return q;
}

}  // namespace zarn::raster
