// The declared font of an owner-drawn item and its background fill and border, drawn
// into the device context of one paint.
#include "fenwix/form/font_border.h"

#include "fenwix/error/error_context.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/wrapping.h"
#include "fenwix/text/window_text.h"
#include "fenwix/window/window_dpi.h"

namespace {

constexpr char kFontSetName[] = "FX_FormItemFontSet";

// Selects an object that was made for this paint and remembers what it replaced, so that
// the replaced object is back in the device context before this one is deleted.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object)
      : dc_(dc), object_(object), previous_(object ? os::SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (!object_) return;
    os::SelectObject(dc_, previous_);
    os::DeleteObject(object_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ previous_;
};

// Fills the rectangle with a brush of the colour and no outline. Without an outline
// Rectangle leaves out the right column and bottom row, hence the extra pixel.
void FillRectangle(HDC dc, const RECT& rect, ColorValue color) {
  HPEN pen = os::CreatePen(PS_NULL, 0, 0);
  if (!pen) ReportError(1044);  // the fill then shows the current pen's outline
  Selection nullPen(dc, pen);

  HBRUSH brush = os::CreateSolidBrush(static_cast<COLORREF>(color));
  if (!brush) {
    // Rectangle would fill with whatever brush is selected: a wrong colour.
    ReportError(1046);
    return;
  }
  Selection fill(dc, brush);
  if (!os::Rectangle(dc, rect.left, rect.top, WrapAdd(rect.right, 1), WrapAdd(rect.bottom, 1)))
    ReportError(1046);
}

// A closed line w pixels wide whose outer edge runs along the rectangle's first and last
// columns and rows (right and bottom are exclusive): a pen is centred on its path, so the
// path moves in by half the width, the larger half at the exclusive sides.
ErrorCode DrawSolidLine(HDC dc, const RECT& rect, std::int32_t w, ColorValue color) {
  const std::int32_t left = WrapAdd(rect.left, w / 2);
  const std::int32_t top = WrapAdd(rect.top, w / 2);
  const std::int32_t right = WrapSub(rect.right, (w + 1) / 2);
  const std::int32_t bottom = WrapSub(rect.bottom, (w + 1) / 2);
  if (w == 0) return 0;

  // A cosmetic pen would ignore the width, and round end caps would leave the corners
  // of a wide line cut off.
  const LOGBRUSH brush = {BS_SOLID, static_cast<COLORREF>(color), 0};
  HPEN pen = os::ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_SOLID,
                              static_cast<DWORD>(w), &brush, 0, nullptr);
  if (!pen) ReportError(1044);  // drawing goes on with the current pen
  Selection line(dc, pen);

  if (!os::MoveToEx(dc, left, top, nullptr)) return 1042;
  const POINT path[] = {{right, top}, {right, bottom}, {left, bottom}, {left, top}};
  for (const POINT& p : path) {
    if (!os::LineTo(dc, p.x, p.y)) return 1043;
  }
  return 0;
}

ErrorCode DrawEdgeRect(HDC dc, const RECT& rect, UINT edge) {
  RECT edgeRect = rect;
  return os::DrawEdge(dc, &edgeRect, edge, BF_RECT) ? 0 : 1040;
}

}  // namespace

ItemFont::~ItemFont() {
  // A report can allocate; nothing may escape a destructor that runs during painting.
  try {
    Release();
  } catch (...) {
  }
}

ErrorCode ItemFont::Release() {
  if (!font_) return 0;
  HFONT font = font_;
  font_ = nullptr;
  os::SelectObject(dc_, previous_);
  if (os::DeleteObject(font)) return 0;
  SetErrorContext("", kFontSetName);
  ReportError(1011);
  return 1011;
}

ErrorCode FX_FormItemFontSet(HDC dc, const std::string& faceName, std::int32_t size, bool bold,
                             bool italic, bool underline, ItemFont& font) {
  SetErrorContext("", kFontSetName);
  font.Release();

  // Made for the DPI of the window painted, else of the device. A negative height asks
  // for the em height of the characters, the size a point size names, rather than the
  // height of the character cell.
  const HWND window = os::WindowFromDC(dc);
  const int height = window ? FontHeight(window, size)
                            : WrapSub(0, os::MulDiv(size, os::GetDeviceCaps(dc, LOGPIXELSY), 72));
  const int weight = bold ? FW_BOLD : FW_NORMAL;
  HFONT made = CreateTextFont(height, weight, italic, underline, faceName);
  if (!made) {
    ReportError(1006);
    return 1006;
  }
  HGDIOBJ previous = os::SelectObject(dc, made);
  if (!previous || previous == HGDI_ERROR) {
    ReportError(1011);  // first, while the last error is still the selection's
    os::DeleteObject(made);
    return 1011;
  }
  font.dc_ = dc;
  font.font_ = made;
  font.previous_ = previous;
  return 0;
}

ErrorCode FX_FormItemBorderDraw(HDC dc, const RECT& rect, const std::string& style,
                                std::int32_t size, ColorValue borderColor, ColorValue fillColor) {
  std::int32_t w = (size < 0 || size > 16) ? 1 : size;
  // The width is in pixels at 96 DPI when the device is a window.
  if (const HWND window = os::WindowFromDC(dc)) w = ScaledLength(w, WindowDpi(window));
  if (fillColor != kNoColor) FillRectangle(dc, rect, fillColor);

  if (style == fx::word::SOLID) return DrawSolidLine(dc, rect, w, borderColor);
  if (style == fx::word::BORDER_3DIN) return DrawEdgeRect(dc, rect, EDGE_SUNKEN);
  if (style == fx::word::BORDER_3DOUT) return DrawEdgeRect(dc, rect, EDGE_RAISED);
  return 25;
}
