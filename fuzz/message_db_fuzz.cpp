// Looks messages up in an arbitrary database file: the first three bytes choose the code
// and the language, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fenwix/error/message_db.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  static const char* const kLanguages[] = {"FR", "US", "DE", ""};
  const int code = static_cast<std::int16_t>(data[0] | data[1] << 8);
  const std::string language = kLanguages[data[2] % 4];
  const std::string database(reinterpret_cast<const char*>(data) + 3, size - 3);
  // A record's message sits between two delimiters, so it is never empty, and neither is
  // the text for a missing one.
  if (LookupMessage(database, code, language).empty()) std::abort();
  return 0;
}
