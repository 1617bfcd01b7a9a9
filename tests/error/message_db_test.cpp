// Lookup of messages in the message database format, on in-memory databases.
#include <gtest/gtest.h>

#include <string>

#include "fenwix/error/message_db.h"

namespace {

// One record, each field wrapped in the given delimiters, lines ended by `eol`.
std::string Record(const std::string& language, const std::string& number,
                   const std::string& text, const std::string& section = "ERROR",
                   const std::string& library = "FENWIX", char open = '"', char close = '"',
                   const std::string& eol = "\n") {
  auto wrap = [&](const std::string& v) { return std::string(1, open) + v + close + eol; };
  return "<FDBRC>" + eol + wrap(section) + wrap(library) + wrap(language) + wrap(number) +
         wrap(text);
}

std::string Lookup(const std::string& database, int code, const std::string& language = "FR") {
  return LookupMessage(database, code, language);
}

TEST(MessageLookup, LanguageAndNumberDecideTheRecord) {
  const std::string both = Record("US", "22", "exists") + Record("FR", "22", "existe");
  struct Case {
    const char* what;
    std::string database;
    int code;
    const char* language;
    std::string expected;
  } cases[] = {
      {"FR wins although US comes first", both, 22, "FR", "existe"},
      {"US is the fallback", Record("US", "20", "bad type"), 20, "FR", "bad type"},
      {"US wins although FR comes first", Record("FR", "22", "existe") + both, 22, "US", "exists"},
      {"FR is the fallback of US", Record("FR", "20", "type"), 20, "US", "type"},
      {"neither language, from US", Record("DE", "20", "Typ"), 20, "US", kNoMessage},
      {"neither language", Record("DE", "20", "Typ"), 20, "FR", kNoMessage},
      {"language is case-sensitive", Record("fr", "20", "x") + Record("US", "20", "y"), 20, "FR",
       "y"},
      {"number must equal the code", Record("FR", "21", "x"), 20, "FR", kNoMessage},
      {"number read like TextToInt", Record("FR", " 022abc", "lu"), 22, "FR", "lu"},
      {"later record of the same pass", Record("FR", "1", "a") + Record("FR", "2", "b"), 2, "FR",
       "b"},
      {"section compared exactly", Record("FR", "1", "x", "error"), 1, "FR", kNoMessage},
      {"library compared exactly", Record("FR", "1", "x", "ERROR", "Fenwix"), 1, "FR", kNoMessage},
      {"empty database", "", 1, "FR", kNoMessage},
  };
  for (const Case& c : cases) {
    const std::string got = Lookup(c.database, c.code, c.language);
    EXPECT_EQ(got, c.expected) << c.what << ": expected \"" << c.expected << "\", got \"" << got
                               << "\"";
  }
}

TEST(MessageLookup, AnyDelimiterServesButABareWordDoesNot) {
  const std::string quoted = Lookup(Record("FR", "5", "pas de fenêtre"), 5);
  const std::string bracketed =
      Lookup(Record("FR", "5", "pas de fenêtre", "ERROR", "FENWIX", '[', ']'), 5);
  const std::string piped =
      Lookup(Record("FR", "5", "pas de fenêtre", "ERROR", "FENWIX", '|', '|'), 5);
  EXPECT_EQ(quoted, "pas de fenêtre");
  EXPECT_EQ(bracketed, quoted);
  EXPECT_EQ(piped, quoted);

  // The section line "ERROR" without delimiters reads as "RRO".
  const std::string bare = "<FDBRC>\nERROR\n\"FENWIX\"\n\"FR\"\n\"5\"\n\"text\"\n";
  EXPECT_EQ(Lookup(bare, 5), kNoMessage);
}

TEST(MessageLookup, OnlyTheExactMarkerStartsARecord) {
  const std::string body = "\"ERROR\"\n\"FENWIX\"\n\"FR\"\n\"7\"\n\"seven\"\n";
  struct Case {
    const char* marker;
    bool found;
  } cases[] = {{"<FDBRC>", true}, {"<FDBRC> ", false}, {" <FDBRC>", false},
               {"<fdbrc>", false}, {"x<FDBRC>", false}, {"<FDBRC>\r", true}};
  for (const Case& c : cases) {
    const std::string got = Lookup(std::string(c.marker) + "\n" + body, 7);
    EXPECT_EQ(got, c.found ? "seven" : kNoMessage) << "marker \"" << c.marker << "\"";
  }
}

TEST(MessageLookup, LinesBetweenRecordsAreIgnored) {
  const std::string database = "header line\n\n" + Record("FR", "1", "a") + "comment\n\"ERROR\"\n" +
                               Record("FR", "2", "b") + "trailer\n";
  EXPECT_EQ(Lookup(database, 2), "b");
}

TEST(MessageLookup, CarriageReturnsBeforeLineBreaksAreRemoved) {
  const std::string crlf =
      Record("FR", "24", "format manquant", "ERROR", "FENWIX", '"', '"', "\r\n");
  EXPECT_EQ(Lookup(crlf, 24), "format manquant");
  // Only the one carriage return that a text-mode read would take away.
  const std::string doubled = Record("FR", "24", "x", "ERROR", "FENWIX", '"', '"', "\r\r\n");
  EXPECT_EQ(Lookup(doubled, 24), kNoMessage);
}

TEST(MessageLookup, TheEndOfTheFileEndsTheSearch) {
  std::string unterminated = Record("FR", "3", "dernier");
  unterminated.pop_back();  // the message line ends the file without a line break
  EXPECT_EQ(Lookup(unterminated, 3), kNoMessage);
  EXPECT_EQ(Lookup(unterminated + "\n", 3), "dernier");

  // A record cut short: the pass ends there, and in the US pass too.
  const std::string cut = Record("FR", "9", "x") + "<FDBRC>\n\"ERROR\"\n\"FENWIX\"\n";
  EXPECT_EQ(Lookup(cut, 1), kNoMessage);
  EXPECT_EQ(Lookup(cut, 9), "x");
}

TEST(MessageLookup, FieldLinesShorterThanThreeCharactersMatchNothing) {
  // Two characters hold the delimiters only; fewer cannot even hold those.
  for (const char* shortLine : {"\"\"", "[]", "x", ""}) {
    const std::string asMessage = "<FDBRC>\n\"ERROR\"\n\"FENWIX\"\n\"FR\"\n\"4\"\n" +
                                  std::string(shortLine) + "\n";
    EXPECT_EQ(Lookup(asMessage, 4), kNoMessage) << "message line \"" << shortLine << "\"";
    const std::string asNumber =
        "<FDBRC>\n\"ERROR\"\n\"FENWIX\"\n\"FR\"\n" + std::string(shortLine) + "\n\"text\"\n";
    EXPECT_EQ(Lookup(asNumber, 0), kNoMessage) << "number line \"" << shortLine << "\"";
  }
  // The shortest valid field: one character between the delimiters.
  EXPECT_EQ(Lookup(Record("FR", "4", "!"), 4), "!");
}

}  // namespace
