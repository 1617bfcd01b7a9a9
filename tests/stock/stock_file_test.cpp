// The stock tool's CSV: what it reads, what it refuses, and that writing keeps every row
// the user did not touch byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "examples/stock/stock_file.h"

namespace {

const char kHeader[] = "sku,name,quantity,price,counted\n";

TEST(StockFile, ReadsAndRefuses) {
  struct Case {
    const char* text;
    bool read;
    std::size_t rows;
    const char* firstName;  // or the error
  } cases[] = {
      {"sku,name,quantity,price,counted\nA1,Śruba M6,10,0.25,2024-03-05\n", true, 1, "Śruba M6"},
      {"sku,name,quantity,price,counted\r\nA1,\"Mutter, groß\",1,2.00,2024-01-01\r\n", true, 1,
       "Mutter, groß"},
      {"sku,name,quantity,price,counted\nA1,\"say \"\"hi\"\"\",1,2.00,2024-01-01", true, 1,
       "say \"hi\""},
      {"sku,name,quantity,price,counted\nA1,\"two\nlines\",1,2.00,2024-01-01\n", true, 1,
       "two\nlines"},
      {"sku,name,quantity,price,counted\n", true, 0, ""},
      {"sku,name,quantity,price,counted\nA1,x,1,2.00\n", false, 0, "line 2: 4 fields, not 5"},
      {"sku,name,quantity,price,counted\nA1,x,1,2.00,2024-01-01\nA2,\"open,1,2,3\n", false, 0,
       "line 3: unfinished quote"},
  };
  for (const Case& c : cases) {
    stock::StockFile file;
    std::string error;
    EXPECT_EQ(stock::ReadStock(c.text, file, error), c.read) << c.text;
    if (!c.read) {
      EXPECT_EQ(error, c.firstName) << c.text;
      continue;
    }
    ASSERT_EQ(file.rows.size(), c.rows) << c.text;
    if (c.rows) {
      EXPECT_EQ(file.rows[0].fields[stock::kName], c.firstName) << c.text;
    }
    // Nothing touched: the same bytes come back.
    EXPECT_EQ(stock::WriteStock(file), c.text);
  }
}

TEST(StockFile, WritesTouchedAndNewRowsOnly) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      // The touched row loses its needless quotes; the untouched one keeps them, and the
      // rows written anew take the file's line end.
      {"sku,name,quantity,price,counted\r\n\"A1\",x,1,2.00,2024-01-01\r\n\"A2\",y,1,3.00,2024-01-01\r\n",
       "sku,name,quantity,price,counted\r\nA1,x,1,9.50,2024-01-01\r\n\"A2\",y,1,3.00,2024-01-01\r\n"
       "B1,\"Ελιά, μαύρη\",2,1.00,2026-12-08\r\n"},
      // A last line without its end gets one before the new row.
      {"sku,name,quantity,price,counted\n\"A1\",x,1,2.00,2024-01-01\n\"A2\",y,1,3.00,2024-01-01",
       "sku,name,quantity,price,counted\nA1,x,1,9.50,2024-01-01\n\"A2\",y,1,3.00,2024-01-01\n"
       "B1,\"Ελιά, μαύρη\",2,1.00,2026-12-08\n"},
  };
  for (const Case& c : cases) {
    stock::StockFile file;
    std::string error;
    ASSERT_TRUE(stock::ReadStock(c.text, file, error)) << error;
    file.rows[0].fields[stock::kPrice] = "9.50";
    file.rows[0].touched = true;
    stock::Row added;
    const std::string fields[] = {"B1", "Ελιά, μαύρη", "2", "1.00", "2026-12-08"};
    for (int i = 0; i < stock::kColumns; ++i) added.fields[i] = fields[i];
    file.rows.push_back(added);
    EXPECT_EQ(stock::WriteStock(file), c.expected);
  }
}

TEST(StockFile, ReportsProgressWhileReading) {
  std::string text = kHeader;
  for (int i = 0; i < 1200; ++i) text += "S" + std::to_string(i) + ",n,1,1.00,2024-01-01\n";
  std::vector<std::size_t> seen;
  stock::StockFile file;
  std::string error;
  ASSERT_TRUE(stock::ReadStock(text, file, error, [&seen](std::size_t bytes) { seen.push_back(bytes); }));
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_LT(seen[0], seen[1]);
  EXPECT_LE(seen[1], text.size());
}

}  // namespace
