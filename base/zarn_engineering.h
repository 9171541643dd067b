#pragma once
// Engineering notation with metric prefix letters (4.70k, 4k7, 1.23m).

#include <cstdint>
#include <string>

namespace zarn {

// X with |Digits| significant digits (Digits limited to -9 … 9; |Digits| <= 1
// writes an integer mantissa) and the prefix letter of its power of 1000,
// from "a" (1e-18) to "T" (1e12). A negative Digits selects the form without a
// decimal point, where the letter takes the place of the point (4k7). Zero and
// NaN give the zero of the decimal count ("0.00"); infinities give an empty
// text. The mantissa is not renormalised after rounding: 999.96 with 3 digits
// gives "1000".
std::string FormatEngineering(std::int32_t Digits, double X);

}  // namespace zarn
