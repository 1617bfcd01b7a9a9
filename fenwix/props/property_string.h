// Property strings: "key=value;key=value", keys matched without regard to ASCII case,
// values kept in their case and trimmed of spaces.
#ifndef FENWIX_PROPS_PROPERTY_STRING_H
#define FENWIX_PROPS_PROPERTY_STRING_H

#include <string>

// A copy of text with "a" to "z" raised; every other byte, 128 to 255 included, unchanged.
std::string UpperCase(std::string text);

// The value of the leftmost entry "key=" that starts the string or follows a ";", or the
// empty text. Never fails.
std::string GetProperty(std::string key, std::string properties);

#endif
