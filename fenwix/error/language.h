// The language of the texts the library shows the user: the messages of error reports and
// the status texts of refused fields.
#ifndef FENWIX_ERROR_LANGUAGE_H
#define FENWIX_ERROR_LANGUAGE_H

// "FR" or "US", as the message database spells it; "FR" until the program chooses.
const char* TextLanguage();

#endif
