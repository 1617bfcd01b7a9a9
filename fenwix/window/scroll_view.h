// Where a vertical scroll request moves a view of whole lines. Pure arithmetic, kept apart
// from the window that shows it.
#ifndef FENWIX_WINDOW_SCROLL_VIEW_H
#define FENWIX_WINDOW_SCROLL_VIEW_H

#include <cstdint>

// The visible lines, first to last; their span (last - first) survives every move.
struct ScrollView {
  std::int32_t firstLine = 0;
  std::int32_t lastLine = 0;
};

// The scroll bar's requests, as WM_VSCROLL carries them in its low word.
enum ScrollRequest : int {
  kLineUp = 0,
  kLineDown = 1,
  kPageUp = 2,
  kPageDown = 3,
  kThumbPosition = 4,
  kThumbTrack = 5,
};

// The view after a request over a content of lineCount lines. thumb is the thumb's
// position (used by kThumbTrack only). The first line never becomes negative, not even
// when the content has fewer lines than the span (or none).
ScrollView MoveView(ScrollView view, int request, std::int32_t thumb, std::int32_t lineCount);

#endif
