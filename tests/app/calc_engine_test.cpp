// The calculator's arithmetic: the listed key sequences, and a comparison of random
// sequences with a model that computes in 64-bit integers reduced modulo 2^32.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/calc_engine.h"
#include "tests/app/key_sequences.h"

namespace {

using test::Join;

// What the display shows after each key: the last text the engine yielded ("0" for the
// empty text, and at start-up).
std::vector<std::string> Displays(CalcEngine& engine, const std::vector<std::string>& keys) {
  std::vector<std::string> shown;
  std::string display = "0";
  for (const std::string& key : keys) {
    if (const auto text = engine.press(key)) display = text->empty() ? "0" : *text;
    shown.push_back(display);
  }
  return shown;
}

TEST(CalcEngine, ListedKeySequences) {
  for (const test::Sequence& s : test::ListedSequences()) {
    CalcEngine engine;
    const std::string got = Join(Displays(engine, s.keys));
    EXPECT_EQ(got, Join(s.displays)) << s.what << ": keys " << Join(s.keys);
  }
}

TEST(CalcEngine, StateAfterKeys) {
  CalcEngine engine;
  Displays(engine, {"7", "=", "2"});
  EXPECT_EQ(engine.accumulator(), 2) << "a digit after = replaces the accumulator";
  EXPECT_EQ(engine.entryText(), "2");
  EXPECT_EQ(engine.pendingOperator(), "=");
  Displays(engine, {"+"});
  EXPECT_EQ(engine.entryText(), "");
  EXPECT_EQ(engine.pendingOperator(), "+");
  engine.reset();
  EXPECT_EQ(engine.accumulator(), 0);
  EXPECT_EQ(engine.pendingOperator(), "");
  // An operator as the first key takes the (empty) entry without changing the display.
  EXPECT_FALSE(engine.press("-").has_value());
}

// An independent model: the entry as a number with a flag, arithmetic in 64 bits.
class Model {
 public:
  std::string press(const std::string& key) {
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') {
      const std::int64_t digit = key[0] - '0';
      if (!hasEntry_) {
        entry_ = digit;
        hasEntry_ = true;
      } else if (entry_ != 0 && entry_ * 10 + digit <= 2147483647) {
        entry_ = entry_ * 10 + digit;
      }
      if (pending_ == '=') accumulator_ = entry_;
      display_ = std::to_string(entry_);
    } else if (key == "C/CE") {
      *this = Model();
    } else if (key == "Backspace") {
      if (!hasEntry_) return display_;
      hasEntry_ = entry_ >= 10;
      entry_ /= 10;
      if (pending_ == '=') accumulator_ = entry_;
      display_ = std::to_string(entry_);
    } else {
      const std::int64_t n = hasEntry_ ? entry_ : 0;
      if (pending_ == 0) {
        accumulator_ = n;
      } else {
        if (pending_ == '+') accumulator_ = Wrap(accumulator_ + n);
        if (pending_ == '-') accumulator_ = Wrap(accumulator_ - n);
        if (pending_ == '*') accumulator_ = Wrap(accumulator_ * n);
        display_ = std::to_string(accumulator_);
      }
      hasEntry_ = false;
      entry_ = 0;
      pending_ = key[0];
    }
    return display_;
  }

 private:
  static std::int64_t Wrap(std::int64_t v) {
    const std::int64_t m = std::int64_t(1) << 32;
    std::int64_t r = ((v % m) + m) % m;
    return r >= (m >> 1) ? r - m : r;
  }

  std::int64_t accumulator_ = 0;
  std::int64_t entry_ = 0;
  bool hasEntry_ = false;
  char pending_ = 0;
  std::string display_ = "0";
};

// Two hundred thousand sequences on the host, where the sanitizers watch (some 20 s of
// the build's checks, where a million took 100 s); the Windows tree,
// which runs under Wine, keeps to ten thousand.
#ifdef _WIN32
constexpr int kRandomRounds = 10000;
#else
constexpr int kRandomRounds = 200000;
#endif

TEST(CalcEngine, AgreesWithAnIndependentModelOnRandomSequences) {
  static const char* const keys[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8",
                                     "9", "+", "-", "*", "=", "C/CE", "Backspace"};
  std::mt19937 random(12345);
  // Mostly digits, so that long entries and overflowing products come up often.
  std::discrete_distribution<int> pick({6, 8, 8, 8, 8, 8, 8, 8, 8, 8, 5, 5, 6, 4, 1, 3});
  std::uniform_int_distribution<int> length(1, 40);
  for (int round = 0; round < kRandomRounds; ++round) {
    CalcEngine engine;
    Model model;
    std::string display = "0";
    std::vector<std::string> history;
    const int n = length(random);
    for (int k = 0; k < n; ++k) {
      history.push_back(keys[pick(random)]);
      if (const auto text = engine.press(history.back())) display = text->empty() ? "0" : *text;
      const std::string expected = model.press(history.back());
      // Built only for a failure: so many sequences make every string count.
      if (display != expected)
        FAIL() << "after keys " << Join(history) << ": expected " << expected << ", got " << display;
    }
  }
}

}  // namespace
