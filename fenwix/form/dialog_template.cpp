// Writes a form's dialog template: pixel geometry turned into dialog units, the caption
// and the face name converted to UTF-16, all inside a block sized to fit them.
#include "fenwix/form/dialog_template.h"

#include <cstring>

#include "fenwix/error/reported.h"
#include "fenwix/form/template_writer.h"
#include "fenwix/platform/platform.h"
#include "fenwix/text/encoding.h"

namespace {

constexpr char kFaceName[] = "Arial";
constexpr WORD kPointSize = 10;

// Dialog units are a quarter of the base width and an eighth of the base height. The
// 16-bit fields keep the low 16 bits.
WORD HorizontalUnits(int pixels) {
  return static_cast<WORD>(os::MulDiv(pixels, 4, LOWORD(os::GetDialogBaseUnits())));
}
WORD VerticalUnits(int pixels) {
  return static_cast<WORD>(os::MulDiv(pixels, 8, HIWORD(os::GetDialogBaseUnits())));
}

// Converts the program's text into the writer's block; the zero unit after it is the
// block's. Neither encoding gives more UTF-16 units than the text has bytes.
void WriteText(TemplateWriter& writer, const std::string& text) {
  unsigned char* room = writer.TextRoom(text.size());
  if (!room) return;
  const WideString wide = WideText(text);
  std::memcpy(room, wide.data(), wide.size() * sizeof(WCHAR));
  writer.SkipText(wide.size());
}

}  // namespace

ErrorCode BuildDialogTemplate(const FormFrame& frame, HGLOBAL& block) {
  const std::size_t size = DialogTemplateSize(frame.caption.size(), sizeof kFaceName - 1);
  block = os::GlobalAlloc(GMEM_ZEROINIT, size);
  if (!block) return Reported(1015);
  void* memory = os::GlobalLock(block);
  if (!memory) {
    os::GlobalFree(block);
    return Reported(1016);
  }

  TemplateWriter writer(static_cast<unsigned char*>(memory), size);
  writer.Dword(frame.framed ? kFramedFormStyle : kChildFormStyle);
  writer.Dword(0);  // extended style
  writer.Word(0);   // no items
  writer.Word(HorizontalUnits(frame.left));
  writer.Word(VerticalUnits(frame.top));
  writer.Word(HorizontalUnits(frame.width));
  writer.Word(VerticalUnits(frame.height));
  writer.Word(0);  // no menu
  writer.Word(0);  // the platform's dialog class
  WriteText(writer, frame.caption);
  writer.Word(kPointSize);
  WriteText(writer, kFaceName);

  // A fixed block has no lock count, and GlobalUnlock answers TRUE for it whatever
  // happened; whether the block is still locked is told by its flags.
  os::GlobalUnlock(block);
  if (os::GlobalFlags(block) & GMEM_LOCKCOUNT) {
    os::GlobalFree(block);
    return 1020;
  }
  return 0;
}
