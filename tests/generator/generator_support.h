#pragma once
// Helpers for generator tests: a host whose yields and messages a test can
// script, one whole engine, and independent checks of a created puzzle.
#include <functional>
#include <string>
#include <vector>

#include "generator/creation.h"
#include "model/puzzle_file.h"
#include "solver/solver_support.h"
#include "solver/verify.h"

namespace kalvero::test {

class ScriptHost : public Host {
 public:
  std::function<void()> onYield;
  std::function<void(const std::string&)> onMessage;
  std::vector<std::string> messages;  // "text|style"

  void Yield() override { onYield ? onYield() : void(); }
  MsgResult Message(const std::string& text, const std::string& style) override {
    messages.push_back(text + "|" + style);
    if (onMessage) onMessage(text);
    return MsgResult::Ok;
  }
  std::string Input(const std::string&, const std::string& defaultText, bool) override { return defaultText; }
};

// A whole engine as the window owns one; its creations record their status
// texts.
struct Engine {
  explicit Engine(std::uint64_t seed) : random(seed), generator(random) {}
  PuzzleState puzzle;
  SolverState solver;
  PseudoRandom random;
  Generator generator;
  ScriptHost host;
  CreationControl control;
  std::vector<std::string> statuses;

  GeneratorContext Gen() { return {puzzle, solver, generator, host}; }
  CreationContext Creation(const std::string& tempFile) {
    CreationHooks hooks;
    hooks.status = [this](const std::string& s, CreationPhase) { statuses.push_back(s); };
    return {puzzle, solver, generator, host, control, tempFile, hooks};
  }
};

// The sum of the three cells of a perimeter block, straight from the digits:
// clues 1-9 top of column t, 10-18 right of row t-9, 19-27 bottom of column
// t-18, 28-36 left of row t-27.
inline int BlockSum(const std::string& g, int t) {
  const auto at = [&g](int r, int c) { return g[(r - 1) * 9 + c - 1] - '0'; };
  if (t <= 9) return at(1, t) + at(2, t) + at(3, t);
  if (t <= 18) return at(t - 9, 7) + at(t - 9, 8) + at(t - 9, 9);
  if (t <= 27) return at(7, t - 18) + at(8, t - 18) + at(9, t - 18);
  return at(t - 27, 1) + at(t - 27, 2) + at(t - 27, 3);
}

// The cells written as letters in a puzzle line.
inline std::vector<int> LetterCells(const std::string& line) {
  std::vector<int> cells;
  for (int k = 1; k <= 81; ++k)
    if (line[k - 1] >= 'A' && line[k - 1] <= 'I') cells.push_back(k);
  return cells;
}

// Everything a created puzzle must be: the expected given cells and no
// other, a valid solution, 36 sums that agree with it, and a fresh
// verification of its line that succeeds. Returns what is wrong, or "".
inline std::string CheckCreatedPuzzle(const PuzzleState& p, const std::vector<int>& fixedCells) {
  const std::string line = PuzzleLineOf(p);
  if (LetterCells(line) != fixedCells) return "fixed cells differ: " + line;
  if (!IsValidGrid(p.SolutionText)) return "not a valid grid: " + p.SolutionText;
  for (int t = 1; t <= 36; ++t)
    if (p.ClueSum[t] != BlockSum(p.SolutionText, t)) return "clue " + std::to_string(t) + " differs";
  SolverRig fresh;
  if (!LoadPuzzleLine(fresh.puzzle, line).ok()) return "line does not load";
  if (VerifyPuzzle(fresh.puzzle, fresh.solver, fresh.host) != VerifyResult::Verified) return "does not verify: " + line;
  return "";
}

}  // namespace kalvero::test
