// Writes a few inputs of random bytes, from 64 bytes to 8 KB, into the folder
// named by the first argument: the target reads a chart and a few hundred
// items from an input, which short inputs never reach.

#include <fstream>
#include <iostream>
#include <random>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: seed_items <corpus folder>\n";
    return 2;
  }
  std::mt19937 random(18);
  for (int n = 0; n < 8; ++n) {
    std::ofstream out(std::string(argv[1]) + "/random" + std::to_string(n), std::ios::binary);
    for (int i = 0; i < (64 << n); ++i)
      out.put(static_cast<char>(random() & 0xFF));
  }
  return 0;
}
