// The text of a code from the message database, as the user reads it.
#ifndef FENWIX_ERROR_MESSAGE_TEXT_H
#define FENWIX_ERROR_MESSAGE_TEXT_H

#include <string>

// The code's text in the library's language, in the program's encoding; the database's
// own "no message" texts when the file or the code is missing.
std::string MessageText(int code);

#endif
