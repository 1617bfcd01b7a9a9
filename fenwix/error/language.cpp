// The language chosen for the library's texts, kept for the whole run. Reports read it, so
// it reports nothing itself: FX_LanguageSet does that for the word it refuses.
#include "fenwix/error/language.h"

#include <string>

#include "fenwix/error/message_db.h"
#include "fenwix/props/property_string.h"

namespace {
const char* chosen = kFrench;
}  // namespace

const char* TextLanguage() { return chosen; }

bool ChooseTextLanguage(const std::string& word) {
  // Matched like the library's other value words, without regard to case.
  const std::string upper = UpperCase(word);
  if (upper == kFrench) {
    chosen = kFrench;
  } else if (upper == kEnglish) {
    chosen = kEnglish;
  } else {
    return false;
  }
  return true;
}
