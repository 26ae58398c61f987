// Fuzz target for puzzle creation with any stored placement limit, extremes
// included, and with grids given up at chosen yields. A creation must end:
// with a verified puzzle of the level's given cells, or cancelled after too
// many grids given up in a row; either way the solver keeps its own limit.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "generator/creation.h"
#include "generator/patterns.h"
#include "solver/verify.h"

namespace {

using namespace kalvero;

void Check(bool condition) {
  if (!condition) std::abort();
}

// Gives up the grid being made at the yields whose bit is set in `mask`
// (yield i uses bit i % 64); all of them when every bit is set.
class GiveUpHost final : public Host {
 public:
  GiveUpHost(SolverState& solver, std::uint64_t mask) : solver_(solver), mask_(mask) {}
  void Yield() override {
    if ((mask_ >> (yields_++ % 64)) & 1) solver_.StopRequested = true;
  }
  MsgResult Message(const std::string&, const std::string&) override { return MsgResult::Ok; }
  std::string Input(const std::string&, const std::string& defaultText, bool) override { return defaultText; }

 private:
  SolverState& solver_;
  std::uint64_t mask_;
  std::uint64_t yields_ = 0;
};

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
  T value{};
  const std::size_t n = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, n);
  data += n;
  size -= n;
  return value;
}

std::int32_t Limit(std::uint8_t pick, std::int32_t raw) {
  switch (pick % 8) {
    case 0: return std::numeric_limits<std::int32_t>::min();
    case 1: return std::numeric_limits<std::int32_t>::max();
    case 2: return 0;
    case 3: return kLowestCreationLimit - 1;
    case 4: return kLowestCreationLimit;
    case 5: return -1;
    default: return raw;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto pick = Take<std::uint8_t>(data, size);
  const auto raw = Take<std::int32_t>(data, size);
  const auto seed = Take<std::uint32_t>(data, size);
  const auto mask = Take<std::uint64_t>(data, size);

  PuzzleState puzzle;
  SolverState solver;
  PseudoRandom random(seed);
  Generator generator(random);
  GiveUpHost host(solver, mask);
  CreationControl control;
  CreationContext ctx{puzzle, solver, generator, host, control, "", {}};
  const std::int32_t stored = Limit(pick, raw);
  solver.PlacementLimit = stored;
  const int level = (pick / 8) % static_cast<int>(kCreateLevels.size());
  const int fixedCount = FixedCountOfLevel(level);

  const CreateResult r = CreateLevelPuzzle(ctx, fixedCount);
  Check(solver.PlacementLimit == stored);
  if (r.ok()) {
    Check(IsCompleteSolution(puzzle) && puzzle.FixedCount == fixedCount && PatternCount(puzzle.FixedFlag) == fixedCount);
    SilentHost quiet;
    SolverState again;
    PuzzleState copy = puzzle;
    Check(VerifyPuzzle(copy, again, quiet) == VerifyResult::Verified);
  } else {
    Check(r.status == CreateStatus::Cancelled && r.tooManyGiveUps && r.gaveUp >= kGiveUpsInARowLimit);
  }
  return 0;
}
