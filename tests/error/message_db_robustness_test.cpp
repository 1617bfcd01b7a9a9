// The database reader on hostile input: random bytes, records broken at every point,
// very long lines and lines too short for their delimiters. Run under the sanitizers in
// the host tree, a read outside a line or a runaway loop shows up here.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>

#include "fenwix/error/message_db.h"

namespace {

std::string Lookup(const std::string& database, int code, const std::string& language) {
  return LookupMessage(database, code, language);
}

// A found message is always a whole line of the input without its first and last byte.
void ExpectPlausible(const std::string& database, const std::string& got) {
  if (got == kNoMessage) return;
  EXPECT_NE(database.find(got), std::string::npos)
      << "message of " << got.size() << " bytes is not part of the input";
}

// Random lines drawn from the pieces a database is made of, so that records, broken
// records and short lines all come up often.
std::string RandomDatabase(std::mt19937& random) {
  static const char* const pieces[] = {"<FDBRC>", "\"ERROR\"", "\"FENWIX\"", "\"FR\"", "[US]",
                                       "[1]",     "\"\"",      "x",          "",     "\r",
                                       "[7]",     "'m'",       "<FDBRC>\r"};
  std::string database;
  const int lines = std::uniform_int_distribution<int>(0, 60)(random);
  for (int i = 0; i < lines; ++i) {
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    if (kind < 7) {
      std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
      database += pieces[piece(random)];
    } else {
      const int length = std::uniform_int_distribution<int>(0, 8)(random);
      for (int k = 0; k < length; ++k)
        database += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    }
    if (std::uniform_int_distribution<int>(0, 15)(random) != 0) database += '\n';
  }
  return database;
}

TEST(MessageDatabaseRobustness, RandomDatabasesNeverCrashAndYieldOnlyTheirOwnText) {
  std::mt19937 random(20240601);
  for (int round = 0; round < 3000; ++round) {
    const std::string database = RandomDatabase(random);
    for (int code : {0, 1, 7}) {
      ExpectPlausible(database, Lookup(database, code, "FR"));
      ExpectPlausible(database, Lookup(database, code, "US"));
    }
  }
}

TEST(MessageDatabaseRobustness, RandomBytes) {
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    std::string bytes(std::uniform_int_distribution<int>(0, 2000)(random), '\0');
    for (char& c : bytes) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    ExpectPlausible(bytes, Lookup(bytes, 0, "FR"));
  }
}

TEST(MessageDatabaseRobustness, EveryTruncationOfARecord) {
  const std::string full = "<FDBRC>\r\n\"ERROR\"\r\n\"FENWIX\"\r\n\"US\"\r\n[12]\r\n\"twelve\"\r\n";
  for (std::size_t length = 0; length <= full.size(); ++length) {
    const std::string got = Lookup(full.substr(0, length), 12, "FR");
    // Found only once the message line's break is there.
    EXPECT_EQ(got, length == full.size() ? "twelve" : kNoMessage) << "first " << length << " bytes";
  }
}

TEST(MessageDatabaseRobustness, VeryLongLines) {
  const std::string longText(1 << 20, 'a');
  const std::string database = std::string(1 << 20, '<') +
                               "\n<FDBRC>\n\"ERROR\"\n\"FENWIX\"\n\"FR\"\n[1]\n\"" + longText +
                               "\"\n";
  EXPECT_EQ(Lookup(database, 1, "FR"), longText);
  EXPECT_EQ(Lookup(database, 2, "FR"), kNoMessage);
}

}  // namespace
