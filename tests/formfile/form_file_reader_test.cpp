// The form-file reader: what it accepts and how it reads it, and every refusal with its
// code, its line and the word at fault.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenwix/formfile/form_file_reader.h"

namespace {

namespace code = formfile_code;

TEST(FormFileReaderTest, ReadsFormsItemsAndColumnsInFileOrder) {
  const std::string text =
      "\xEF\xBB\xBF# the orders form\r\n"
      "\n"
      "form  orders 10 -20 400 300   name=Commandes \xC3\xA9t\xC3\xA9;bkcol=white  \r\n"
      "  item name EDIT 5 6 100 20 remark=Nom;notnull=true\n"
      "\titem\tlines\tDATAGRID 0 30 380 200\n"
      "column lines qty title=Qt\xC3\xA9;type=currency;format=9999.88\n"
      "form other 0 0 1 1\n"
      "item ok BUTTON 1 2 3 4 button=OK";
  std::vector<FormFileForm> forms;
  const FormFileError error = ReadFormFile(text, forms);
  ASSERT_EQ(error.code, 0) << "line " << error.line << " word " << error.word;
  ASSERT_EQ(forms.size(), 2u);
  const FormFileForm& orders = forms[0];
  EXPECT_EQ(orders.name, "orders");
  EXPECT_EQ(orders.x, 10);
  EXPECT_EQ(orders.y, -20);
  EXPECT_EQ(orders.width, 400);
  EXPECT_EQ(orders.height, 300);
  EXPECT_EQ(orders.line, 3);
  EXPECT_EQ(orders.properties, "name=Commandes \xC3\xA9t\xC3\xA9;bkcol=white  ");
  ASSERT_EQ(orders.items.size(), 2u);
  EXPECT_EQ(orders.items[0].name, "name");
  EXPECT_EQ(orders.items[0].type, "EDIT");
  EXPECT_EQ(orders.items[0].sequence, 1);
  EXPECT_EQ(orders.items[0].properties, "remark=Nom;notnull=true");
  EXPECT_EQ(orders.items[1].name, "lines");
  EXPECT_EQ(orders.items[1].sequence, 2);
  EXPECT_EQ(orders.items[1].line, 5);
  EXPECT_EQ(orders.items[1].properties, "");
  ASSERT_EQ(orders.columns.size(), 1u);
  EXPECT_EQ(orders.columns[0].item, "lines");
  EXPECT_EQ(orders.columns[0].name, "qty");
  ASSERT_EQ(forms[1].items.size(), 1u);
  EXPECT_EQ(forms[1].items[0].sequence, 1);
  EXPECT_EQ(forms[1].items[0].properties, "button=OK");
}

TEST(FormFileReaderTest, RefusesTheFirstBadLineAndDeclaresNothing) {
  const std::string form = "form f 0 0 100 100\n";
  const std::string grid = form + "item g DATAGRID 0 0 10 10\n";
  struct Case {
    std::string text;
    ErrorCode expected;
    std::int32_t line;
    const char* word;
  } cases[] = {
      {"forms f 0 0 1 1", code::kUnknownWord, 1, "FORMS"},
      {form + "  widget x EDIT 0 0 1 1", code::kUnknownWord, 2, "WIDGET"},
      {"item x EDIT 0 0 1 1\n" + form, code::kOutsideForm, 1, "ITEM"},
      {"column g c\n", code::kOutsideForm, 1, "COLUMN"},
      {"form f 0 0 100", code::kMissingNumber, 1, ""},
      {"form f 0 0 100 1O0", code::kMissingNumber, 1, "1O0"},
      {"form f 0 0 100 -", code::kMissingNumber, 1, "-"},
      {"form", code::kMissingNumber, 1, "FORM"},
      {form + "item x", code::kMissingNumber, 2, "ITEM"},
      {form + "item x EDIT 0 0 1", code::kMissingNumber, 2, ""},
      {form + "item x EDIT 0 0 1.5 2", code::kMissingNumber, 2, "1.5"},
      {grid + "column g", code::kMissingNumber, 3, "COLUMN"},
      {"form f -32769 0 1 1", code::kOutOfRange, 1, "-32769"},
      {"form f 0 32768 1 1", code::kOutOfRange, 1, "32768"},
      {"form f 0 0 -1 1", code::kOutOfRange, 1, "-1"},
      {"form f 0 0 1 99999999999999999999999", code::kOutOfRange, 1, "99999999999999999999999"},
      {form + "form f 0 0 1 1", code::kDuplicateName, 2, "f"},
      {form + "item a EDIT 0 0 1 1\n# note\nitem a BUTTON 0 0 1 1", code::kDuplicateName, 4, "a"},
      {grid + "column g c\ncolumn g c title=again", code::kDuplicateName, 4, "c"},
      {form + "item a EDIT 0 0 1 1\ncolumn a c", code::kNotAGrid, 3, "a"},
      {form + "column nothing c", code::kNotAGrid, 2, "nothing"},
      {grid + "form h 0 0 1 1\ncolumn g c", code::kNotAGrid, 4, "g"},
      {form + "item a EDIT 0 0 1 1 value=\xC3", code::kBadUtf8, 2, ""},
      {"# \xFF\xFE comment\n", code::kBadUtf8, 1, ""},
      {"\xEF\xBB\xBF\xEF\xBB\xBF form f 0 0 1 1", code::kUnknownWord, 1, "\xEF\xBB\xBF"},
      {"form a.b 0 0 1 1", 26, 1, "a.b"},
      {form + "item a edit 0 0 1 1", 20, 2, "a"},
      {form + "item a EDIT 0 0 1 1 type=number", 21, 2, "a"},
      {form + "item a BUTTON 0 0 1 1 type=date", 23, 2, "a"},
      {form + "item a EDIT 0 0 1 1 type=date", 24, 2, "a"},
      {form + "item a EDIT 0 0 1 1 brdstyle=wavy", 25, 2, "a"},
      {grid + "column g c type=date", 24, 3, "c"},
      {grid + "column g c type=money", 21, 3, "c"},
  };
  for (const Case& c : cases) {
    std::vector<FormFileForm> forms;
    const FormFileError error = ReadFormFile(c.text, forms);
    EXPECT_EQ(error.code, c.expected) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_EQ(error.word, c.word) << c.text;
    EXPECT_TRUE(forms.empty()) << "expected nothing declared, got " << forms.size()
                               << " forms from: " << c.text;
  }
}

}  // namespace
