#include "play/solution_check.h"

#include "model/text.h"
#include "model/words.h"

namespace kalvero {

CheckResult CheckBoard(const PuzzleState& state) {
  bool wrong = false;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const std::string& value = state.FixedValue[r][c].empty() ? state.UserEntry[r][c] : state.FixedValue[r][c];
      if (value.empty()) return CheckResult::Incomplete;
      if (NumericValue(value) != state.Solution[r][c]) wrong = true;
    }
  return wrong ? CheckResult::Wrong : CheckResult::Solved;
}

const char* CheckText(CheckResult result) {
  switch (result) {
    case CheckResult::Incomplete: return QT_TRANSLATE_NOOP("Kalvero", "Complete the puzzle first");
    case CheckResult::Wrong: return QT_TRANSLATE_NOOP("Kalvero", "Solution not correct");
    case CheckResult::Solved: return QT_TRANSLATE_NOOP("Kalvero", "All done!");
  }
  return "";
}

}  // namespace kalvero
