// Reads arbitrary bytes as a form file. Whatever comes in, the reader either refuses it
// with a code and a line within the text and declares nothing, or gives forms whose items
// are numbered from 1 in order and whose columns belong to grids of the same form.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "fenwix/formfile/form_file_reader.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsGridOf(const FormFileForm& form, const std::string& name) {
  return std::any_of(form.items.begin(), form.items.end(), [&](const FormFileItem& item) {
    return item.name == name && item.type == fx::item::DATAGRID;
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<FormFileForm> forms;
  const FormFileError error = ReadFormFile(text, forms);
  const auto lines = static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  if (error.code) {
    Require(forms.empty());
    Require(error.line >= 1 && error.line <= lines);
    return 0;
  }
  for (const FormFileForm& form : forms) {
    Require(!form.name.empty() && form.line >= 1 && form.line <= lines);
    for (std::size_t i = 0; i < form.items.size(); ++i)
      Require(form.items[i].sequence == static_cast<std::int32_t>(i) + 1);
    for (const FormFileColumn& column : form.columns) Require(IsGridOf(form, column.item));
  }
  return 0;
}
