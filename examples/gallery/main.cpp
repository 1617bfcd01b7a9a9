// gallery.exe: a tour of the library in one main window, "Fenwix Gallery", holding a form
// with every item type, field type and event, and two framed, modal forms (one of fields,
// one of grids), in UTF-8 mode, each declared in a form file. Started with --forms DIR it
// reads the form files from DIR and shows each save of them at once; with --every-message
// it also tells the "BEFORE" event of every message a form receives; with
// --reports-to-output it writes the library's error reports instead of showing them.
#include <cstdio>
#include <cstring>
#include <string>

#include "details_form.h"
#include "event_log.h"
#include "gallery_form.h"
#include "item_table.h"
#include "orders_form.h"

namespace {

// Every report on the output, one "report CODE" line and the report's own lines; the
// program goes on.
bool WriteReport(ErrorCode code, const std::string& report) {
  gallery::Line("report " + std::to_string(code));
  std::fputs(report.c_str(), stdout);
  std::fflush(stdout);
  return false;
}

// The folder after --forms, or empty. The folder's path may not hold a blank.
std::string FormsFolder(const char* commandLine) {
  const char* option = commandLine ? std::strstr(commandLine, "--forms ") : nullptr;
  if (!option) return std::string();
  std::string folder = option + std::strlen("--forms ");
  return folder.substr(0, folder.find(' '));
}

// In UTF-8 mode the main window is a Unicode window.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int showCommand) {
  gallery::SetEveryMessage(commandLine && std::strstr(commandLine, "--every-message"));
  if (commandLine && std::strstr(commandLine, "--reports-to-output"))
    FX_ErrorHandlerSet(WriteReport);
  // Every text in and out of the library is UTF-8: the gallery shows several scripts.
  FX_TextEncodingSet("UTF-8");
  const ErrorCode code = FX_WindowMainCreate("Gallery", showCommand, MainWindowProc,
                                             "name=Fenwix Gallery", 0, 0,
                                             648, 498);
  if (code != 0) return code;  // already reported by the library
  // The forms come from their files, compiled in or, with --forms DIR, read from DIR and
  // watched; a refused file is reported by the library, and the forms it declared stay.
  gallery::LoadForms(FormsFolder(commandLine));
  gallery::FillOrdersForm();
  const ErrorCode formCode = gallery::CreateGalleryForm();
  if (formCode != 0) ReportError(formCode);
  const int exitCode = FX_MessageLoop();
  gallery::Line("exit " + std::to_string(exitCode));
  return exitCode;
}
