// The language of the texts the library shows the user: the messages of error reports and
// the status texts of refused fields.
#ifndef FENWIX_ERROR_LANGUAGE_H
#define FENWIX_ERROR_LANGUAGE_H

#include <string>

// "FR" or "US", as the message database spells it; "FR" until the program chooses.
const char* TextLanguage();

// Makes the language the word names, in any case, the one of every text from now on;
// false, and no change, for a word that names neither.
bool ChooseTextLanguage(const std::string& word);

#endif
