// A field's text kept to its LENGTH, and the word the user gets when a text was cut.
#ifndef FENWIX_FORM_TEXT_CUT_H
#define FENWIX_FORM_TEXT_CUT_H

#include <string>

#include "fenwix/registry/registry.h"

// As much of the text as the field takes, counted as its control counts: the whole text
// when it has no LENGTH, or when it is a combo box that only lists its entries.
std::string TextWithinLength(const ItemDef& item, const std::string& text);

// Says in the form's status bar, in the library's language, that a text was cut to its
// field's length.
void SayTextCut(const std::string& formName);

#endif
