#pragma once
// The program's command line.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zarn::kolvo {

struct TOptions {
  std::optional<int> Df1;
  std::optional<int> Df2;
  std::optional<double> X;
  std::optional<double> Alpha;  // start at the critical value for this level
  std::string LayoutFile;       // empty: the layout stored with the program
  std::string SnapshotFile;     // empty: open the window
  std::optional<int> Scale;     // device pixels per logical pixel (the backend applies it)
  bool Help = false;
};

// A command line that cannot be followed; the message names the option.
class EOptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr int kMinDf = 1;
inline constexpr int kMaxDf = 100;
inline constexpr double kMinX = 0.0;
inline constexpr double kMaxX = 6.0;
inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 4;

// A level of significance: strictly between 0 and 1 (NaN is none).
inline bool IsLevel(double alpha) {
  return alpha > 0.0 && alpha < 1.0;
}

// The arguments after the program name. Numbers are read without regard to
// the locale; values out of range are errors rather than silently clamped.
TOptions ParseOptions(const std::vector<std::string_view>& args);

std::string Usage(std::string_view program);

}  // namespace zarn::kolvo
