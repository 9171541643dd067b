#include <algorithm>
#include <cmath>

#include "platform/zarn_datetime.h"
#include "platform/zarn_format.h"
#include "readout/zarn_nimbic.h"

namespace zarn {

namespace {

// The unsigned 32-bit range, widened to the signed 32-bit values below it:
// the range of the hexadecimal, binary and octal forms.
bool InWordRange(double v) {
  return v >= -2147483648.0 && v <= 4294967295.0;
}

std::string LastChars(const std::string& text, std::size_t n) {
  return text.size() > n ? text.substr(text.size() - n) : text;
}

std::string DigitsOf(std::uint32_t value, int digits, int bits) {
  std::string text(static_cast<std::size_t>(digits), '0');
  const std::uint32_t mask = (1u << bits) - 1;
  for (int i = digits - 1; i >= 0; --i) {
    text[static_cast<std::size_t>(i)] = static_cast<char>('0' + (value & mask));
    value = bits < 32 ? value >> bits : 0;
  }
  return text;
}

// Round(v) as a 64-bit integer; v must lie within the 64-bit range.
std::int64_t RoundToInt64(double v) {
  return static_cast<std::int64_t>(std::nearbyint(v));
}

std::uint32_t Low32Bits(double v) {
  return static_cast<std::uint32_t>(RoundToInt64(v));
}

}  // namespace

std::string FormatOctal(std::uint32_t Value, std::uint8_t Digits) {
  return DigitsOf(Value, std::clamp<int>(Digits, 1, 11), 3);
}

std::string FormatBinary(std::uint32_t Value, std::uint8_t Digits) {
  return DigitsOf(Value, std::clamp<int>(Digits, 1, 32), 1);
}

std::string BuildDisplayText(const TDisplaySettings& s, const TTextWidthFunc& textWidth,
                             const TBeforeDisplayEvent& OnBeforeDisplay, TObject* Sender) {
  if (s.Empty) return {};
  const double v = s.Value;
  const int precision = std::clamp(s.Precision, 0, 15);
  std::string text;
  // A value that is not a number fails the range tests of the word and
  // integer forms; the other forms write it as they write any value.
  bool overflow = false;
  switch (s.DisplayType) {
    case dtFloat:
      text = Format("%*.*g", {1, precision, v});
      break;
    case dtFixP:
      text = Format("%*.*f", {1, precision, v});
      break;
    case dtExp:
      text = Format("%*.*e", {1, precision, v});
      break;
    case dtHex:
      if (InWordRange(v)) {
        const int n = std::min(precision, 8);
        text = LastChars(Format("%*.*x", {1, n, RoundToInt64(v)}), n);
      } else {
        overflow = true;
      }
      break;
    case dtZeroInt:
      if (v >= -2147483648.0 && v <= 2147483647.0) {
        text = Format("%*.*d", {1, precision, RoundToInt64(v)});
      } else {
        overflow = true;
      }
      break;
    case dtInt: {
      const double r = std::nearbyint(v);
      if (std::isnan(r)) {
        text = FormatFloatFixed(r, 1, 0);  // as the floating-point forms write it
      } else if (r >= -9223372036854775808.0 && r < 9223372036854775808.0) {
        text = Format("%*.*d", {1, 0, static_cast<std::int64_t>(r)});
      } else {
        overflow = true;
      }
      break;
    }
    case dtDateTime:
      if (std::isnan(v)) {
        text = FormatFloatFixed(v, 1, 0);
      } else if (IsDateTimeInRange(v)) {
        text = FormatDateTime(s.DTFormat, v);
      } else {
        overflow = true;
      }
      break;
    case dtState:
      text = s.StateText;
      break;
    case dtBin:
    case dtOct:
      if (InWordRange(v)) {
        const bool bin = s.DisplayType == dtBin;
        const int n = std::min(precision, bin ? 32 : 12);
        const auto digits = static_cast<std::uint8_t>(n);
        text = LastChars(
            bin ? FormatBinary(Low32Bits(v), digits) : FormatOctal(Low32Bits(v), digits), n);
      } else {
        overflow = true;
      }
      break;
    case dtDeg:
    case dtDegMin:
    case dtDegMinSec:
      text = FormatAngle(static_cast<TAngleKind>(s.DisplayType - dtDeg), precision, v);
      overflow = text.empty();
      break;
    case dtEEng:
    case dtEEngNoDP:
      text = FormatEngineering(s.DisplayType == dtEEng ? precision : -precision, v);
      overflow = text.empty();
      break;
    default:
      overflow = true;
      break;
  }

  if (overflow) {
    // The indicator is shown as it is: no comma or plus sign is worked into it.
    text = s.OverflowIndicator;
  } else if (s.DisplayType != dtHex && s.DisplayType != dtBin && s.DisplayType != dtOct &&
             s.DisplayType != dtDateTime && s.DisplayType != dtState) {
    std::replace(text.begin(), text.end(), s.Comma ? '.' : ',', s.Comma ? ',' : '.');
    if (s.ForcePlusSign && v > 0) text.insert(0, 1, '+');
  }

  if (OnBeforeDisplay) OnBeforeDisplay(Sender, text);

  if (s.DisplayType != dtState && textWidth &&
      static_cast<std::int64_t>(textWidth(text)) > static_cast<std::int64_t>(s.LabelWidth) - 6)
    text = s.OverflowIndicator;
  return text;
}

}  // namespace zarn
