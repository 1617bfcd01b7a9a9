// Sizing and bounded writing of a form's dialog template.
#include "fenwix/form/template_writer.h"

std::size_t DialogTemplateSize(std::size_t captionBytes, std::size_t faceBytes) {
  const std::size_t needed = kCaptionOffset + 2 * (captionBytes + 1)  // caption
                             + 2                                      // point size
                             + 2 * (faceBytes + 1);                   // face name
  return needed < kMinTemplateBytes ? kMinTemplateBytes : needed;
}

bool TemplateWriter::Fits(std::size_t bytes) {
  if (overflowed_ || bytes > size_ - offset_) {
    overflowed_ = true;
    return false;
  }
  return true;
}

void TemplateWriter::Word(std::uint16_t value) {
  if (!Fits(2)) return;
  block_[offset_] = static_cast<unsigned char>(value & 0xFF);
  block_[offset_ + 1] = static_cast<unsigned char>(value >> 8);
  offset_ += 2;
}

void TemplateWriter::Dword(std::uint32_t value) {
  if (!Fits(4)) return;
  Word(static_cast<std::uint16_t>(value & 0xFFFF));
  Word(static_cast<std::uint16_t>(value >> 16));
}

unsigned char* TemplateWriter::TextRoom(std::size_t maxUnits) {
  textRoom_ = 0;
  if (overflowed_ || maxUnits >= (size_ - offset_) / 2) {
    overflowed_ = true;
    return nullptr;
  }
  textRoom_ = maxUnits;
  return block_ + offset_;
}

void TemplateWriter::SkipText(std::size_t units) {
  if (overflowed_ || units > textRoom_) {
    overflowed_ = true;
    return;
  }
  offset_ += 2 * (units + 1);
  textRoom_ = 0;
}
