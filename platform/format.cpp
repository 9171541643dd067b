#include "platform/zarn_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace zarn {

namespace {

// Room for every integer digit of the largest long double and its sign.
constexpr std::size_t kIntegerRoom = std::numeric_limits<long double>::max_exponent10 + 8;
constexpr int kMaxExponentDigits = 8;

int Clamp(int v, int lo, int hi) {
  return std::min(std::max(v, lo), hi);
}

std::string PadLeft(std::string text, int width) {
  width = Clamp(width, 0, kMaxFormatWidth);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// Text of a value that has no digits; empty when x is finite.
std::string NonFiniteText(long double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  return {};
}

// x rounded to `count` significant digits: the digits (without point) and the
// decimal exponent of the first one. x must be finite and not zero.
struct TDecimalDigits {
  std::string digits;
  int exponent = 0;
};

TDecimalDigits SignificantDigits(long double x, int count) {
  std::string buf(static_cast<std::size_t>(count) + 32, '\0');
  const long double a = std::fabs(x);
  // The double conversion is many times faster than the extended one; for a
  // value that is a double both write the same digits.
  const double asDouble = static_cast<double>(a);
  const auto res = asDouble == a ? std::to_chars(buf.data(), buf.data() + buf.size(), asDouble,
                                                 std::chars_format::scientific, count - 1)
                                 : std::to_chars(buf.data(), buf.data() + buf.size(), a,
                                                 std::chars_format::scientific, count - 1);
  TDecimalDigits out;
  const char* p = buf.data();
  for (; p != res.ptr && *p != 'e'; ++p) {
    if (*p != '.') out.digits.push_back(*p);
  }
  if (p != res.ptr) ++p;  // 'e'
  std::from_chars(*p == '+' ? p + 1 : p, res.ptr, out.exponent);
  return out;
}

std::string ExponentText(int exponent, int expDigits) {
  std::string digits = std::to_string(exponent < 0 ? -exponent : exponent);
  expDigits = Clamp(expDigits, 1, kMaxExponentDigits);
  if (static_cast<int>(digits.size()) < expDigits) digits.insert(0, expDigits - digits.size(), '0');
  return std::string("E") + (exponent < 0 ? '-' : '+') + digits;
}

void TrimTrailingZeros(std::string& mantissa) {
  if (mantissa.find('.') == std::string::npos) return;
  while (mantissa.back() == '0')
    mantissa.pop_back();
  if (mantissa.back() == '.') mantissa.pop_back();
}

std::string ScientificText(const TDecimalDigits& d, bool trim, int expDigits) {
  std::string text(1, d.digits[0]);
  if (d.digits.size() > 1) {
    text += '.';
    text.append(d.digits, 1);
  }
  if (trim) TrimTrailingZeros(text);
  return text + ExponentText(d.exponent, expDigits);
}

std::string IntegerText(std::int64_t v, int precision, bool hex) {
  // Work on the magnitude as unsigned so that INT64_MIN has one.
  const bool neg = !hex && v < 0;
  const std::uint64_t mag =
      hex ? static_cast<std::uint64_t>(v)
          : (neg ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v));
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, mag, hex ? 16 : 10);
  std::string digits(buf, res.ptr);
  if (hex)
    std::transform(digits.begin(), digits.end(), digits.begin(), [](char c) {
      return (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
    });
  precision = Clamp(precision, 0, kMaxFormatPrecision);
  if (static_cast<int>(digits.size()) < precision) digits.insert(0, precision - digits.size(), '0');
  return neg ? "-" + digits : digits;
}

}  // namespace

std::string FormatFloatFixed(long double x, int width, int decimals) {
  if (std::string special = NonFiniteText(x); !special.empty()) return PadLeft(special, width);
  decimals = Clamp(decimals, 0, kMaxFormatPrecision);
  std::string text;
  // Tick labels and read-outs write short numbers: a small buffer first, and
  // the faster double conversion whenever the value is a double.
  char small[64];
  const double asDouble = static_cast<double>(x);
  const auto res =
      asDouble == x
          ? std::to_chars(small, small + sizeof small, asDouble, std::chars_format::fixed, decimals)
          : std::to_chars(small, small + sizeof small, x, std::chars_format::fixed, decimals);
  if (res.ec == std::errc{}) {
    text.assign(small, res.ptr);
  } else {
    text.assign(kIntegerRoom + static_cast<std::size_t>(decimals), '\0');
    const auto big = std::to_chars(text.data(), text.data() + text.size(), x,
                                   std::chars_format::fixed, decimals);
    text.resize(static_cast<std::size_t>(big.ptr - text.data()));
  }
  // Negative zero is not a negative value.
  if (!(x < 0) && !text.empty() && text[0] == '-') text.erase(0, 1);
  return PadLeft(std::move(text), width);
}

std::string FormatFloatExponent(long double x, int digits, int expDigits) {
  if (std::string special = NonFiniteText(x); !special.empty()) return special;
  digits = Clamp(digits, 1, kMaxFormatPrecision);
  TDecimalDigits d;
  if (x == 0) {
    d.digits.assign(static_cast<std::size_t>(digits), '0');
  } else {
    d = SignificantDigits(x, digits);
  }
  std::string text = ScientificText(d, false, expDigits);
  return x < 0 ? "-" + text : text;
}

std::string FormatFloatGeneral(long double x, int precision, int expDigits) {
  if (std::string special = NonFiniteText(x); !special.empty()) return special;
  if (x == 0) return "0";
  precision = Clamp(precision, 1, kMaxFormatPrecision);
  const TDecimalDigits d = SignificantDigits(x, precision);
  std::string text;
  if (d.exponent >= -5 && d.exponent + 1 <= precision) {
    if (d.exponent >= 0) {
      text.assign(d.digits, 0, static_cast<std::size_t>(d.exponent) + 1);
      text += '.';
      text.append(d.digits, static_cast<std::size_t>(d.exponent) + 1);
    } else {
      text = "0.";
      text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
      text += d.digits;
    }
    TrimTrailingZeros(text);
  } else {
    text = ScientificText(d, true, expDigits);
  }
  return x < 0 ? "-" + text : text;
}

std::string Format(std::string_view pattern, std::span<const TFormatArg> args) {
  std::string out;
  std::size_t next = 0;  // index of the next unused argument
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    const std::size_t start = i++;
    bool bad = false;
    bool left = false;
    if (i < pattern.size() && pattern[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    if (i < pattern.size() && pattern[i] == '-') {
      left = true;
      ++i;
    }
    // Reads digits or "*"; nullopt when neither is there or "*" has no integer.
    auto readNumber = [&]() -> std::optional<int> {
      if (i < pattern.size() && pattern[i] == '*') {
        ++i;
        const bool ok = next < args.size() && args[next].Kind() == TFormatArg::fakInt;
        const std::int64_t v = ok ? args[next].AsInt() : 0;
        ++next;
        if (!ok) {
          bad = true;
          return std::nullopt;
        }
        return static_cast<int>(std::clamp<std::int64_t>(v, -kMaxFormatWidth, kMaxFormatWidth));
      }
      if (i >= pattern.size() || pattern[i] < '0' || pattern[i] > '9') return std::nullopt;
      int v = 0;
      while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') {
        v = std::min(v * 10 + (pattern[i] - '0'), kMaxFormatWidth);
        ++i;
      }
      return v;
    };
    int width = readNumber().value_or(0);
    if (width < 0) {  // a negative width from "*" left-justifies
      left = true;
      width = -width;
    }
    int precision = -1;  // none
    if (i < pattern.size() && pattern[i] == '.') {
      ++i;
      precision = std::min(readNumber().value_or(0), kMaxFormatPrecision);
      if (precision < 0) precision = -1;
    }
    const char type = i < pattern.size() ? pattern[i] : '\0';
    if (type != '\0') ++i;
    const TFormatArg* arg = next < args.size() ? &args[next] : nullptr;
    ++next;
    std::string text;
    switch (type) {
      case 'd':
      case 'D':
      case 'x':
      case 'X':
        if (arg == nullptr || arg->Kind() != TFormatArg::fakInt) {
          bad = true;
        } else {
          text = IntegerText(arg->AsInt(), precision, type == 'x' || type == 'X');
        }
        break;
      case 'e':
      case 'E':
      case 'f':
      case 'F':
      case 'g':
      case 'G': {
        if (arg == nullptr || arg->Kind() == TFormatArg::fakString) {
          bad = true;
          break;
        }
        const long double v = arg->Kind() == TFormatArg::fakInt
                                  ? static_cast<long double>(arg->AsInt())
                                  : arg->AsFloat();
        if (type == 'f' || type == 'F') {
          text = FormatFloatFixed(v, 0, precision < 0 ? 2 : precision);
        } else {
          const int digits = std::max(precision < 0 ? 15 : precision, 2);
          text = (type == 'e' || type == 'E') ? FormatFloatExponent(v, digits, 3)
                                              : FormatFloatGeneral(v, digits, 3);
        }
        break;
      }
      case 's':
      case 'S':
        if (arg == nullptr || arg->Kind() != TFormatArg::fakString) {
          bad = true;
        } else {
          std::string_view s = arg->AsString();
          if (precision >= 0 && s.size() > static_cast<std::size_t>(precision))
            s = s.substr(0, precision);
          text = s;
        }
        break;
      default:
        bad = true;
        break;
    }
    if (bad) {
      out.append(pattern.substr(start, i - start));
      continue;
    }
    if (width > 0 && static_cast<int>(text.size()) < width) {
      const std::size_t pad = static_cast<std::size_t>(width) - text.size();
      if (left) {
        text.append(pad, ' ');
      } else {
        text.insert(0, pad, ' ');
      }
    }
    out += text;
  }
  return out;
}

}  // namespace zarn
