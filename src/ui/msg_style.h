#pragma once
// The style string of a message ("vbok+vbcritical", "vbYesNo+vbquestion"):
// which icons the message box shows and which buttons it offers, in order.
// Plain C++ so the grammar is tested without a window.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/host.h"

namespace kalvero {

// Icon slots of the message box; slot 9 has no keyword.
enum MsgIconSlot : int {
  kIconQuestion = 0,
  kIconExclamation = 1,
  kIconInformation = 2,
  kIconError = 3,
  kIconCritical = 4,
  kIconHappy = 5,
  kIconTrash = 6,
  kIconPrint = 7,
  kIconLightOn = 8,
  kIconCustom = 10,
};
inline constexpr int kMsgIconSlots = 11;

// The message box has three button positions; buttons a style asks for
// beyond the third are dropped.
inline constexpr int kMsgMaxButtons = 3;

struct MsgButton {
  std::string caption;
  MsgResult result;
  bool operator==(const MsgButton&) const = default;
};

struct MsgStyle {
  std::array<bool, kMsgIconSlots> icons{};  // true where the icon is shown
  std::vector<MsgButton> buttons;            // left to right, never empty
};

// Lower-cases the style, splits it at every "+", trims each piece of blanks
// and applies the keywords in the order written; unknown pieces are ignored.
// Without any button keyword the single button is "Ok" returning Ok.
MsgStyle ParseMsgStyle(std::string_view style);

}  // namespace kalvero
