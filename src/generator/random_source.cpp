#include "generator/random_source.h"

#include <chrono>

namespace kalvero {

namespace {

constexpr std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

PseudoRandom::PseudoRandom(std::uint64_t seed) {
  for (auto& word : s_) word = SplitMix64(seed);
}

// One step of the state, as every draw takes it.
void PseudoRandom::Advance() {
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = RotateLeft(s_[3], 45);
}

double PseudoRandom::Next() {
  const std::uint64_t result = RotateLeft(s_[1] * 5, 7) * 9;
  Advance();
  return static_cast<double>(result >> 11) * 0x1.0p-53;
}

void PseudoRandom::Jump() {
  static constexpr std::array<std::uint64_t, 4> kJump = {0x180ec6d33cfd0abaull, 0xd5a61266f0c9392cull,
                                                          0xa9582618e03fc9aaull, 0x39abdc4529b1661cull};
  std::array<std::uint64_t, 4> jumped{};
  for (const std::uint64_t word : kJump)
    for (int bit = 0; bit < 64; ++bit) {
      if (word & (std::uint64_t{1} << bit))
        for (std::size_t i = 0; i < jumped.size(); ++i) jumped[i] ^= s_[i];
      Advance();
    }
  s_ = jumped;
}

std::uint64_t ClockSeed() {
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint64_t>(wall) ^ RotateLeft(static_cast<std::uint64_t>(steady), 32);
}

}  // namespace kalvero
