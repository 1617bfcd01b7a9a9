// The scroll table: each request moves the view by a line, a page (its span) or to the
// thumb, then the view is held inside the content.
#include "fenwix/window/scroll_view.h"

namespace {

// Line numbers come from the application's records; their sums wrap around instead of
// overflowing.
std::int32_t Add(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
std::int32_t Sub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

}  // namespace

ScrollView MoveView(ScrollView view, int request, std::int32_t thumb, std::int32_t lineCount) {
  const std::int32_t span = Sub(view.lastLine, view.firstLine);
  std::int32_t step = 0;
  ScrollView moved = view;
  switch (request) {
    case kLineUp: step = -1; break;
    case kLineDown: step = 1; break;
    case kPageUp: step = Sub(0, span); break;
    case kPageDown: step = span; break;
    case kThumbTrack:
      moved.firstLine = thumb;
      moved.lastLine = Add(thumb, span);
      break;
    default: break;
  }
  if (step != 0) {
    moved.firstLine = Add(view.firstLine, step);
    moved.lastLine = Add(view.lastLine, step);
  }

  // Above the top: back to the first line, the last line as it was.
  if (moved.firstLine < 0) {
    moved.firstLine = 0;
    moved.lastLine = view.lastLine;
  }
  // At or past the end: pinned so that the last line is the content's last.
  if (moved.firstLine >= Sub(lineCount, span)) {
    moved.lastLine = Sub(lineCount, 1);
    moved.firstLine = Sub(moved.lastLine, span);
  }
  // A content shorter than the span, or empty, would pin the view above its top.
  if (moved.firstLine < 0) {
    moved.firstLine = 0;
    moved.lastLine = span;
  }
  return moved;
}
