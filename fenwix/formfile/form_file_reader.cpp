// Reads a form file line by line and checks every declaration as the declaring calls will,
// so that a file that passes declares without a refusal.
#include "fenwix/formfile/form_file_reader.h"

#include <algorithm>
#include <cstddef>

#include "fenwix/grid/grid_column.h"
#include "fenwix/props/property_string.h"
#include "fenwix/registry/item_add.h"
#include "fenwix/text/utf.h"

namespace {

// Dialog templates hold places and sizes in 16 bits.
constexpr std::int32_t kLowestPlace = -32768;
constexpr std::int32_t kHighestPlace = 32767;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A line taken apart into its leading words and the rest.
class LineWords {
 public:
  explicit LineWords(std::string_view line) : line_(line) {}

  // The next word, or an empty view at the end of the line.
  std::string_view Next() {
    SkipBlanks();
    const std::size_t start = at_;
    while (at_ < line_.size() && !IsBlank(line_[at_])) ++at_;
    return line_.substr(start, at_ - start);
  }

  // The properties: whatever follows the blanks after the last word.
  std::string Rest() {
    SkipBlanks();
    return std::string(line_.substr(at_));
  }

 private:
  void SkipBlanks() {
    while (at_ < line_.size() && IsBlank(line_[at_])) ++at_;
  }
  std::string_view line_;
  std::size_t at_ = 0;
};

// Decimal digits with an optional sign, within [low, high]; the code of a refusal.
ErrorCode ReadNumber(std::string_view word, std::int32_t low, std::int32_t high,
                     std::int32_t& value) {
  std::size_t at = word.empty() || (word[0] != '-' && word[0] != '+') ? 0 : 1;
  if (at == word.size()) return formfile_code::kMissingNumber;
  std::int64_t magnitude = 0;
  for (; at < word.size(); ++at) {
    if (word[at] < '0' || word[at] > '9') return formfile_code::kMissingNumber;
    // Once beyond every range the digits still have to be checked, but not summed.
    if (magnitude <= kHighestPlace + 1) magnitude = magnitude * 10 + (word[at] - '0');
  }
  const std::int64_t number = word[0] == '-' ? -magnitude : magnitude;
  if (number < low || number > high) return formfile_code::kOutOfRange;
  value = static_cast<std::int32_t>(number);
  return 0;
}

bool IsWellFormed(std::string_view line) {
  const bool ascii = std::all_of(line.begin(), line.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return true;
  // Conversion replaces each ill-formed part by U+FFFD, so only a well-formed line comes
  // back as it went.
  return Utf16ToUtf8(Utf8ToUtf16(line)) == line;
}

// The word is the upper-case keyword in any case.
bool IsWord(std::string_view word, std::string_view keyword) {
  return word.size() == keyword.size() &&
         std::equal(word.begin(), word.end(), keyword.begin(), [](char a, char b) {
           return (a >= 'a' && a <= 'z' ? static_cast<char>(a - 'a' + 'A') : a) == b;
         });
}

class Reader {
 public:
  explicit Reader(std::vector<FormFileForm>& forms) : forms_(forms) {}

  FormFileError Line(std::string_view line, std::int32_t number) {
    line_ = number;
    if (!IsWellFormed(line)) return Refused(formfile_code::kBadUtf8, std::string());
    LineWords words(line);
    const std::string_view keyword = words.Next();
    if (keyword.empty() || keyword[0] == '#') return {};
    if (IsWord(keyword, "FORM")) return Form(words);
    if (IsWord(keyword, "ITEM")) return Item(words);
    if (IsWord(keyword, "COLUMN")) return Column(words);
    return Refused(formfile_code::kUnknownWord, UpperCase(std::string(keyword)));
  }

 private:
  FormFileError Refused(ErrorCode code, std::string word) const { return {code, line_, word}; }

  // The place and size that follow a name: the code of the first bad one.
  FormFileError Rectangle(LineWords& words, std::int32_t& x, std::int32_t& y,
                          std::int32_t& width, std::int32_t& height) const {
    std::int32_t* const targets[] = {&x, &y, &width, &height};
    for (std::size_t i = 0; i < 4; ++i) {
      const std::string_view word = words.Next();
      const std::int32_t low = i < 2 ? kLowestPlace : 0;
      if (const ErrorCode code = ReadNumber(word, low, kHighestPlace, *targets[i]))
        return Refused(code, std::string(word));
    }
    return {};
  }

  FormFileError Form(LineWords& words) {
    FormFileForm form;
    form.line = line_;
    form.name = std::string(words.Next());
    if (form.name.empty()) return Refused(formfile_code::kMissingNumber, "FORM");
    if (form.name.find('.') != std::string::npos) return Refused(26, form.name);
    for (const FormFileForm& earlier : forms_) {
      if (earlier.name == form.name) return Refused(formfile_code::kDuplicateName, form.name);
    }
    const FormFileError place = Rectangle(words, form.x, form.y, form.width, form.height);
    if (place.code) return place;
    form.properties = words.Rest();
    forms_.push_back(std::move(form));
    return {};
  }

  FormFileError Item(LineWords& words) {
    if (forms_.empty()) return Refused(formfile_code::kOutsideForm, "ITEM");
    FormFileForm& form = forms_.back();
    FormFileItem item;
    item.line = line_;
    item.name = std::string(words.Next());
    item.type = std::string(words.Next());
    if (item.type.empty()) return Refused(formfile_code::kMissingNumber, "ITEM");
    const std::string key = ItemKey(form.name, item.name);
    if (form.records.count(key)) return Refused(formfile_code::kDuplicateName, item.name);
    const FormFileError place = Rectangle(words, item.x, item.y, item.width, item.height);
    if (place.code) return place;
    item.properties = words.Rest();
    item.sequence = static_cast<std::int32_t>(form.items.size()) + 1;
    ItemDef record;
    if (const ErrorCode code = MakeItemRecord(item.type, item.sequence, item.x, item.y,
                                              item.width, item.height, item.properties, record))
      return Refused(code, item.name);
    form.records.emplace(key, std::move(record));
    form.items.push_back(std::move(item));
    return {};
  }

  FormFileError Column(LineWords& words) {
    if (forms_.empty()) return Refused(formfile_code::kOutsideForm, "COLUMN");
    FormFileForm& form = forms_.back();
    FormFileColumn column;
    column.line = line_;
    column.item = std::string(words.Next());
    column.name = std::string(words.Next());
    if (column.name.empty()) return Refused(formfile_code::kMissingNumber, "COLUMN");
    const auto grid = form.records.find(ItemKey(form.name, column.item));
    if (grid == form.records.end() || grid->second.type != fx::item::DATAGRID)
      return Refused(formfile_code::kNotAGrid, column.item);
    for (const FormFileColumn& earlier : form.columns) {
      if (earlier.item == column.item && earlier.name == column.name)
        return Refused(formfile_code::kDuplicateName, column.name);
    }
    column.properties = words.Rest();
    GridColumn declared;
    if (const ErrorCode code = ColumnFromProperties(column.name, column.properties, declared))
      return Refused(code, column.name);
    form.columns.push_back(std::move(column));
    return {};
  }

  std::vector<FormFileForm>& forms_;
  std::int32_t line_ = 0;
};

}  // namespace

FormFileError ReadFormFile(std::string_view text, std::vector<FormFileForm>& forms) {
  forms.clear();
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  Reader reader(forms);
  std::int32_t number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // A file of more lines than a number holds is read on, its later lines all named last.
    if (number < INT32_MAX) ++number;
    const FormFileError error = reader.Line(line, number);
    if (error.code) {
      forms.clear();
      return error;
    }
  }
  return {};
}
