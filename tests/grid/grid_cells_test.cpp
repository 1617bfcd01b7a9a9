// The pure parts of a grid: cells read and written by their column's type, stored
// compactly, sorted, and copied as text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fenwix/grid/grid_cells.h"
#include "fenwix/grid/grid_column.h"
#include "fenwix/grid/row_order.h"

namespace {

GridColumn Declared(const std::string& properties) {
  GridColumn column;
  EXPECT_EQ(ColumnFromProperties("c", properties, column), 0) << properties;
  return column;
}

TEST(GridColumn, CellsReadUnderTheTypeAndWrittenBackFromTheirNumber) {
  const struct {
    const char* properties;
    const char* typed;
    int code;
    const char* shown;  // written again from the number the cell is kept as
  } cases[] = {
      {"type=DATE;format=dd/mm/yyyy", "5.3.2024", 0, "05/03/2024"},
      {"type=DATE;format=dd/mm/yyyy", "31/12/9999", 0, "31/12/9999"},
      {"type=DATE;format=dd/mm/yyyy", "01/01/1601", 0, "01/01/1601"},
      {"type=DATE;format=dd/mm/yyyy hh:nn", "1/2/2024 23:59", 0, "01/02/2024 23:59"},
      {"type=DATE;format=dd/mm/yyyy", "", 0, ""},
      {"type=DATE;format=dd/mm/yyyy;notnull=true", "", 8, ""},
      {"type=DATE;format=dd/mm/yyyy", "32/01/2024", 1, ""},
      {"type=DATE;format=dd/mm/yyyy", "31/02/2024", 1, ""},  // never carried into March
      {"type=DATE;format=dd/mm/yyyy", "29/02/2023", 1, ""},
      {"type=DATE;format=dd/mm/yyyy", "31/04/2024", 1, ""},
      {"type=DATE;format=dd/mm/yyyy", "30/02/2000", 1, ""},
      {"type=DATE;format=dd/mm/yyyy", "29/02/2100", 1, ""},
      {"type=DATE;format=dd/mm/yyyy", "29/02/2024", 0, "29/02/2024"},
      {"type=DATE;format=dd/mm/yyyy", "29/02/2000", 0, "29/02/2000"},
      {"type=CURRENCY;format=99999.88", "12.5", 0, "12.50"},
      {"type=CURRENCY;format=99999.88", "-0.05", 0, "-0.05"},
      {"type=CURRENCY;format=99999.88", "-0.001", 0, "0.00"},
      {"type=CURRENCY;format=99999.88", ".999", 0, "0.99"},
      {"type=CURRENCY;format=99999,88", "7,25", 0, "7,25"},
      {"type=CURRENCY;format=999", "42", 0, "42"},
      {"type=CURRENCY;format=999.88", "123456.7", 0, "456.70"},  // as the field shows it
      {"type=CURRENCY;format=999999999999999999", "999999999999999999", 0, "999999999999999999"},
      {"type=CURRENCY;format=99999.88", "twelve", 1, ""},
      {"type=CURRENCY;format=99999.88;notnull=true", "", 8, ""},
      {"type=CURRENCY;format=9999.88;notnull=true", "12,5", 1, ""},  // wrong, not missing
  };
  for (const auto& c : cases) {
    const GridColumn column = Declared(c.properties);
    const TypedText read = ReadCell(column, c.typed);
    EXPECT_EQ(read.code, c.code) << c.properties << " " << c.typed;
    if (read.code) continue;
    EXPECT_EQ(read.normal, c.shown) << c.typed;
    EXPECT_EQ(WriteCell(column, read.order), c.shown) << c.typed;
  }
}

TEST(GridColumn, DeclarationsFallBackOrAreRefused) {
  GridColumn column;
  EXPECT_EQ(ColumnFromProperties("amount", "type=currency;format=999.88;width=-4", column), 0);
  EXPECT_EQ(column.title, "amount");
  EXPECT_EQ(column.width, 100);
  EXPECT_EQ(column.align, 1) << "amounts stand to the right";
  EXPECT_EQ(ColumnFromProperties("a", "type=CURRENCY;format=999.88;txhpos=center", column), 0);
  EXPECT_EQ(column.align, 0);
  EXPECT_EQ(ColumnFromProperties("a", "title=Name;width=250;edit=yes", column), 0);
  EXPECT_EQ(column.title + " " + std::to_string(column.width) + " " + column.type, "Name 250 STRING");
  EXPECT_TRUE(column.edit);
  EXPECT_EQ(ColumnFromProperties("a", "type=INTEGER", column), 21);
  EXPECT_EQ(ColumnFromProperties("a", "type=DATE", column), 24);
  EXPECT_EQ(ColumnFromProperties("a", "type=CURRENCY;format=9999999999999999999", column), 24);
  EXPECT_EQ(ColumnFromProperties("a", "type=CURRENCY;format=)999", column), 24);
  EXPECT_EQ(ColumnFromProperties("a", "type=CURRENCY;format=999+88", column), 24);
}

TEST(GridCells, TextsAndNumbersSurviveChangesRowCountsAndReorders) {
  GridCells cells;
  cells.AddColumn(false);
  cells.AddColumn(true);
  cells.SetRows(3);
  EXPECT_STREQ(cells.Text(2, 0), "");
  EXPECT_EQ(cells.Number(2, 1), kEmptyOrder);
  // Rewriting a cell many times leaves its column compact and every other cell whole.
  ASSERT_TRUE(cells.SetText(0, 0, "first"));
  ASSERT_TRUE(cells.SetText(2, 0, std::string("cut\0here", 8)));
  for (int i = 0; i < 1000; ++i) ASSERT_TRUE(cells.SetText(1, 0, std::string(i % 50, 'x')));
  cells.SetNumber(0, 1, 30);
  cells.SetNumber(1, 1, -7);
  EXPECT_STREQ(cells.Text(0, 0), "first");
  EXPECT_EQ(cells.Text(1, 0), std::string(49, 'x'));
  EXPECT_STREQ(cells.Text(2, 0), "cut") << "a text ends at its first NUL";
  const std::uint32_t filled = cells.arrangement();
  cells.Reorder({2, 0, 1});
  EXPECT_NE(cells.arrangement(), filled) << "reordered";
  EXPECT_EQ(std::string(cells.Text(0, 0)) + cells.Text(1, 0), "cutfirst");
  EXPECT_EQ(cells.Number(1, 1), 30);
  EXPECT_EQ(cells.Number(2, 1), -7);
  const std::uint32_t sorted = cells.arrangement();
  cells.SetText(0, 0, "cut");
  EXPECT_EQ(cells.arrangement(), sorted) << "a cell's value leaves the rows where they are";
  cells.SetRows(1);
  EXPECT_NE(cells.arrangement(), sorted) << "a new row count";
  cells.SetRows(2);
  EXPECT_STREQ(cells.Text(0, 0), "cut");
  EXPECT_STREQ(cells.Text(1, 0), "") << "a row dropped and added again is empty";
  EXPECT_EQ(cells.Number(1, 1), kEmptyOrder);
  cells.AddColumn(false);
  EXPECT_STREQ(cells.Text(1, 2), "") << "a column added later has every row";
}

TEST(RowOrder, SortsStablyWithEmptyCellsLast) {
  const std::vector<std::int64_t> numbers = {5, kEmptyOrder, -2, 5, 9, kEmptyOrder};
  EXPECT_EQ(RowsByNumber(numbers, true), (std::vector<std::int32_t>{2, 0, 3, 4, 1, 5}));
  EXPECT_EQ(RowsByNumber(numbers, false), (std::vector<std::int32_t>{4, 0, 3, 2, 1, 5}));
  // Keys compare as unsigned bytes.
  const std::vector<std::string> keys = {"b", "", "\xE9", "a", "b"};
  const std::vector<bool> empty = {false, true, false, false, false};
  EXPECT_EQ(RowsByKey(keys, empty, true), (std::vector<std::int32_t>{3, 0, 4, 2, 1}));
  EXPECT_EQ(RowsByKey(keys, empty, false), (std::vector<std::int32_t>{2, 0, 4, 3, 1}));
}

TEST(RowOrder, ShownRowsFollowTheirRecords) {
  const struct {
    const char* what;
    std::vector<std::int32_t> shown, order;
    std::int32_t oldRows, rows;  // a new count after the reorder; equal for none
    std::vector<std::int32_t> expected;
  } cases[] = {
      {"reversed", {0, 2, 3}, {4, 3, 2, 1, 0}, 5, 5, {1, 2, 4}},
      {"none shown", {}, {1, 0}, 2, 2, {}},
      {"a smaller count drops the rows past it", {0, 2, 3}, {0, 1, 2, 3, 4}, 5, 3, {0, 2}},
      {"a larger count shows the new rows", {1}, {0, 1, 2}, 3, 5, {1, 3, 4}},
      {"no rows left", {0, 1}, {1, 0}, 2, 0, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::int32_t> shown = ShownAfterReorder(c.shown, c.order);
    ShownAfterNewCount(shown, c.oldRows, c.rows);
    EXPECT_EQ(shown, c.expected) << c.what;
  }
}

TEST(RowOrder, CopiedLinesKeepTheirShape) {
  std::string text;
  AppendCopiedLine(text, {"Date", "Amount"});
  AppendCopiedLine(text, {"a\tb", "line\r\nbreak"});
  AppendCopiedLine(text, {"", ""});
  EXPECT_EQ(text, "Date\tAmount\r\na b\tline  break\r\n\t\r\n");
}

}  // namespace
