#pragma once
// Random draws for the generator. Every draw is uniform in [0, 1); the
// generator turns a draw into a position with its own formulas. The source
// is an object the caller owns and seeds once, so tests can script the draws
// and several engines can draw side by side on their own threads.
#include <array>
#include <cstdint>
#include <vector>

namespace kalvero {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // The next draw r, 0 <= r < 1.
  virtual double Next() = 0;
};

// xoshiro256** (Blackman and Vigna): small, fast and of good statistical
// quality. The 256-bit state is filled from the 64-bit seed by splitmix64, so
// nearby seeds (S, S + 1, ...) still give unrelated sequences. A draw is the
// top 53 bits of the output scaled into [0, 1).
class PseudoRandom final : public RandomSource {
 public:
  explicit PseudoRandom(std::uint64_t seed);
  double Next() override;
  // Advances the source by 2^128 draws at once (the generator's jump
  // function): sources jumped 0, 1, 2 ... times from one seed give streams
  // that never overlap, one per job.
  void Jump();

 private:
  void Advance();
  std::array<std::uint64_t, 4> s_{};
};

// A seed from the clock, for the window, which seeds its source once at
// start-up.
std::uint64_t ClockSeed();

// Plays back a fixed list of draws, then returns `after` for every later draw.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<double> draws, double after = 0.0)
      : draws_(std::move(draws)), after_(after) {}
  double Next() override { return next_ < draws_.size() ? draws_[next_++] : (++extra_, after_); }
  // Draws taken so far, scripted and later ones together.
  std::size_t Drawn() const { return next_ + extra_; }

 private:
  std::vector<double> draws_;
  double after_;
  std::size_t next_ = 0;
  std::size_t extra_ = 0;
};

}  // namespace kalvero
