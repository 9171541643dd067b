#pragma once
// The F distribution with integer degrees of freedom, from ln Γ and the
// regularized incomplete beta function. Results depend on the arguments alone;
// no allocation, no exceptions. Intermediates run in extended precision.

namespace zarn {

// ln Γ(x) for x > 0 by a six-term series; 0 for x <= 0 and for NaN,
// +infinity for x = +infinity.
double LogGamma(double x);

// The continued fraction of the incomplete beta function at x, with shape
// parameters a and b, after at most 100 renormalised steps (the last value
// when the relative tolerance 1e-8 is not reached).
double IncBetaContFrac(double x, double a, double b);

// The regularized incomplete beta function I_x(a, b): 0 for x < 0 and for NaN
// x, 1 for x > 1, exactly 0 at x = 0 and exactly 1 at x = 1. Shape parameters
// that are not finite positive numbers give 0. The result is kept within
// [0, 1] even where the cut-off continued fraction has not converged.
double IncompleteBeta(double x, double a, double b);

// Density of F(df1, df2) at x. The terms of the degrees of freedom are kept per
// thread for the last pair asked, so a curve at one pair computes them once. Below and at 0 it
// takes the limit from the right where the density has one: 0 for x < 0; at x = 0, +infinity for
// df1 = 1, 1 for df1 = 2 and 0 for df1 > 2. Degrees of freedom below 1, NaN x and infinite x give
// 0.
double FDensity(int df1, int df2, double x);

// P(F <= x) for F distributed as F(df1, df2): 0 for x <= 0 (including the
// points at or below -df2/df1, where the closed form has no meaning) and for
// NaN x, 1 for x = +infinity. Degrees of freedom below 1 give 0.
double FLowerTail(int df1, int df2, double x);

// The critical value of F(df1, df2) for the level alpha: the x whose upper
// tail P(F > x) is alpha, to the nearest double the tail tells apart. NaN for
// alpha outside (0, 1), NaN alpha or degrees of freedom below 1; +infinity
// where even the largest double leaves a tail above alpha.
double FCriticalValue(int df1, int df2, double alpha);

}  // namespace zarn
