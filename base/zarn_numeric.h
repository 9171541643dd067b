#pragma once
// Small numeric helpers shared by the chart, the scale engine and the read-out.

#include <string>

#include "surface/zarn_color.h"

namespace zarn {

// Round(0.3 R + 0.59 G + 0.11 B) with ties to even, computed exactly so that
// ties are recognised (binary fractions of 0.3 and 0.59 would hide them).
int Luminance(int R, int G, int B);

// Luminance of the colour's red, green and blue bytes as stored; a system
// colour is not resolved first.
int ColorLuminance(TColor Colour);

// Black for colours with a luminance of 140 or more, otherwise white.
TColor ContrastTextColor(TColor Colour);

// log10(X). Throws EMathError("logarithm: invalid argument") for X <= 0 and for NaN.
double DecimalLog(double X);

// The largest integer not above X, saturated to the int range; 0 for NaN.
int FloorInt(double X);

// Str(X, Width, Decimals): FormatFloatFixed with the arguments in this order.
std::string FormatFixed(int Width, int Decimals, double X);

void ExchangeInt(int& A, int& B) noexcept;
void ExchangeDouble(double& A, double& B) noexcept;
void ExchangeExtended(long double& A, long double& B) noexcept;

}  // namespace zarn
