// The reader of form files: text in, forms with their items and columns out, or the first
// line it refuses. It knows nothing of windows or of the registry's state, so that the
// sanitizers and the fuzzer reach it on any machine.
//
//   form    NAME  X Y WIDTH HEIGHT        PROPERTIES
//   item    NAME  TYPE X Y WIDTH HEIGHT   PROPERTIES
//   column  ITEM  NAME                    PROPERTIES
//
// Blank lines and lines whose first non-blank character is "#" are skipped. The
// properties are the rest of the line as it stands, in the keys the declaring calls take.
#ifndef FENWIX_FORMFILE_FORM_FILE_READER_H
#define FENWIX_FORMFILE_FORM_FILE_READER_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"

// The codes of a refused form file. A declaration the declaring calls refuse (an unknown
// item type, a bad field type or format) keeps the call's own code.
namespace formfile_code {
inline constexpr ErrorCode kUnreadable = 1060;      // the file could not be read or watched
inline constexpr ErrorCode kUnknownWord = 1061;     // a line that is no declaration
inline constexpr ErrorCode kMissingNumber = 1062;   // a word missing, or not a whole number
inline constexpr ErrorCode kOutOfRange = 1063;      // a place or size beyond a form's
inline constexpr ErrorCode kDuplicateName = 1064;   // a form, item or column named twice
inline constexpr ErrorCode kOutsideForm = 1065;     // an item or column before any form
inline constexpr ErrorCode kNotAGrid = 1066;        // a column of no DATAGRID item of the form
inline constexpr ErrorCode kBadUtf8 = 1067;         // a line that is not well-formed UTF-8
inline constexpr ErrorCode kFormOpen = 1068;        // a form open while a file declares it
inline constexpr ErrorCode kNotDeclared = 1069;     // no form file declared the form or file
}  // namespace formfile_code

struct FormFileItem {
  std::string name, type;
  std::int32_t sequence = 0;  // its place among its form's items, from 1
  std::int32_t x = 0, y = 0, width = 0, height = 0;
  std::string properties;
  std::int32_t line = 0;
};

struct FormFileColumn {
  std::string item, name, properties;
  std::int32_t line = 0;
};

struct FormFileForm {
  std::string name;
  std::int32_t x = 0, y = 0, width = 0, height = 0;
  std::string properties;
  std::int32_t line = 0;
  std::vector<FormFileItem> items;      // in file order
  std::vector<FormFileColumn> columns;  // in file order
  // The items' records as checked, by item key, moved into the registry whole when the form
  // is declared: a kept form holds none.
  ItemMap records;
};

// Where a file was refused: the code, its line (from 1) and the word at fault.
struct FormFileError {
  ErrorCode code = 0;
  std::int32_t line = 0;
  std::string word;
};

// Reads the whole text (UTF-8, a byte-order mark allowed at its start). On success the
// forms are in file order and the error's code is 0; on a refusal the forms are empty.
FormFileError ReadFormFile(std::string_view text, std::vector<FormFileForm>& forms);

#endif
