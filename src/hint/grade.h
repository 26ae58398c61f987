#pragma once
// Difficulty grades: how hard a puzzle is to solve, named by the hardest
// step of the hint ladder it needs when solved from its givens and sums by
// hints alone. The three creation levels count given cells; a grade says
// what a person must know.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "hint/rating.h"

namespace kalvero {

enum class Grade { Gentle, Moderate, Tough, Fiendish };

inline constexpr int kGradeCount = 4;

struct GradeInfo {
  Grade grade;
  const char* name;     // "Tough": the English name, translated where it is shown
  const char* word;     // "tough", as kalvero-tool takes it
  StepKind hardestStep; // the hardest ladder step a puzzle of the grade may need
};

// The grades, easiest first, each up to its hardest step in ladder order:
// Gentle the singles and sum areas, Moderate naked pairs and line-box
// reductions, Tough locked candidates, hidden pairs and naked triples,
// Fiendish everything harder, and puzzles the ladder cannot finish.
inline constexpr std::array<GradeInfo, kGradeCount> kGrades = {{
    {Grade::Gentle, QT_TRANSLATE_NOOP("Kalvero", "Gentle"), "gentle", StepKind::SumArea},
    {Grade::Moderate, QT_TRANSLATE_NOOP("Kalvero", "Moderate"), "moderate", StepKind::LineBox},
    {Grade::Tough, QT_TRANSLATE_NOOP("Kalvero", "Tough"), "tough", StepKind::NakedTriple},
    {Grade::Fiendish, QT_TRANSLATE_NOOP("Kalvero", "Fiendish"), "fiendish", StepKind::None},
}};

constexpr const GradeInfo& InfoOf(Grade grade) { return kGrades[static_cast<int>(grade)]; }

// The grade of a rating; none for a puzzle that cannot be rated (its stored
// solution disagrees with its clues).
std::optional<Grade> GradeOf(const Rating& rating);
// The grade of a puzzle, rated from its givens: what a graded creation keeps,
// the level label shows and a best time is filed under.
inline std::optional<Grade> GradeOf(const PuzzleState& puzzle) { return GradeOf(RatePuzzle(puzzle)); }

// The grade of a tool's word ("tough"), or none.
std::optional<Grade> GradeNamed(std::string_view word);

// "Tough: needs locked candidates", for the level label's tooltip.
std::string GradeDescription(const Rating& rating, const Words& words = EnglishWords());

// True when puzzles of the grade with that many given cells are so rare
// that creating one takes minutes: the more givens, the more a puzzle falls
// to singles and sums. Of 2,000 created puzzles none was Tough with 9 given
// cells and none Fiendish with 6 or 9.
bool GradeIsRare(Grade grade, int fixedCount);

// "Fiendish puzzles with 9 given cells are very rare; creating one may take
// minutes".
std::string RareGradeText(Grade grade, int fixedCount, const Words& words = EnglishWords());

}  // namespace kalvero
