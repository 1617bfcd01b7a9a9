// Looks keys up in arbitrary property strings and converts arbitrary values: the input is
// a key, a line break, then the property string.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/props/property_string.h"
#include "fenwix/props/value_convert.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t lineBreak = input.find('\n');
  const std::string key = input.substr(0, lineBreak);
  const std::string properties =
      lineBreak == std::string::npos ? "" : input.substr(lineBreak + 1);

  const std::string value = GetProperty(key, properties);
  // A value is a trimmed piece of one entry: it never spans entries or adds anything.
  Require(value.find(';') == std::string::npos);
  Require(value.empty() || (properties.find(value) != std::string::npos &&
                            value.front() != ' ' && value.back() != ' '));
  Require(UpperCase(input).size() == input.size());

  TextToInt(value, 10);
  TextToInt(value, 16);
  TextToInt(input, 10);
  ColorFromText(value);
  return 0;
}
