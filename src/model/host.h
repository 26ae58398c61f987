#pragma once
// The engine's only way to reach the user. The window implements it with its
// own message box and event loop; tests and the command-line tool fake it.
#include <string>

#include "model/words.h"

namespace kalvero {

// Result codes of a message: the button the user chose.
enum class MsgResult : int {
  Normal = 0,  // the single "Ok" of the "vbnormal" style
  Ok = 1,
  Cancel = 2,
  Abort = 3,
  Retry = 4,
  Ignore = 5,
  Yes = 6,
  No = 7,
};

// A host is also the language its texts are built in (English unless the
// window says otherwise).
class Host : public Words {
 public:
  // Lets pending window events run. Long engine work calls this at fixed
  // points; an implementation keeps it cheap when nothing is pending.
  virtual void Yield() = 0;

  // Shows a message with a style string such as "vbok+vbcritical" and
  // returns the button chosen.
  virtual MsgResult Message(const std::string& text, const std::string& style) = 0;

  // Asks for a line of text; "" when cancelled.
  virtual std::string Input(const std::string& prompt, const std::string& defaultText, bool digitsOnly) = 0;
};

// A host that never shows anything: yields do nothing, messages answer Ok,
// questions answer with their default. For batch work and tests.
class SilentHost : public Host {
 public:
  void Yield() override {}
  MsgResult Message(const std::string&, const std::string&) override { return MsgResult::Ok; }
  std::string Input(const std::string&, const std::string& defaultText, bool) override { return defaultText; }
};

}  // namespace kalvero
