// The text a control shows, read whole: a user's text is never cut to a buffer's size.
#include "fenwix/form/control_text.h"

#include "fenwix/platform/platform.h"

std::string ControlText(HWND control) {
  // The length is an upper bound (a multibyte text may copy fewer bytes), never less.
  const int length = os::GetWindowTextLengthA(control);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = os::GetWindowTextA(control, &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}
