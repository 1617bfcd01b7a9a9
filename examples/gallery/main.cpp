// gallery.exe: a tour of the library in one main window, "Fenwix Gallery", holding a form
// with every item type, field type and event, and a second, modal form. Started with
// --every-message it also tells the "BEFORE" event of every message a form receives.
#include <cstring>

#include "details_form.h"
#include "event_log.h"
#include "gallery_form.h"

namespace {

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCommand) {
  gallery::SetEveryMessage(commandLine && std::strstr(commandLine, "--every-message"));
  const ErrorCode code = FX_WindowMainCreate("Gallery", showCommand, MainWindowProc,
                                             "name=Fenwix Gallery;bkcol=lightgrey", 0, 0,
                                             648, 498);
  if (code != 0) return code;  // already reported by the library
  // Item declarations report their own failures; the form shows what was declared.
  gallery::DeclareGalleryForm();
  gallery::DeclareDetailsForm();
  const ErrorCode formCode = gallery::CreateGalleryForm();
  if (formCode != 0) ReportError(formCode);
  const int exitCode = FX_MessageLoop();
  gallery::Line("exit " + std::to_string(exitCode));
  return exitCode;
}
