// Writes the seed corpus of fuzz_fdist into the folder given as argument.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

void Write(const std::string& dir, int n, std::int32_t df1, std::int32_t df2, double x, double a,
           double b) {
  unsigned char buffer[32];
  std::memcpy(buffer, &df1, 4);
  std::memcpy(buffer + 4, &df2, 4);
  std::memcpy(buffer + 8, &x, 8);
  std::memcpy(buffer + 16, &a, 8);
  std::memcpy(buffer + 24, &b, 8);
  const std::string path = dir + "/seed" + std::to_string(n);
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(buffer, 1, sizeof buffer, file);
    std::fclose(file);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 1;
  const std::string dir = argv[1];
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  int n = 0;
  Write(dir, n++, 4, 4, 1.0, 2.0, 2.0);
  Write(dir, n++, 1, 100, 1e-300, 0.5, 50.0);
  Write(dir, n++, 100, 1, 6.0, 50.0, 0.5);
  Write(dir, n++, 2, 3, -1.5, -1.0, 0.0);
  Write(dir, n++, 0, -7, nan, nan, inf);
  Write(dir, n++, 2147483647, 2147483647, 1.0, 1e9, 1e9);
  Write(dir, n++, 3, 5, inf, 1e300, 1e-300);
  return 0;
}
