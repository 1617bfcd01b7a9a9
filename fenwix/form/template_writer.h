// The in-memory dialog template of a form: its size, computed from its contents before
// anything is written, and a writer that never writes past the end of its block.
//
// Layout (little-endian): style, extended style (4 bytes each); item count, x, y, cx,
// cy, menu, class (2 bytes each); the caption in UTF-16 and a zero unit; the point size;
// the face name in UTF-16 and a zero unit.
#ifndef FENWIX_FORM_TEMPLATE_WRITER_H
#define FENWIX_FORM_TEMPLATE_WRITER_H

#include <cstddef>
#include <cstdint>

// No form's template is smaller than this.
inline constexpr std::size_t kMinTemplateBytes = 1024;
// Where the caption starts.
inline constexpr std::size_t kCaptionOffset = 22;

// The block that holds a template whose caption and face name have the given numbers of
// ANSI bytes. A byte of any ANSI code page (UTF-8 included) becomes at most one UTF-16
// unit, so each text needs at most two bytes per byte, plus its zero unit.
std::size_t DialogTemplateSize(std::size_t captionBytes, std::size_t faceBytes);

class TemplateWriter {
 public:
  // block: size bytes, zero-filled.
  TemplateWriter(unsigned char* block, std::size_t size) : block_(block), size_(size) {}

  void Word(std::uint16_t value);
  void Dword(std::uint32_t value);

  // The room for a UTF-16 text of up to maxUnits units followed by its zero unit, or
  // nullptr when the block cannot hold them. The caller converts into it and passes the
  // number of units written to SkipText, which also steps over the zero unit (left zero
  // by the block).
  unsigned char* TextRoom(std::size_t maxUnits);
  void SkipText(std::size_t units);

  std::size_t offset() const { return offset_; }
  // True once a write did not fit and was refused.
  bool overflowed() const { return overflowed_; }

 private:
  bool Fits(std::size_t bytes);

  unsigned char* block_;
  std::size_t size_;
  std::size_t offset_ = 0;
  std::size_t textRoom_ = 0;  // units granted by the last TextRoom
  bool overflowed_ = false;
};

#endif
