// The calculator's arithmetic, apart from any window: it takes the names of the keys
// pressed and says what the display shows next. Integers are signed 32-bit and wrap.
#ifndef NUMLET_CALC_ENGINE_H
#define NUMLET_CALC_ENGINE_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The key that takes back the last digit typed; no item of the form bears its name.
inline constexpr const char kBackspaceKey[] = "Backspace";

// The calculator key that a typed character stands for: a digit, "+", "-", "*" or "=";
// nullptr for any other character.
const char* KeyOfCharacter(char character);

// The keys that a text stands for, character by character, blanks skipped; nothing when
// the text holds any other character.
std::optional<std::vector<std::string>> KeysOfText(const std::string& text);

class CalcEngine {
 public:
  // One key press, by the key's item name. The new display text, or nothing when the
  // display keeps what it shows (an operator as the first key, a name that is no key).
  // An empty text stands for "0".
  std::optional<std::string> press(const std::string& key);

  // Back to the state at start-up: accumulator 0, no entry, no pending operator.
  void reset();

  std::int32_t accumulator() const { return accumulator_; }
  const std::string& entryText() const { return entryText_; }
  const std::string& pendingOperator() const { return pendingOperator_; }

 private:
  std::string pressDigit(const std::string& digit);
  std::optional<std::string> pressOperator(const std::string& op);
  std::optional<std::string> pressBackspace();

  std::int32_t accumulator_ = 0;
  // Decimal digits typed since the last operator; never a sign, never "0" followed by more.
  std::string entryText_;
  // "+", "-", "*" or "="; empty until the first operator key.
  std::string pendingOperator_;
};

#endif
