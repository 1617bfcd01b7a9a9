// Key lookup in property strings.
#include <gtest/gtest.h>

#include <string>

#include "fenwix/props/property_string.h"

namespace {

const char kDisplay[] =
    "value=0;txhpos=right;txvpos=center;ftname=Courier New;ftsize=16;ftbold=true;"
    "brdstyle=3DIN;bkcol=white";

struct Lookup {
  const char* key;
  std::string properties;
  const char* expected;
};

TEST(GetProperty, FindsEntriesByTheRules) {
  const Lookup cases[] = {
      {"TXHPOS", kDisplay, "right"},
      {"txhpos", kDisplay, "right"},
      {"TxHpOs", kDisplay, "right"},
      {"FTNAME", kDisplay, "Courier New"},      // case and inner blank kept
      {"NAME", kDisplay, ""},                   // only inside FTNAME
      {"VALUE", kDisplay, "0"},                 // first entry
      {"BKCOL", kDisplay, "white"},             // last entry, no ";" after it
      {"BKCOL", "bkcol=lightgrey;edge=false;stbar=false", "lightgrey"},
      {"MODAL", "bkcol=lightgrey;edge=false;stbar=false", ""},
      {"EDGE", "bkcol=lightgrey; edge=false", ""},   // blank after ";"
      {"EDGE", "bkcol=lightgrey;edge =false", ""},   // blank before "="
      {"NAME", "name=  Integer Calculator  ", "Integer Calculator"},
      {"NAME", "name=\tTabbed\t", "\tTabbed\t"},      // only spaces are trimmed
      {"NAME", "name=;x=1", ""},
      {"NAME", "name=    ;x=1", ""},
      {"NAME", "x=1;name=", ""},
      {"NAME", "name=first;name=second", "first"},
      {"FORMAT", "format=a=b=c;next=1", "a=b=c"},
      {"E", "bkcol=white;e=5", "5"},            // "E=" inside other entries is not it
      {"", kDisplay, ""},
      {"VALUE", "", ""},
      {"VALUE", "value", ""},                   // an entry without "=" is no entry
  };
  for (const Lookup& c : cases) {
    EXPECT_EQ(GetProperty(c.key, c.properties), c.expected)
        << "key " << c.key << " in \"" << c.properties << "\"";
  }
}

TEST(GetProperty, LaterOccurrenceIsUsedWhenTheFirstIsInsideAnotherKey) {
  EXPECT_EQ(GetProperty("NAME", "ftname=Arial;name=Title"), "Title");
}

TEST(GetProperty, HighBytesAndHugeStringsAreHandled) {
  std::string high;
  for (int c = 128; c < 256; ++c) high += static_cast<char>(c);
  EXPECT_EQ(GetProperty("NAME", "name=" + high + ";x=1"), high);
  EXPECT_EQ(GetProperty(high, high + "=v"), "v");
  EXPECT_EQ(UpperCase(high), high);

  std::string huge(1 << 20, 'a');
  EXPECT_EQ(GetProperty("NAME", huge), "");
  EXPECT_EQ(GetProperty("NAME", huge + ";name=end"), "end");
  EXPECT_EQ(GetProperty("A", "a=" + huge).size(), huge.size());
  EXPECT_EQ(GetProperty(huge, huge), "");
}

TEST(UpperCase, RaisesOnlyAsciiLettersAndKeepsLength) {
  EXPECT_EQ(UpperCase("abz AZ09;=\xe9"), "ABZ AZ09;=\xe9");
  EXPECT_EQ(UpperCase(""), "");
  EXPECT_EQ(UpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

}  // namespace
