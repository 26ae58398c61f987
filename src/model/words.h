#pragma once
// Texts shown to a person, in the user's language. The engine writes them in
// English and marks each literal with QT_TRANSLATE_NOOP("Kalvero", ...) so
// the translation tools collect it; a Words object puts a marked text into
// the user's language when the text is built. The engine itself stays free of
// Qt: the window supplies a Words that asks Qt's translator, and the tool and
// the tests use the English one.
#include <initializer_list>
#include <string>
#include <string_view>

// The marker the translation tools look for; it leaves the text as it is.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kalvero {

class Words {
 public:
  virtual ~Words() = default;
  // The marked English text in the user's language; English by default.
  virtual std::string Text(const char* english) const { return english; }
};

// English words, for the tool and for callers without a window.
const Words& EnglishWords();

// The template with "%1" .. "%9" replaced by the arguments, in one pass (an
// argument holding "%2" stays as it is). Translations may reorder them.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace kalvero
