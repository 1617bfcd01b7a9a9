// How the hand-written programs paint an owner-drawn key: the face filled in its colour,
// a raised edge (sunken while pressed), the caption centred, and the focus rectangle.
#ifndef FENWIX_BENCH_RAW_KEY_H
#define FENWIX_BENCH_RAW_KEY_H

#include <windows.h>

inline void FillFace(HDC dc, const RECT& rect, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

inline void PaintKey(const DRAWITEMSTRUCT& draw, COLORREF back, COLORREF text,
                     const char* caption) {
  RECT rect = draw.rcItem;
  FillFace(draw.hDC, rect, back);
  DrawEdge(draw.hDC, &rect, (draw.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
           BF_RECT);
  InflateRect(&rect, -2, -2);
  SetTextColor(draw.hDC, text);
  DrawTextA(draw.hDC, caption, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  if (draw.itemState & ODS_FOCUS) {
    RECT focus = draw.rcItem;
    InflateRect(&focus, -5, -5);
    DrawFocusRect(draw.hDC, &focus);
  }
}

#endif
