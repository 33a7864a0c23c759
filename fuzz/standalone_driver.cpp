// Runs a fuzz target without libFuzzer: seeded random inputs and mutations of
// them for the given number of seconds. Used when the compiler is not clang.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
  std::mt19937 random(12345);
  auto stop = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  std::vector<std::uint8_t> input;
  while (std::chrono::steady_clock::now() < stop) {
    if (input.empty() || random() % 8 == 0) input.assign(random() % 4096, 0);
    for (auto& byte : input)
      if (random() % 16 == 0) byte = static_cast<std::uint8_t>(random());
    if (!input.empty() && random() % 4 == 0) input.resize(random() % (input.size() * 2 + 1));
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  return 0;
}
