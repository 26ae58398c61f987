#include "ui/msg_style.h"

#include <algorithm>
#include <cctype>

#include "model/text.h"
#include "model/words.h"

namespace kalvero {
namespace {

struct ButtonKeyword {
  std::string_view keyword;
  std::vector<MsgButton> buttons;
};

struct IconKeyword {
  std::string_view keyword;
  int slot;
};

constexpr IconKeyword kIconKeywords[] = {
    {"vbquestion", kIconQuestion}, {"vbexclamation", kIconExclamation},
    {"vbinformation", kIconInformation}, {"vberror", kIconError},
    {"vbcritical", kIconCritical}, {"vbhappy", kIconHappy},
    {"vbtrash", kIconTrash}, {"vbprint", kIconPrint},
    {"vblighton", kIconLightOn}, {"vbcustom", kIconCustom},
};

// Captions stay in English here; the message box translates them when it
// shows them.
const MsgButton kOk{QT_TRANSLATE_NOOP("Kalvero", "Ok"), MsgResult::Ok};
const MsgButton kCancel{QT_TRANSLATE_NOOP("Kalvero", "Cancel"), MsgResult::Cancel};
const MsgButton kYes{QT_TRANSLATE_NOOP("Kalvero", "Yes"), MsgResult::Yes};
const MsgButton kNo{QT_TRANSLATE_NOOP("Kalvero", "No"), MsgResult::No};
const MsgButton kRetry{QT_TRANSLATE_NOOP("Kalvero", "Retry"), MsgResult::Retry};
const MsgButton kAbort{QT_TRANSLATE_NOOP("Kalvero", "Abort"), MsgResult::Abort};
const MsgButton kIgnore{QT_TRANSLATE_NOOP("Kalvero", "Ignore"), MsgResult::Ignore};

const std::vector<ButtonKeyword>& ButtonKeywords() {
  static const std::vector<ButtonKeyword> table = {
    {"vbok", {kOk}},
    {"vbokonly", {kOk}},
    {"vbnormal", {{QT_TRANSLATE_NOOP("Kalvero", "Ok"), MsgResult::Normal}}},
    {"vbokcancel", {kOk, kCancel}},
    {"vbcancelok", {kOk, kCancel}},
    {"vbcancel", {kCancel}},
    {"vbyes", {kYes}},
    {"vbno", {kNo}},
    {"vbyesno", {kYes, kNo}},
    {"vbyesnocancel", {kYes, kNo, kCancel}},
    {"vbretry", {kRetry}},
    {"vbretrycancel", {kRetry, kCancel}},
    {"vbabort", {kAbort}},
    {"vbignore", {kIgnore}},
    {"vbabortretryignore", {kAbort, kRetry, kIgnore}},
    // "Continue" answers like "Yes"; the style also shows the information icon.
    {"vbcontinuecancel", {{QT_TRANSLATE_NOOP("Kalvero", "Continue"), MsgResult::Yes}, kCancel}},
  };
  return table;
}

void ApplyPiece(std::string_view piece, MsgStyle& style) {
  for (const IconKeyword& icon : kIconKeywords) {
    if (piece == icon.keyword) {
      style.icons[icon.slot] = true;
      return;
    }
  }
  for (const ButtonKeyword& entry : ButtonKeywords()) {
    if (piece != entry.keyword) continue;
    if (piece == "vbcontinuecancel") style.icons[kIconInformation] = true;
    for (const MsgButton& button : entry.buttons) {
      if (static_cast<int>(style.buttons.size()) < kMsgMaxButtons) style.buttons.push_back(button);
    }
    return;
  }
}

}  // namespace

MsgStyle ParseMsgStyle(std::string_view style) {
  std::string lower(style);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });

  MsgStyle result;
  std::string_view rest = lower;
  while (true) {
    const auto plus = rest.find('+');
    ApplyPiece(TrimBlanks(rest.substr(0, plus)), result);
    if (plus == std::string_view::npos) break;
    rest.remove_prefix(plus + 1);
  }
  if (result.buttons.empty()) result.buttons.push_back(kOk);
  return result;
}

}  // namespace kalvero
