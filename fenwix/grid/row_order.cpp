// Sorting rows: the values are paired with their row numbers and sorted together, so
// that comparisons read neighbouring memory.
#include "fenwix/grid/row_order.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "fenwix/formats/typed_text.h"

namespace {

template <class Value>
std::vector<std::int32_t> Sorted(std::vector<std::pair<Value, std::int32_t>> filled,
                                 std::vector<std::int32_t> empty, bool ascending) {
  if (ascending) {
    std::stable_sort(filled.begin(), filled.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
  } else {
    std::stable_sort(filled.begin(), filled.end(),
                     [](const auto& a, const auto& b) { return b.first < a.first; });
  }
  std::vector<std::int32_t> order;
  order.reserve(filled.size() + empty.size());
  for (const auto& entry : filled) order.push_back(entry.second);
  order.insert(order.end(), empty.begin(), empty.end());
  return order;
}

}  // namespace

std::vector<std::int32_t> RowsByNumber(const std::vector<std::int64_t>& numbers, bool ascending) {
  std::vector<std::pair<std::int64_t, std::int32_t>> filled;
  std::vector<std::int32_t> empty;
  filled.reserve(numbers.size());
  for (std::size_t row = 0; row < numbers.size(); ++row) {
    if (numbers[row] == kEmptyOrder) {
      empty.push_back(static_cast<std::int32_t>(row));
    } else {
      filled.emplace_back(numbers[row], static_cast<std::int32_t>(row));
    }
  }
  return Sorted(std::move(filled), std::move(empty), ascending);
}

std::vector<std::int32_t> RowsByKey(const std::vector<std::string>& keys,
                                    const std::vector<bool>& empty, bool ascending) {
  // A string_view compares its bytes as unsigned, as sort keys are meant to be compared.
  std::vector<std::pair<std::string_view, std::int32_t>> filled;
  std::vector<std::int32_t> blanks;
  filled.reserve(keys.size());
  for (std::size_t row = 0; row < keys.size(); ++row) {
    if (empty[row]) {
      blanks.push_back(static_cast<std::int32_t>(row));
    } else {
      filled.emplace_back(keys[row], static_cast<std::int32_t>(row));
    }
  }
  return Sorted(std::move(filled), std::move(blanks), ascending);
}

std::vector<std::int32_t> ShownAfterReorder(const std::vector<std::int32_t>& shown,
                                            const std::vector<std::int32_t>& order) {
  // Marking the shown rows and walking the new order gives them ascending without a sort.
  std::vector<bool> marked(order.size());
  for (const std::int32_t row : shown)
    if (row >= 0 && static_cast<std::size_t>(row) < marked.size())
      marked[static_cast<std::size_t>(row)] = true;
  std::vector<std::int32_t> moved;
  moved.reserve(shown.size());
  for (std::size_t row = 0; row < order.size(); ++row)
    if (marked[static_cast<std::size_t>(order[row])]) moved.push_back(static_cast<std::int32_t>(row));
  return moved;
}

void ShownAfterNewCount(std::vector<std::int32_t>& shown, std::int32_t oldRows,
                        std::int32_t rows) {
  shown.erase(std::lower_bound(shown.begin(), shown.end(), rows), shown.end());
  for (std::int32_t row = std::max<std::int32_t>(oldRows, 0); row < rows; ++row)
    shown.push_back(row);
}

void AppendCopiedLine(std::string& text, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i) text += '\t';
    for (char c : cells[i]) text += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
  }
  text += "\r\n";
}
