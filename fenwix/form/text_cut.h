// A field's text kept to its LENGTH, and the word the user gets when a text was cut.
#ifndef FENWIX_FORM_TEXT_CUT_H
#define FENWIX_FORM_TEXT_CUT_H

#include <string>

#include "fenwix/registry/registry.h"

// The text as much of it as the field takes: the whole text without a LENGTH, and for a
// combo box that only lists its entries, which the user never types into.
std::string TextWithinLength(const ItemDef& item, const std::string& text);

// Says in the form's status bar, in the library's language, that a text was cut to its
// field's length.
void SayTextCut(const std::string& formName);

#endif
