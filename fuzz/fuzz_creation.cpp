// Fuzz target for puzzle creation with any stored placement limit, extremes
// included, and with grids given up at chosen yields. A creation must end:
// with a verified puzzle of the level's given cells, or cancelled after too
// many grids given up in a row; either way the solver keeps its own limit.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "generator/creation.h"
#include "generator/patterns.h"
#include "solver/verify.h"

namespace {

using namespace kalvero;

// Gives up the grid being made at the yields whose bit is set in `mask`
// (yield i uses bit i % 64); all of them when every bit is set.
class GiveUpHost final : public SilentHost {
 public:
  GiveUpHost(SolverState& solver, std::uint64_t mask) : solver_(solver), mask_(mask) {}
  void Yield() override {
    if ((mask_ >> (yields_++ % 64)) & 1) solver_.StopRequested = true;
  }

 private:
  SolverState& solver_;
  std::uint64_t mask_;
  std::uint64_t yields_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input's first 17 bytes, zero-filled past its end.
  struct [[gnu::packed]] { std::uint8_t pick; std::int32_t raw; std::uint32_t seed; std::uint64_t mask; } in{};
  std::memcpy(&in, data, std::min(size, sizeof in));

  PuzzleState puzzle;
  SolverState solver;
  PseudoRandom random(in.seed);
  Generator generator(random);
  GiveUpHost host(solver, in.mask);
  CreationControl control;
  CreationContext ctx{puzzle, solver, generator, host, control, "", {}};
  // The stored limit: an extreme or one either side of the lowest allowed, else the raw bytes.
  const std::int32_t extremes[] = {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(),
                                   0, kLowestCreationLimit - 1, kLowestCreationLimit, -1};
  const std::int32_t stored = in.pick % 8 < 6 ? extremes[in.pick % 8] : in.raw;
  solver.PlacementLimit = stored;
  const int level = (in.pick / 8) % static_cast<int>(kCreateLevels.size());
  const int fixedCount = FixedCountOfLevel(level);

  const CreateResult r = CreateLevelPuzzle(ctx, fixedCount);
  bool ok = solver.PlacementLimit == stored;
  if (r.ok()) {
    SilentHost quiet;
    SolverState again;
    PuzzleState copy = puzzle;
    ok = ok && IsCompleteSolution(puzzle) && puzzle.FixedCount == fixedCount &&
         PatternCount(puzzle.FixedFlag) == fixedCount && VerifyPuzzle(copy, again, quiet) == VerifyResult::Verified;
  } else {
    ok = ok && r.status == CreateStatus::Cancelled && r.tooManyGiveUps && r.gaveUp >= kGiveUpsInARowLimit;
  }
  if (!ok) std::abort();
  return 0;
}
