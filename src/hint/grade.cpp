#include "hint/grade.h"

namespace kalvero {

namespace {

// What a puzzle whose hardest step is `kind` needs, as a person says it.
const char* NeedOf(StepKind kind) {
  switch (kind) {
    case StepKind::WrongValue:
    case StepKind::None: return "needs no step";
    case StepKind::NakedSingle:
    case StepKind::HiddenSingle: return "needs only singles";
    case StepKind::SumArea: return "needs the sum areas";
    case StepKind::NakedPair: return "needs a naked pair";
    case StepKind::LineBox: return "needs a line-box reduction";
    case StepKind::LockedCandidates: return "needs locked candidates";
    case StepKind::HiddenPair: return "needs a hidden pair";
    case StepKind::NakedTriple: return "needs a naked triple";
    case StepKind::HiddenTriple: return "needs a hidden triple";
    case StepKind::NakedQuad: return "needs a naked quad";
    case StepKind::HiddenQuad: return "needs a hidden quad";
    case StepKind::TwoLine: return "needs a two-line pattern";
    case StepKind::ThreeLine: break;
  }
  return "needs a three-line pattern";
}

}  // namespace

std::optional<Grade> GradeOf(const Rating& rating) {
  if (!rating.agrees) return std::nullopt;
  if (!rating.solved) return Grade::Fiendish;
  const StepKind hardest = rating.hardest == StepKind::None ? StepKind::NakedSingle : rating.hardest;
  for (const GradeInfo& info : kGrades)
    if (hardest <= info.hardestStep) return info.grade;
  return Grade::Fiendish;
}

std::optional<Grade> GradeNamed(std::string_view word) {
  for (const GradeInfo& info : kGrades)
    if (word == info.word) return info.grade;
  return std::nullopt;
}

std::string GradeDescription(const Rating& rating) {
  const std::optional<Grade> grade = GradeOf(rating);
  if (!grade) return "Not graded: the stored solution disagrees with the clues";
  const std::string need = rating.solved ? NeedOf(rating.hardest) : "needs more than the hints know";
  return std::string(InfoOf(*grade).name) + ": " + need;
}

bool GradeIsRare(Grade grade, int fixedCount) {
  return (grade == Grade::Tough && fixedCount >= 9) || (grade == Grade::Fiendish && fixedCount >= 6);
}

std::string RareGradeText(Grade grade, int fixedCount) {
  return std::string(InfoOf(grade).name) + " puzzles with " + std::to_string(fixedCount) +
         " given cells are very rare; creating one may take minutes";
}

}  // namespace kalvero
