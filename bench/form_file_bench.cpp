// A form of N fields declared from a form file against the same N fields declared in code,
// and one changed field of the open form re-applied against creating the whole form:
//   form_file_bench N
// prints one line per figure, in seconds: "declare_code", "declare_file" (FX_FormItemAdd
// N times against FX_FormTextLoad of N lines, each the fastest of five rounds), "create" (FX_FormOpen of the form),
// "reapply_one" (a save that moves one field) and "reapply_none" (a save that changes
// nothing); then "gdi_left" and "user_left", the brushes, fonts, pens and regions and the
// windows that 50 re-applications leave beyond what the form had (the platform's own count
// of a process's objects is not kept under Wine, so the library's calls are counted).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_time.h"
#include "fenwix/fenwix.h"
#include "fenwix/formfile/form_file_load.h"
#include "fenwix/formfile/form_reapply.h"
#include "tests/support/gdi_counter.h"

namespace {

constexpr int kColumns = 20;
constexpr int kRounds = 5;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

std::string FieldLine(int index, int shift) {
  const int x = (index % kColumns) * 50 + shift, y = (index / kColumns) * 12;
  return "item f" + std::to_string(index) + " EDIT " + std::to_string(x) + " " +
         std::to_string(y) + " 48 11 length=10;remark=Field " + std::to_string(index) + "\n";
}

// The form's text; with shift, its first field moved by that many pixels.
std::string FormText(const char* name, int count, int shift) {
  std::string text = "form " + std::string(name) + " 0 0 1010 620 name=Bench\n";
  for (int i = 0; i < count; ++i) text += FieldLine(i, i == 0 ? shift : 0);
  return text;
}

// The form changed in each way a save can change it: a field moved, given a colour, a font
// size and a format, one made a label (so re-created), one removed and one added.
std::string ChangedFormText(const char* name, int count) {
  std::string text = FormText(name, count, 10);
  const auto replace = [&text](const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
  };
  replace("remark=Field 1\n", "remark=Field 1;bkcol=yellow;ftsize=14\n");
  replace("remark=Field 2\n", "remark=Field 2;type=date;format=DD/MM/YYYY\n");
  replace("f3 EDIT", "f3 STATIC");
  replace(FieldLine(4, 0), "item added EDIT 0 600 48 11 length=5\n");
  return text;
}

void Print(const char* figure, double seconds) { std::printf("%s %.6f\n", figure, seconds); }

BOOL CALLBACK PaintWindow(HWND window, LPARAM) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return TRUE;
}
// Every window painted whole, so that each control holds the brushes its colours take.
void PaintAll() { EnumThreadWindows(GetCurrentThreadId(), PaintWindow, 0); }

int windows = 0;
BOOL CALLBACK CountWindow(HWND window, LPARAM) {
  ++windows;
  EnumChildWindows(window, CountWindow, 0);
  return TRUE;
}
// The windows of this thread and all their descendants.
int WindowCount() {
  windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, 0);
  return windows;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  if (count < 1) return 2;
  FX_ErrorHandlerSet([](ErrorCode, const std::string& report) {
    std::fputs(report.c_str(), stderr);
    return false;
  });
  if (FX_WindowMainCreate("FormFileBench", SW_SHOW, MainProc, "", 0, 0, 1040, 680)) return 1;

  // Each way declares its own forms in turns, and keeps its fastest round: a round that a
  // busy machine slowed tells nothing of the library.
  double code = 1e9, file = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    const std::string suffix = std::to_string(round);
    double start = Now();
    for (int i = 0; i < count; ++i) {
      const int x = (i % kColumns) * 50, y = (i / kColumns) * 12;
      FX_FormItemAdd("code" + suffix, "f" + std::to_string(i), fx::item::EDIT, i + 1, x, y, 48,
                     11, "length=10;remark=Field " + std::to_string(i));
    }
    code = std::min(code, Now() - start);
    const std::string text = FormText(("file" + suffix).c_str(), count, 0);
    start = Now();
    if (FX_FormTextLoad(text, "bench")) return 1;
    file = std::min(file, Now() - start);
  }
  Print("declare_code", code);
  Print("declare_file", file);

  const std::string text = FormText("file0", count, 0);
  double start = Now();
  if (FX_FormOpen("file0", nullptr)) return 1;
  Print("create", Now() - start);

  // The re-application itself, without the watch's wait for the next look at the file.
  std::vector<FormFileForm> before, moved;
  CheckFormText(text, "bench", "bench", before);
  CheckFormText(FormText("file0", count, 10), "bench", "bench", moved);
  start = Now();
  const ReapplyCount one = ReapplyForm(before[0], moved[0]);
  Print("reapply_one", Now() - start);
  start = Now();
  const ReapplyCount none = ReapplyForm(moved[0], moved[0]);
  Print("reapply_none", Now() - start);

  // Fifty saves, each undoing the last, end where they began.
  const std::string changed = ChangedFormText("file0", count);
  std::vector<FormFileForm> original, other;
  CheckFormText(FormText("file0", count, 10), "bench", "bench", original);
  CheckFormText(changed, "bench", "bench", other);
  PaintAll();
  const int windowsBefore = WindowCount();
  long gdiLeft = 0;
  {
    const test::GdiCounter gdi;
    for (int save = 0; save < 50; ++save) {
      const bool forth = save % 2 == 0;
      ReapplyForm(forth ? original[0] : other[0], forth ? other[0] : original[0]);
    }
    PaintAll();
    gdiLeft = gdi.added();
  }
  std::printf("gdi_left %ld\n", gdiLeft);
  std::printf("user_left %d\n", WindowCount() - windowsBefore);
  return one.changed == 1 && none.changed == 0 ? 0 : 1;
}
