// Reads and writes dates from arbitrary bytes: the input is a format, a line break, then
// the typed text. Also checks that a value read back from its own full writing is the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fenwix/formats/date_value.h"

namespace {

// Every field, so that reading it back must give the same time.
constexpr const char kAllFields[] = "yyyy/mm/dd hh:nn:ss";

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t lineBreak = input.find('\n');
  const std::string format = input.substr(0, lineBreak);
  const std::string text = lineBreak == std::string::npos ? "" : input.substr(lineBreak + 1);

  DateValue date;
  date.setFormat(format);
  date.parse(text);
  Require(date.error() >= DateValue::kOk && date.error() <= DateValue::kNoFormat);
  Require(date.error() == DateValue::kOk || (date.isNull() && date.time() == 0));

  date.format("");
  Require(date.error() == DateValue::kOk || date.error() == DateValue::kNoFormat);
  date.format(text);

  if (!date.isNull()) {
    DateValue again;
    again.setFormat(kAllFields);
    again.parse(date.format(kAllFields));
    Require(again.error() == DateValue::kOk && again.time() == date.time());
  }
  return 0;
}
