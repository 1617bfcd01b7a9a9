// The calculator's key sequences with the displays they must show one after another,
// shared by the engine's test and the test through the form callback.
#ifndef NUMLET_TESTS_APP_KEY_SEQUENCES_H
#define NUMLET_TESTS_APP_KEY_SEQUENCES_H

#include <string>
#include <vector>

namespace test {

inline std::string Join(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& t : texts) joined += (joined.empty() ? "" : " ") + t;
  return joined;
}

inline std::vector<std::string> Digits(const std::string& number) {
  std::vector<std::string> keys;
  for (char c : number) keys.push_back(std::string(1, c));
  return keys;
}

inline std::vector<std::string> operator+(std::vector<std::string> a,
                                          const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

struct Sequence {
  const char* what;
  std::vector<std::string> keys;
  std::vector<std::string> displays;
};

inline std::vector<Sequence> ListedSequences() {
  return {
      {"add", {"1", "2", "+", "3", "="}, {"1", "12", "12", "3", "15"}},
      {"= twice repeats nothing", {"4", "*", "2", "=", "="}, {"4", "4", "2", "8", "8"}},
      {"empty entry counts as 0", {"5", "*", "="}, {"5", "5", "0"}},
      {"5 plus nothing", {"5", "+", "+"}, {"5", "5", "5"}},
      {"digit after = starts anew", {"7", "=", "2", "+", "3", "="}, {"7", "7", "2", "2", "3", "5"}},
      {"nothing after a lone 0", {"0", "5"}, {"0", "0"}},
      {"largest entry", Digits("21474836470"),
       {"2", "21", "214", "2147", "21474", "214748", "2147483", "21474836", "214748364",
        "2147483647", "2147483647"}},
      {"2147483648 stops short", Digits("2147483648"),
       {"2", "21", "214", "2147", "21474", "214748", "2147483", "21474836", "214748364",
        "214748364"}},
      {"wrap-around", Digits("2147483647") + std::vector<std::string>{"+", "1", "="},
       {"2", "21", "214", "2147", "21474", "214748", "2147483", "21474836", "214748364",
        "2147483647", "2147483647", "1", "-2147483648"}},
      {"negative result, then a new entry", {"3", "-", "5", "=", "4"}, {"3", "3", "5", "-2", "4"}},
      {"C/CE clears the pending operator", {"9", "*", "C/CE", "+", "2", "="},
       {"9", "9", "0", "0", "2", "2"}},
      {"operator first", {"*", "3", "="}, {"0", "3", "0"}},
      {"other names do nothing", {"6", "title", "display", "", "c/ce", "7"},
       {"6", "6", "6", "6", "6", "67"}},
      {"chain", {"2", "+", "3", "*", "4", "-", "1", "="}, {"2", "2", "3", "5", "4", "20", "1", "19"}},
      {"Backspace takes back digits", {"1", "2", "3", "Backspace", "Backspace", "4"},
       {"1", "12", "123", "12", "1", "14"}},
      {"Backspace from one digit leaves 0", {"7", "Backspace", "5"}, {"7", "0", "5"}},
      {"Backspace on a result or a shown 0 does nothing",
       {"Backspace", "2", "+", "3", "=", "Backspace", "0", "Backspace", "5"},
       {"0", "2", "2", "3", "5", "5", "0", "0", "5"}},
      {"Backspace after = takes back the new number", {"7", "=", "2", "Backspace", "+", "3", "="},
       {"7", "7", "2", "0", "0", "3", "3"}},
      {"multiplication wraps", Digits("65536") + std::vector<std::string>{"*"} + Digits("65536") +
                                   std::vector<std::string>{"="},
       {"6", "65", "655", "6553", "65536", "65536", "6", "65", "655", "6553", "65536", "0"}},
  };
}

}  // namespace test

#endif
