#pragma once
// Stepping through the puzzles of the current file: the three navigation
// buttons and the answer to "which puzzle?". Pure arithmetic on the current
// number p and the file's count N; the window draws the random number and
// shows the question.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/words.h"

namespace kalvero {

// The three navigation buttons in their index order.
enum class NavButton { Previous = 0, Next = 1, Random = 2 };

enum class MouseButton { Left, Right };

enum class NavAction {
  None,       // fewer than two puzzles: nothing to step to
  Show,       // show puzzle `number`
  ShowRandom, // show a random puzzle from 1 to N
  AskNumber,  // ask the user which puzzle to show
};

struct NavStep {
  NavAction action = NavAction::None;
  std::int32_t number = 0;  // for Show
};

// Left: Previous p - 1 (wrapping to N), Next p + 1 (wrapping to 1), Random a
// random puzzle. Right: Previous the first, Next the last, Random asks.
NavStep NavigationStep(NavButton button, MouseButton mouse, std::int32_t current, std::int32_t count);

// A puzzle number 1..count from a draw 0 <= r < 1.
std::int32_t RandomPuzzleNumber(double draw, std::int32_t count);

// The question asked for a specific puzzle: "Enter Puzzle Number to display",
// a line break and "1 to N".
std::string PuzzleNumberPrompt(std::int32_t count, const Words& words = EnglishWords());

enum class AnswerKind {
  End,       // 0, an empty answer or a cancelled box: no change
  AskAgain,  // outside 1..count
  Chosen,    // show puzzle `number`
};

struct NumberAnswer {
  AnswerKind kind = AnswerKind::End;
  std::int32_t number = 0;
};

// Reads an answer as the program reads any number (leading digits, "" and
// text as 0) and rounds it to a whole number, halves to even (2.6 -> 3).
NumberAnswer ReadNumberAnswer(std::string_view answer, std::int32_t count);

}  // namespace kalvero
