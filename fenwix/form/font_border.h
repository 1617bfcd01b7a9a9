// Fonts and borders of owner-drawn items: the item's declared font made current in the
// device context of one paint, and the background fill with one of the three border
// styles, at the DPI of the window painted. Every pen, brush and font made here is
// released within the same paint.
#ifndef FENWIX_FORM_FONT_BORDER_H
#define FENWIX_FORM_FONT_BORDER_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/props/value_convert.h"

// The font that FX_FormItemFontSet made current. The device context keeps drawing with
// it until Release, which selects the previous font back and only then deletes it:
// Windows refuses to delete a font that is still selected, and the font would leak.
class ItemFont {
 public:
  ItemFont() = default;
  ~ItemFont();
  ItemFont(const ItemFont&) = delete;
  ItemFont& operator=(const ItemFont&) = delete;

  // 0, or 1011 (reported) when the font cannot be released. Nothing to do after a
  // failed FX_FormItemFontSet.
  ErrorCode Release();

 private:
  friend ErrorCode FX_FormItemFontSet(HDC, const std::string&, std::int32_t, bool, bool, bool,
                                      ItemFont&);
  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// Makes a font of the face and point size current in the device context, made for the DPI
// of its window (else of the device), held by `font` until it is released. 0, or (reported) 1006 when the font cannot be made and 1011 when
// it cannot be selected. Leaves the error context set to this call.
ErrorCode FX_FormItemFontSet(HDC dc, const std::string& faceName, std::int32_t size, bool bold,
                             bool italic, bool underline, ItemFont& font);

// Fills the rectangle (its right column and bottom row included) unless the fill colour
// is kNoColor, then draws the border: "SOLID" a line of the border colour `size` pixels
// wide just inside the rectangle (scaled from 96 DPI to the window's), "3DIN" and "3DOUT"
// sunken and raised 3D edges. A size outside 0 to 16 draws 1 pixel wide. Returns 0, 25 (unknown style, after the fill), 1040
// (3D edge), 1042 (start point) or 1043 (line); reports 1044 (pen) and 1046 (fill) and
// goes on.
ErrorCode FX_FormItemBorderDraw(HDC dc, const RECT& rect, const std::string& style,
                                std::int32_t size, ColorValue borderColor, ColorValue fillColor);

#endif
