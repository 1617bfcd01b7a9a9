// The status texts of a refused field, in the language chosen with FX_LanguageSet.
#include "fenwix/error/status_text.h"

#include <cstring>

#include "fenwix/error/language.h"
#include "fenwix/error/message_db.h"

namespace {
bool InEnglish() { return std::strcmp(TextLanguage(), kEnglish) == 0; }
}  // namespace

const char* RequiredInputText() { return InEnglish() ? "Input required" : "Saisie obligatoire"; }
const char* InvalidInputText() { return InEnglish() ? "Invalid input" : "Saisie incorrecte"; }
