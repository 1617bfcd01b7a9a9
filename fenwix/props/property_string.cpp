// Looks one key up in a property string.
#include "fenwix/props/property_string.h"

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string GetProperty(std::string key, std::string properties) {
  if (key.empty() || properties.empty()) return std::string();
  const std::string upper = UpperCase(properties);
  const std::string target = UpperCase(key) + "=";

  // An occurrence counts only at the start of an entry, so NAME is not found inside FTNAME.
  std::string::size_type p = upper.find(target);
  while (p != std::string::npos && p != 0 && upper[p - 1] != ';') p = upper.find(target, p + 1);
  if (p == std::string::npos) return std::string();

  const std::string::size_type start = p + target.size();
  std::string::size_type end = properties.find(';', start);
  if (end == std::string::npos) end = properties.size();

  // Only spaces are trimmed: a tab belongs to the value.
  std::string::size_type first = properties.find_first_not_of(' ', start);
  if (first == std::string::npos || first >= end) return std::string();
  std::string::size_type last = properties.find_last_not_of(' ', end - 1);
  return properties.substr(first, last - first + 1);
}
