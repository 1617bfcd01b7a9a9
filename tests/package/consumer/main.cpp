// Checks that a program built against the installed package links and runs: it makes a
// main window and a form with one item, sees the form's callback called, and leaves its
// message loop through a posted quit message; then the same through the C++ layer. Prints
// what it checked; exits 0 when all checks passed.
#include <fenwix/fenwix.h>
#include <fenwix/fenwix.hpp>

#include <cstdio>

namespace {

int failures = 0;
int callbackCalls = 0;

void Check(bool ok, const char* what) {
  std::printf("consumer: %s: %s\n", what, ok ? "ok" : "FAILED");
  std::fflush(stdout);
  if (!ok) ++failures;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

std::intptr_t OnEvent(std::string, std::string, std::string, HWND, UINT, WPARAM, LPARAM) {
  ++callbackCalls;
  return 0;
}

}  // namespace

int main() {
  Check(FX_WindowMainCreate("Main", SW_SHOWNORMAL, MainWindowProc, "name=Package check", 0, 0,
                            300, 200) == 0,
        "main window created");
  Check(FX_FormItemAdd("check", "hello", fx::item::STATIC, 1, 10, 10, 200, 24,
                       "value=Hello from the package") == 0,
        "item declared");
  Check(FX_FormCreate("check", "edge=false;stbar=false", 0, 0, 300, 200, OnEvent) == 0,
        "form created");
  Check(callbackCalls > 0, "form callback called");
  Check(TextToInt(IntToText(-2147483647 - 1), 10) == -2147483647 - 1, "number conversions");
  int layerCalls = 0;
  fx::Form layered("layered");
  layered.item("hello", fx::item::STATIC, 1, 10, 10, 200, 24, "value=Hello from the layer")
      .on(fx::event::BEFORE, [&layerCalls](fx::Event&) { ++layerCalls; })
      .create("edge=false;stbar=false", 0, 0, 300, 200);
  Check(layerCalls > 0, "the C++ layer's handler called");
  try {
    layered.create("edge=false", 0, 0, 300, 200);
    Check(false, "a second opening refused with fx::Error");
  } catch (const fx::Error& error) {
    Check(error.code() == 2, "a second opening refused with fx::Error");
  }
  PostQuitMessage(7);
  Check(FX_MessageLoop() == 7, "message loop returned the quit code");
  std::printf("consumer: %s\n", failures == 0 ? "all checks passed" : "some checks failed");
  return failures == 0 ? 0 : 1;
}
