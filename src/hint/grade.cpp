#include "hint/grade.h"

namespace kalvero {

namespace {

// What a puzzle whose hardest step is `kind` needs, as a person says it.
const char* NeedOf(StepKind kind) {
  switch (kind) {
    case StepKind::WrongValue:
    case StepKind::None: return QT_TRANSLATE_NOOP("Kalvero", "needs no step");
    case StepKind::NakedSingle:
    case StepKind::HiddenSingle: return QT_TRANSLATE_NOOP("Kalvero", "needs only singles");
    case StepKind::SumArea: return QT_TRANSLATE_NOOP("Kalvero", "needs the sum areas");
    case StepKind::NakedPair: return QT_TRANSLATE_NOOP("Kalvero", "needs a naked pair");
    case StepKind::LineBox: return QT_TRANSLATE_NOOP("Kalvero", "needs a line-box reduction");
    case StepKind::LockedCandidates: return QT_TRANSLATE_NOOP("Kalvero", "needs locked candidates");
    case StepKind::HiddenPair: return QT_TRANSLATE_NOOP("Kalvero", "needs a hidden pair");
    case StepKind::NakedTriple: return QT_TRANSLATE_NOOP("Kalvero", "needs a naked triple");
    case StepKind::HiddenTriple: return QT_TRANSLATE_NOOP("Kalvero", "needs a hidden triple");
    case StepKind::NakedQuad: return QT_TRANSLATE_NOOP("Kalvero", "needs a naked quad");
    case StepKind::HiddenQuad: return QT_TRANSLATE_NOOP("Kalvero", "needs a hidden quad");
    case StepKind::TwoLine: return QT_TRANSLATE_NOOP("Kalvero", "needs a two-line pattern");
    case StepKind::ThreeLine: break;
  }
  return QT_TRANSLATE_NOOP("Kalvero", "needs a three-line pattern");
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

std::string GradeDescription(const Rating& rating, const Words& words) {
  const std::optional<Grade> grade = GradeOf(rating);
  if (!grade) return words.Text(QT_TRANSLATE_NOOP("Kalvero", "Not graded: the stored solution disagrees with the clues"));
  const char* need = rating.solved ? NeedOf(rating.hardest) : QT_TRANSLATE_NOOP("Kalvero", "needs more than the hints know");
  return Fill(words.Text(QT_TRANSLATE_NOOP("Kalvero", "%1: %2")), {words.Text(InfoOf(*grade).name), words.Text(need)});
}

bool GradeIsRare(Grade grade, int fixedCount) {
  return (grade == Grade::Tough && fixedCount >= 9) || (grade == Grade::Fiendish && fixedCount >= 6);
}

std::string RareGradeText(Grade grade, int fixedCount, const Words& words) {
  return Fill(words.Text(QT_TRANSLATE_NOOP("Kalvero",
                                           "%1 puzzles with %2 given cells are very rare; creating one may take minutes")),
              {words.Text(InfoOf(grade).name), std::to_string(fixedCount)});
}

}  // namespace kalvero
