// The message database shipped next to the programs, and reading it from the file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fenwix/error/message_db.h"
#include "tests/error/scoped_folder.h"

namespace {

// Every code the library reports or returns, and the texts it shows the user.
constexpr int kCodes[] = {1,    2,    4,    5,    18,   19,   20,   21,   22,   23,   24,
                          25,   26,   27,   28,   29,   30,   1000, 1001, 1002, 1003, 1004, 1005, 1006, 1011, 1012,
                          1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022, 1025, 1026, 1028,
                          1029, 1037, 1038, 1040, 1041, 1042, 1043, 1044, 1045, 1046, 1050,
                          1060, 1061, 1062, 1063, 1064, 1065, 1066, 1067, 1068, 1069,
                          1070, 1071, 1072, 1073, 1074, 1080, 1083, 1084, 1087, 1088, 1089};

std::string ShippedBytes() {
  std::ifstream in(kMessageFileName, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ShippedDatabase, EveryCodeHasAFrenchAndAnEnglishText) {
  for (int code : kCodes) {
    const std::string french = LookupMessageFile(code, "FR", {kMessageFileName});
    const std::string english = LookupMessageFile(code, "US", {kMessageFileName});
    EXPECT_NE(french, kNoMessage) << "code " << code << " has no text";
    // Each search falls back to the other language, so equal texts mean one is missing.
    EXPECT_NE(french, english) << "code " << code << " lacks its French or its English text";
  }
  EXPECT_EQ(LookupMessageFile(3, "FR", {kMessageFileName}), kNoMessage);
}

TEST(ShippedDatabase, IsAWindows1252TextFileWithCrlfLineEnds) {
  const std::string bytes = ShippedBytes();
  ASSERT_FALSE(bytes.empty()) << "expected " << kMessageFileName << " in the working directory";
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "expected a final line break";

  std::size_t bareLineFeeds = 0, accented = 0, utf8Leads = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c == '\n' && (i == 0 || bytes[i - 1] != '\r')) ++bareLineFeeds;
    if (c == 0xE9 || c == 0xE0 || c == 0xEA) ++accented;  // é à ê
    if (c == 0xC3) ++utf8Leads;                           // "é" written as UTF-8 starts so
  }
  EXPECT_EQ(bareLineFeeds, 0u) << "expected CRLF line ends only";
  EXPECT_GT(accented, 0u) << "expected accented letters as single bytes";
  EXPECT_EQ(utf8Leads, 0u) << "expected no UTF-8 sequences";
}

TEST(MessageFile, IsReadFromTheFirstFileThatOpens) {
  test::ScopedFolder folder;
  folder.write("here.fdb", "<FDBRC>\r\n'ERROR'\r\n'FENWIX'\r\n'US'\r\n[1]\r\n'ici'\r\n");
  folder.write("there.fdb", "<FDBRC>\r\n'ERROR'\r\n'FENWIX'\r\n'US'\r\n[2]\r\n'there'\r\n");
  const struct {
    std::vector<std::string> files;
    int code;
    const char* expected;
  } cases[] = {
      {{"here.fdb", "there.fdb"}, 1, "ici"},
      {{"missing.fdb", "there.fdb"}, 2, "there"},
      // A file that opens is the only one read, even when it lacks the code.
      {{"here.fdb", "there.fdb"}, 2, "no message : message error not found"},
      {{"missing.fdb", "missing.fdb"}, 1, "no message : file fenmsg.fdb not found"},
      {{}, 1, "no message : file fenmsg.fdb not found"},
  };
  for (const auto& c : cases) {
    std::string files;
    for (const std::string& file : c.files) files += " " + file;
    EXPECT_EQ(LookupMessageFile(c.code, "FR", c.files), c.expected)
        << "code " << c.code << " in" << files;
  }
}

}  // namespace
