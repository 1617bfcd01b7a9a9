// A form of N fields declared from a form file against the same N fields declared in code,
// and one changed field of the open form re-applied against creating the whole form:
//   form_file_bench N
// prints one line per figure, in seconds: "declare_code", "declare_file" (FX_FormItemAdd
// N times against FX_FormTextLoad of N lines), "create" (FX_FormOpen of the form),
// "reapply_one" (a save that moves one field) and "reapply_none" (a save that changes
// nothing).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/bench_time.h"
#include "fenwix/fenwix.h"
#include "fenwix/formfile/form_file_load.h"
#include "fenwix/formfile/form_reapply.h"

namespace {

constexpr int kColumns = 20;

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

void Print(const char* figure, double seconds) { std::printf("%s %.6f\n", figure, seconds); }

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
  if (count < 1) return 2;
  FX_ErrorHandlerSet([](ErrorCode, const std::string& report) {
    std::fputs(report.c_str(), stderr);
    return false;
  });
  if (FX_WindowMainCreate("FormFileBench", SW_SHOW, MainProc, "", 0, 0, 1040, 680)) return 1;

  double start = Now();
  for (int i = 0; i < count; ++i) {
    const int x = (i % kColumns) * 50, y = (i / kColumns) * 12;
    FX_FormItemAdd("code", "f" + std::to_string(i), fx::item::EDIT, i + 1, x, y, 48, 11,
                   "length=10;remark=Field " + std::to_string(i));
  }
  Print("declare_code", Now() - start);

  const std::string text = FormText("file", count, 0);
  start = Now();
  if (FX_FormTextLoad(text, "bench")) return 1;
  Print("declare_file", Now() - start);

  start = Now();
  if (FX_FormOpen("file", nullptr)) return 1;
  Print("create", Now() - start);

  // The re-application itself, without the watch's wait for the next look at the file.
  std::vector<FormFileForm> before, moved;
  CheckFormText(text, "bench", "bench", before);
  CheckFormText(FormText("file", count, 10), "bench", "bench", moved);
  start = Now();
  const ReapplyCount one = ReapplyForm(before[0], moved[0]);
  Print("reapply_one", Now() - start);
  start = Now();
  const ReapplyCount none = ReapplyForm(moved[0], moved[0]);
  Print("reapply_none", Now() - start);
  return one.changed == 1 && none.changed == 0 ? 0 : 1;
}
