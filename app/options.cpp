#include "app/options.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zarn::kolvo {
namespace {

template <class T>
T Number(std::string_view option, std::string_view text) {
  T value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || text.empty())
    throw EOptionError(std::string(option) + ": \"" + std::string(text) + "\" is not a number");
  return value;
}

int WholeNumber(std::string_view option, std::string_view text, int lo, int hi) {
  const int n = Number<int>(option, text);
  if (n < lo || n > hi)
    throw EOptionError(std::string(option) + ": " + std::string(text) + " is outside " +
                       std::to_string(lo) + " ... " + std::to_string(hi));
  return n;
}

double Quantile(std::string_view option, std::string_view text) {
  const double x = Number<double>(option, text);
  if (!(x >= kMinX && x <= kMaxX))  // NaN fails too
    throw EOptionError(std::string(option) + ": " + std::string(text) + " is outside 0 ... 6");
  return x;
}

double Level(std::string_view option, std::string_view text) {
  const double alpha = Number<double>(option, text);
  if (!IsLevel(alpha))
    throw EOptionError(std::string(option) + ": " + std::string(text) +
                       " is not between 0 and 1 (both left out)");
  return alpha;
}

}  // namespace

TOptions ParseOptions(const std::vector<std::string_view>& args) {
  TOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view option = args[i];
    std::string_view value;
    bool inlineValue = false;
    if (const auto equals = option.find('='); option.starts_with("--") && equals != option.npos) {
      value = option.substr(equals + 1);
      option = option.substr(0, equals);
      inlineValue = true;
    }
    if (option == "--help" || option == "-h") {
      options.Help = true;
      continue;
    }
    const bool takesValue = option == "--df1" || option == "--df2" || option == "--x" ||
                            option == "--alpha" || option == "--scale" || option == "--layout" ||
                            option == "--snapshot";
    if (!takesValue) throw EOptionError("unknown option \"" + std::string(args[i]) + "\"");
    if (!inlineValue) {
      if (i + 1 >= args.size()) throw EOptionError(std::string(option) + " needs a value");
      value = args[++i];
    }
    if (option == "--df1") {
      options.Df1 = WholeNumber(option, value, kMinDf, kMaxDf);
    } else if (option == "--df2") {
      options.Df2 = WholeNumber(option, value, kMinDf, kMaxDf);
    } else if (option == "--x") {
      options.X = Quantile(option, value);
    } else if (option == "--alpha") {
      options.Alpha = Level(option, value);
    } else if (option == "--scale") {
      options.Scale = WholeNumber(option, value, kMinScale, kMaxScale);
    } else if (value.empty()) {
      throw EOptionError(std::string(option) + " needs a file name");
    } else if (option == "--layout") {
      options.LayoutFile = value;
    } else {
      options.SnapshotFile = value;
    }
  }
  if (options.X && options.Alpha)
    throw EOptionError("--alpha and --x both place the crosshair: give one of them");
  return options;
}

std::string Usage(std::string_view program) {
  return "Usage: " + std::string(program) +
         " [options]\n"
         "Shows the density of the F distribution; drag the dotted line to read the\n"
         "probability beyond it.\n"
         "\n"
         "  --df1 N            start with df1 = N (1 ... 100)\n"
         "  --df2 N            start with df2 = N (1 ... 100)\n"
         "  --x VALUE          start with the crosshair at VALUE (0 ... 6)\n"
         "  --alpha A          start with the crosshair at the critical value for the\n"
         "                     level A (0 < A < 1), widening the x axis if it lies beyond\n"
         "  --layout FILE      build the window from another layout (JSON)\n"
         "  --snapshot FILE    render the window to a PNG file and exit; needs no display\n"
         "  --scale N          draw at N device pixels per pixel of the layout (1 ... 4),\n"
         "                     as on a high-density screen; QT_SCALE_FACTOR does the same\n"
         "  --help             show this text\n"
         "\n"
         "Exit status: 0 on success, 1 when there is no display or the snapshot cannot\n"
         "be written, 2 for a bad command line or layout.\n";
}

}  // namespace zarn::kolvo
