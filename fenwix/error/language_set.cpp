// FX_LanguageSet: the program's choice of language, and the report of a word that names
// none.
#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/language.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"

ErrorCode FX_LanguageSet(std::string language) {
  SaveErrorContext();
  // A report names the refused word where other reports name their window or item.
  SetErrorContext(language, "FX_LanguageSet");
  if (!ChooseTextLanguage(language)) return Reported(29);
  RestoreErrorContext();
  return 0;
}
