#pragma once
// Locale-independent number-to-text conversions and a small printf-like
// formatter. Every routine writes "." as the decimal point and never throws on
// odd input: NaN and infinities come out as "NAN", "INF" and "-INF", and
// widths and precisions are capped so that no request can blow up memory.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace zarn {

// Largest width and precision honoured; larger requests are cut to it.
inline constexpr int kMaxFormatWidth = 1024;
inline constexpr int kMaxFormatPrecision = 1024;

// x with exactly `decimals` decimals (0 writes no point), a leading "-" for
// negative values (not for -0), no thousands separators, padded on the left
// with blanks to at least `width` characters.
std::string FormatFloatFixed(long double x, int width, int decimals);

// x in scientific notation: one digit, then "." and digits - 1 more digits
// (no point when digits is 1), "E", the exponent's sign and at least
// expDigits exponent digits. 1234.5 with (3, 3) gives "1.23E+003".
std::string FormatFloatExponent(long double x, int digits, int expDigits);

// x with `precision` significant digits: fixed notation when at most
// `precision` digits stand before the point and the rounded magnitude is at
// least 0.00001, scientific otherwise; trailing zeros and a trailing point
// are removed in both forms. The exponent is written as in FormatFloatExponent.
std::string FormatFloatGeneral(long double x, int precision, int expDigits);

// One argument of Format: an integer, a floating-point number or a text.
// Unsigned values above the signed 64-bit range keep their bit pattern.
class TFormatArg {
 public:
  enum TKind : std::uint8_t { fakInt, fakFloat, fakString };

  template <class T>
  requires(std::is_integral_v<T> && !std::is_same_v<T, bool>) TFormatArg(T v)
      : kind_(fakInt), int_(static_cast<std::int64_t>(v)) {}
  template <class T>
  requires std::is_floating_point_v<T> TFormatArg(T v) : kind_(fakFloat), float_(v) {}
  TFormatArg(const char* s) : kind_(fakString), text_(s != nullptr ? s : "") {}
  TFormatArg(std::string_view s) : kind_(fakString), text_(s) {}
  TFormatArg(const std::string& s) : kind_(fakString), text_(s) {}

  TKind Kind() const { return kind_; }
  std::int64_t AsInt() const { return int_; }
  long double AsFloat() const { return float_; }
  std::string_view AsString() const { return text_; }

 private:
  TKind kind_;
  std::int64_t int_ = 0;
  long double float_ = 0;
  std::string_view text_;
};

// printf-like formatting. A conversion is "%" [-] [width] [.precision] type,
// where width and precision are digits or "*" (taken from the next integer
// argument; a negative width left-justifies, a negative precision counts as
// none). Types, in either case:
//   d  decimal, at least `precision` digits, zero-filled after the sign
//   x  upper-case hexadecimal of the 64-bit two's complement, zero-filled
//   f  FormatFloatFixed with `precision` decimals (default 2)
//   e  FormatFloatExponent with `precision` digits (at least 2, default 15), exponent of 3 digits
//   g  FormatFloatGeneral with `precision` digits (at least 2, default 15), exponent of 3 digits
//   s  the text, cut to `precision` characters when one is given
// "%%" writes "%". Width pads with blanks, on the left unless "-" is given.
// An integer is accepted where a float is expected. A conversion that is
// malformed, lacks its argument or gets one of the wrong kind is copied into
// the result as written (for example "%*.*d"), so the mistake shows.
// Arguments left over are ignored.
std::string Format(std::string_view pattern, std::span<const TFormatArg> args);
inline std::string Format(std::string_view pattern, std::initializer_list<TFormatArg> args) {
  return Format(pattern, std::span<const TFormatArg>(args.begin(), args.size()));
}

}  // namespace zarn
