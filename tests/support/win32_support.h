// What Windows-tree tests share: the recorder that stands in for MessageBoxA, a message
// pump, and (gdi_counter.h) counters of GDI objects made and released through the seam.
#ifndef FENWIX_TESTS_SUPPORT_WIN32_SUPPORT_H
#define FENWIX_TESTS_SUPPORT_WIN32_SUPPORT_H

#include <string>
#include <vector>

#include "fenwix/platform/platform.h"
#include "tests/support/gdi_counter.h"

namespace test {

struct MessageBoxCall {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};

// Every message box is recorded, its texts in UTF-8 when it is a wide one, and answered
// with the recorder's answer (IDNO unless a test says otherwise).
void InstallMessageBoxRecorder();
std::vector<MessageBoxCall>& RecordedMessageBoxes();
void SetMessageBoxAnswer(int answer);
// The error numbers of the reports shown since the last call, oldest first; the record
// is emptied.
std::vector<int> TakeReportedCodes();

// A UTF-16 text (none for nullptr) in UTF-8.
std::string Utf8Of(const wchar_t* text);

// "(left, top, right, bottom)", for failure messages.
std::string Describe(const RECT& r);

// Dispatches every queued message until the queue stays empty; a WM_QUIT found on the
// way is put back and reported.
bool PumpMessages();

// Removes a posted WM_QUIT and returns its exit code, or -1 when there is none.
int TakeQuitMessage();

}  // namespace test

#endif
