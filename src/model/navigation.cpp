#include "model/navigation.h"

#include <algorithm>
#include <cmath>

#include "model/text.h"

namespace kalvero {

NavStep NavigationStep(NavButton button, MouseButton mouse, std::int32_t current, std::int32_t count) {
  if (count < 2) return {};
  const bool left = mouse == MouseButton::Left;
  switch (button) {
    case NavButton::Previous:
      return {NavAction::Show, left ? (current > 1 ? current - 1 : count) : 1};
    case NavButton::Next:
      return {NavAction::Show, left ? (current < count ? current + 1 : 1) : count};
    case NavButton::Random:
      return {left ? NavAction::ShowRandom : NavAction::AskNumber, 0};
  }
  return {};
}

std::int32_t RandomPuzzleNumber(double draw, std::int32_t count) {
  const auto n = static_cast<std::int32_t>(draw * count) + 1;
  return std::clamp(n, std::int32_t{1}, count);
}

std::string PuzzleNumberPrompt(std::int32_t count, const Words& words) {
  return Fill(words.Text(QT_TRANSLATE_NOOP("Kalvero", "Enter Puzzle Number to display\n1 to%1")), {NumberText(count)});
}

NumberAnswer ReadNumberAnswer(std::string_view answer, std::int32_t count) {
  const double value = NumericValue(answer);
  // Far outside any count: ask again before rounding could overflow.
  if (std::fabs(value) > 2e9) return {AnswerKind::AskAgain, 0};
  const long long n = RoundHalfEven(value);
  if (n == 0) return {AnswerKind::End, 0};
  if (n < 1 || n > count) return {AnswerKind::AskAgain, 0};
  return {AnswerKind::Chosen, static_cast<std::int32_t>(n)};
}

}  // namespace kalvero
