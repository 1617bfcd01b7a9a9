// FX_LanguageSet and the language it chooses, kept for the whole run.
#include "fenwix/error/language.h"

#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/message_db.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/props/property_string.h"

namespace {
const char* chosen = kFrench;
}  // namespace

const char* TextLanguage() { return chosen; }

ErrorCode FX_LanguageSet(std::string language) {
  SaveErrorContext();
  // A report names the refused word where other reports name their window or item.
  SetErrorContext(language, "FX_LanguageSet");
  // Matched like the library's other value words, without regard to case.
  const std::string upper = UpperCase(language);
  if (upper == kFrench) {
    chosen = kFrench;
  } else if (upper == kEnglish) {
    chosen = kEnglish;
  } else {
    return Reported(19);
  }
  RestoreErrorContext();
  return 0;
}
