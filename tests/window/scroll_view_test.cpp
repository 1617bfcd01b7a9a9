// The scroll table: where each request moves a view of whole lines, and how the view is
// held inside the content.
#include <gtest/gtest.h>

#include <cstdint>

#include "fenwix/window/scroll_view.h"

namespace {

struct MoveCase {
  const char* what;
  std::int32_t first, last, lineCount;
  int request;
  std::int32_t thumb;
  std::int32_t expectedFirst, expectedLast;
};

const MoveCase kMoves[] = {
    {"line down", 10, 19, 100, kLineDown, 0, 11, 20},
    {"line up", 10, 19, 100, kLineUp, 0, 9, 18},
    {"line up at the top", 0, 9, 100, kLineUp, 0, 0, 9},
    {"page down", 10, 19, 100, kPageDown, 0, 19, 28},
    {"page up", 30, 39, 100, kPageUp, 0, 21, 30},
    {"page up past the top keeps the last line", 5, 14, 100, kPageUp, 0, 0, 14},
    {"page down near the end", 80, 89, 100, kPageDown, 0, 89, 98},
    {"page down at the end pins the last line", 85, 94, 100, kPageDown, 0, 90, 99},
    {"line down at the end", 90, 99, 100, kLineDown, 0, 90, 99},
    {"thumb position changes nothing", 10, 19, 100, kThumbPosition, 50, 10, 19},
    {"thumb track", 10, 19, 100, kThumbTrack, 50, 50, 59},
    {"thumb track to the end", 10, 19, 100, kThumbTrack, 95, 90, 99},
    {"unknown request", 10, 19, 100, 8, 0, 10, 19},
    // With no lines, or fewer than the span, pinning to the end would put the first
    // line above the top.
    {"no lines, line down", 0, 0, 0, kLineDown, 0, 0, 0},
    {"no lines, line up", 0, 0, 0, kLineUp, 0, 0, 0},
    {"no lines, page down", 0, 0, 0, kPageDown, 0, 0, 0},
    {"no lines, thumb track", 0, 0, 0, kThumbTrack, 7, 0, 0},
    {"no lines, thumb position", 0, 0, 0, kThumbPosition, 0, 0, 0},
    {"fewer lines than the span", 0, 9, 4, kLineDown, 0, 0, 9},
};

TEST(ScrollView, MovesAsTheTableSays) {
  for (const MoveCase& c : kMoves) {
    const ScrollView moved = MoveView({c.first, c.last}, c.request, c.thumb, c.lineCount);
    EXPECT_EQ(moved.firstLine, c.expectedFirst)
        << c.what << ": expected first line " << c.expectedFirst << ", got " << moved.firstLine;
    EXPECT_EQ(moved.lastLine, c.expectedLast)
        << c.what << ": expected last line " << c.expectedLast << ", got " << moved.lastLine;
    EXPECT_GE(moved.firstLine, 0) << c.what;
  }
}

TEST(ScrollView, ExtremeLineNumbersWrapWithoutOverflow) {
  // Records are the application's: nothing here may overflow a signed integer (the host
  // tree runs under the undefined-behaviour sanitizer).
  const std::int32_t big = 2147483647;
  const std::int32_t small = -2147483647 - 1;
  const int requests[] = {kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack};
  const ScrollView views[] = {{0, big}, {small, big}, {big, small}, {big, big}, {small, small}};
  const std::int32_t counts[] = {0, big, small, -1};
  for (const ScrollView& view : views)
    for (int request : requests)
      for (std::int32_t count : counts)
        EXPECT_GE(MoveView(view, request, 65535, count).firstLine, 0)
            << "view " << view.firstLine << ".." << view.lastLine << ", request " << request
            << ", lines " << count;
}

}  // namespace
