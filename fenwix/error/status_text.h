// The status texts of a refused field, in the library's language.
#ifndef FENWIX_FORMPROC_STATUS_TEXT_H
#define FENWIX_FORMPROC_STATUS_TEXT_H

// "Saisie obligatoire" or "Input required": a required field was left empty.
const char* RequiredInputText();
// "Saisie incorrecte" or "Invalid input": a date or an amount could not be read.
const char* InvalidInputText();

#endif
