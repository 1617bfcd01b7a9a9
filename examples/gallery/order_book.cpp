// Orders computed from their row number.
#include "order_book.h"

#include <cstdint>
#include <cstdio>

namespace gallery {
namespace {

// Customers of several countries: the grids show their names as given, in UTF-8. Their
// count shares no factor with the number of dates, so every date has every customer.
const char* const kCustomers[] = {"Łódź Bakery", "Müller & Söhne", "Nantes Outils",
                                  "Αθηνά Trading", "Иванов и Ко"};

// The dates are 26 years of 12 months of 28 days. The row times a prime that shares no
// factor with their count walks through every date once in each run of that many rows, in
// an order unlike the rows'.
constexpr std::int64_t kDateSpread = 7919;
constexpr std::int64_t kDateOffset = 4321;
constexpr std::int64_t kDays = 28, kMonths = 12, kYears = 26, kFirstYear = 2000;
constexpr std::int64_t kAmountSpread = 104729;
constexpr std::int64_t kAmountOffset = 123456;
constexpr std::int64_t kHighestCents = 9999999;

std::string OrderDate(int row) {
  const std::int64_t date = (row * kDateSpread + kDateOffset) % (kDays * kMonths * kYears);
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", static_cast<int>(1 + date % kDays),
                static_cast<int>(1 + date / kDays % kMonths),
                static_cast<int>(kFirstYear + date / (kDays * kMonths)));
  return text;
}

std::string OrderAmount(int row) {
  const std::int64_t cents = 100 + (row * kAmountSpread + kAmountOffset) % (kHighestCents - 99);
  char text[16];
  std::snprintf(text, sizeof text, "%d.%02d", static_cast<int>(cents / 100),
                static_cast<int>(cents % 100));
  return text;
}

}  // namespace

std::string OrderCell(int row, const std::string& column) {
  if (column == kNumberColumn) {
    char text[16];
    std::snprintf(text, sizeof text, "A-%07d", row + 1);
    return text;
  }
  if (column == kDateColumn) return OrderDate(row);
  if (column == kAmountColumn) return OrderAmount(row);
  if (column == kCustomerColumn) return kCustomers[row % (sizeof kCustomers / sizeof *kCustomers)];
  return std::string();
}

}  // namespace gallery
