// FX_FormFileWatch: a timer of the thread that runs the windows, serviced by its message
// loop (and by a modal form's), looks at each watched file's write time and size, and
// brings a saved change onto the open forms of the file. No other thread touches a window.
#include <map>
#include <new>
#include <string>
#include <vector>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/formfile/form_file_load.h"
#include "fenwix/formfile/form_reapply.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/form_life.h"

namespace {

// Often enough that a save shows while the author still looks at the form, seldom enough
// that an idle program costs nothing worth measuring.
constexpr UINT kWatchInterval = 250;

struct WatchedFile {
  FileStamp stamp;
  std::vector<std::string> forms;  // of its last version that passed the check
};

struct Watch {
  std::map<std::string, WatchedFile> files;
  UINT_PTR timer = 0;
  bool busy = false;  // a re-application that lets messages in is not entered again
};

Watch& TheWatch() {
  static Watch watch;
  return watch;
}

std::vector<std::string> NamesOf(const std::vector<FormFileForm>& forms) {
  std::vector<std::string> names;
  for (const FormFileForm& form : forms) names.push_back(form.name);
  return names;
}

// A bad save changes nothing: its place and message go to the program's error handler and
// to the status bars of the file's open forms, never to a message box that would stop the
// author's typing.
void ReportBadSave(ErrorCode code, const std::vector<std::string>& forms) {
  const std::string place = CurrentErrorContext().windowName;
  const std::string message = ReportWithoutBox(code);
  for (const std::string& form : forms) {
    if (IsFormOnScreen(FindWindowDef(form))) FX_FormStatusSet(form, place + " " + message);
  }
}

void ApplySave(const std::string& path, WatchedFile& watched, const std::string& text) {
  std::vector<FormFileForm> forms;
  if (const ErrorCode code = CheckFormText(text, path, "FX_FormFileWatch", forms)) {
    ReportBadSave(code, watched.forms);
    return;
  }
  watched.forms = NamesOf(forms);
  for (const FormFileForm& form : forms) {
    const FormDef record = FindWindowDef(form.name);
    const FormFileForm* before = FindFileForm(form.name);
    if (before && IsFormOnScreen(record)) {
      const FormFileForm old = *before;
      const ReapplyCount count = ReapplyForm(old, form);
      KeepFileForm(form);
      // A save that changed nothing leaves even the status bar alone.
      if (count.changed || count.added || count.removed || count.recreated || count.formChanged)
        FX_FormStatusSet(form.name, ReapplySummary(count));
    } else if (!IsFormAlive(record)) {
      DeclareFileForm(form);
    }
  }
}

void CheckFile(const std::string& path, WatchedFile& watched) {
  const FileStamp stamp = StampOf(path);
  // A file deleted or being renamed leaves the forms as they are.
  if (!stamp.exists || stamp == watched.stamp) return;
  std::string text;
  // A file still being written, or locked by its editor, is read again at the next tick.
  if (!ReadWholeFile(path, text)) return;
  watched.stamp = stamp;
  ApplySave(path, watched, text);
}

void CALLBACK CheckWatchedFiles(HWND, UINT, UINT_PTR, DWORD) {
  Watch& watch = TheWatch();
  if (watch.busy) return;
  watch.busy = true;
  // No exception may leave a timer procedure: the message loop's frames cannot pass it on.
  try {
    SaveErrorContext();
    for (auto& [path, watched] : watch.files) CheckFile(path, watched);
    RestoreErrorContext();
  } catch (...) {
  }
  watch.busy = false;
}

}  // namespace

ErrorCode FX_FormFileWatch(std::string path, bool watch) {
  try {
    SetErrorContext(path, "FX_FormFileWatch");
    if (!WasLoaded(path)) return Reported(formfile_code::kNotDeclared);
    Watch& state = TheWatch();
    if (!watch) {
      state.files.erase(path);
      if (state.files.empty() && state.timer) {
        os::KillTimer(nullptr, state.timer);
        state.timer = 0;
      }
      return 0;
    }
    if (!state.timer) {
      state.timer = os::SetTimer(nullptr, 0, kWatchInterval, CheckWatchedFiles);
      if (!state.timer) return Reported(formfile_code::kUnreadable);
    }
    WatchedFile& watched = state.files[path];
    watched.stamp = StampOf(path);
    std::string text;
    std::vector<FormFileForm> forms;
    if (ReadWholeFile(path, text) && !CheckFormText(text, path, "FX_FormFileWatch", forms))
      watched.forms = NamesOf(forms);
    SetErrorContext(path, "FX_FormFileWatch");
    return 0;
  } catch (const std::bad_alloc&) {
    return Reported(formfile_code::kUnreadable);
  }
}
