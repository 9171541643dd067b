#pragma once
// Small value types shared by every layer: points, rectangles and sets of
// enumeration values.

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace zarn {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left/Top are inside, Right/Bottom are the first pixels outside.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline constexpr TPoint Point(int x, int y) {
  return {x, y};
}
inline constexpr TRect Rect(int left, int top, int right, int bottom) {
  return {left, top, right, bottom};
}

// A set of values of a plain enumeration with at most 64 members.
template <typename E>
class TSet {
  static_assert(std::is_enum_v<E>);

 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> values) {
    for (E v : values)
      Include(v);
  }
  constexpr bool Contains(E v) const { return (bits_ >> Bit(v)) & 1u; }
  constexpr TSet& Include(E v) {
    bits_ |= std::uint64_t{1} << Bit(v);
    return *this;
  }
  constexpr TSet& Exclude(E v) {
    bits_ &= ~(std::uint64_t{1} << Bit(v));
    return *this;
  }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr std::uint64_t Bits() const { return bits_; }
  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }
  friend constexpr bool operator==(TSet, TSet) = default;
  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
  friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }

 private:
  static constexpr unsigned Bit(E v) { return static_cast<unsigned>(v) & 63u; }
  std::uint64_t bits_ = 0;
};

}  // namespace zarn
