// The encoding of the texts that the program and the library exchange: the system's ANSI
// code page (the default), or UTF-8. Inside, the platform's texts are UTF-16.
#ifndef FENWIX_TEXT_ENCODING_H
#define FENWIX_TEXT_ENCODING_H

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

// The platform's UTF-16 texts.
using WideString = std::basic_string<WCHAR>;
using WideView = std::basic_string_view<WCHAR>;

bool Utf8Text();
void SetUtf8Text(bool utf8);

// A program's text as UTF-16.
WideString WideText(std::string_view text);

// A UTF-16 text of the platform's as UTF-8, the program's text in UTF-8 mode.
std::string Utf8FromWide(WideView text);

// A text of the message file (Windows-1252) as the program reads texts.
std::string ProgramTextFromCp1252(const std::string& text);

// A UTF-8 text (a form file's) as the program reads texts: in ANSI mode, in the system's
// code page, with the platform's stand-in for a character the page lacks.
std::string ProgramTextFromUtf8(std::string_view utf8);

// The length in bytes of the part of a text that a control limited to units characters
// keeps: bytes in ANSI, UTF-16 units in UTF-8, never cutting a character.
std::size_t TextPrefixOfUnits(const std::string& text, std::size_t units);

#endif
