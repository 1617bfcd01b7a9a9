// Key handling and arithmetic of the calculator.
#include "app/calc_engine.h"

#include <cctype>
#include <cstring>

#include "fenwix/fenwix.h"

namespace {

constexpr const char kClear[] = "C/CE";

bool IsOperator(const std::string& key) {
  return key == "+" || key == "-" || key == "*" || key == "=";
}

// Any item name between "0" and "9" in byte order counts as a digit key; the round trip
// through TextToInt in pressDigit refuses whatever is not a digit in effect.
bool IsDigitKey(const std::string& key) { return key >= "0" && key <= "9"; }

// Two's-complement wrap-around without signed overflow: compute on the unsigned bits and
// map them back into the signed range explicitly.
std::int32_t FromBits(std::uint32_t bits) {
  if (bits <= 0x7FFFFFFFu) return static_cast<std::int32_t>(bits);
  return -static_cast<std::int32_t>(~bits) - 1;
}

std::int32_t Apply(const std::string& op, std::int32_t left, std::int32_t right) {
  const std::uint32_t a = static_cast<std::uint32_t>(left);
  const std::uint32_t b = static_cast<std::uint32_t>(right);
  if (op == "+") return FromBits(a + b);
  if (op == "-") return FromBits(a - b);
  if (op == "*") return FromBits(a * b);
  return left;  // "=" repeats nothing
}

}  // namespace

const char* KeyOfCharacter(char character) {
  static const char* const kKeys[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                      "+", "-", "*", "="};
  static const char kCharacters[] = "0123456789+-*=";
  const char* found = character ? std::strchr(kCharacters, character) : nullptr;
  return found ? kKeys[found - kCharacters] : nullptr;
}

std::optional<std::vector<std::string>> KeysOfText(const std::string& text) {
  std::vector<std::string> keys;
  for (const char character : text) {
    if (std::isspace(static_cast<unsigned char>(character))) continue;
    const char* key = KeyOfCharacter(character);
    if (!key) return std::nullopt;
    keys.push_back(key);
  }
  return keys;
}

std::optional<std::string> CalcEngine::press(const std::string& key) {
  if (IsDigitKey(key)) return pressDigit(key);
  if (key == kClear) {
    reset();
    return std::string("0");
  }
  if (IsOperator(key)) return pressOperator(key);
  if (key == kBackspaceKey) return pressBackspace();
  return std::nullopt;
}

void CalcEngine::reset() {
  accumulator_ = 0;
  entryText_.clear();
  pendingOperator_.clear();
}

std::string CalcEngine::pressDigit(const std::string& digit) {
  // The candidate is taken only if it survives the round trip unchanged: this keeps the
  // entry within the signed 32-bit range and refuses any digit after a lone "0".
  const std::string candidate = entryText_ + digit;
  if (IntToText(TextToInt(candidate, 10)) == candidate) entryText_ = candidate;
  // A number typed after "=" starts a new calculation.
  if (pendingOperator_ == "=") accumulator_ = TextToInt(entryText_, 10);
  return entryText_;
}

std::optional<std::string> CalcEngine::pressOperator(const std::string& op) {
  std::optional<std::string> shown;
  const std::int32_t entry = TextToInt(entryText_, 10);  // the empty entry counts as 0
  if (pendingOperator_.empty()) {
    accumulator_ = entry;
  } else {
    accumulator_ = Apply(pendingOperator_, accumulator_, entry);
    shown = IntToText(accumulator_);
  }
  entryText_.clear();
  pendingOperator_ = op;
  return shown;
}

std::optional<std::string> CalcEngine::pressBackspace() {
  // Only a number being typed loses a digit; a result stays as it is shown.
  if (entryText_.empty()) return std::nullopt;
  entryText_.pop_back();
  // After "=" the number being typed is the accumulator, as each of its digits made it.
  if (pendingOperator_ == "=") accumulator_ = TextToInt(entryText_, 10);
  return entryText_;
}
