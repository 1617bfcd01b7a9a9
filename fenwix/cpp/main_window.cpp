// fx::MainWindow: the main window with the layer's procedure, which gives every message to
// the library first, then to the program's handler for it, then to the platform.
#include <map>
#include <memory>

#include "fenwix/cpp/layer_call.h"
#include "fenwix/cpp/post_queue.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/registry.h"

namespace fx {
namespace {

std::map<UINT, std::shared_ptr<const Handler>>& MainHandlers() {
  static std::map<UINT, std::shared_ptr<const Handler>> handlers;
  return handlers;
}

std::string& MainName() {
  static std::string name;
  return name;
}

// The answer of the program's handler for the message, 0 when it has none or it threw.
std::intptr_t MainHandlerAnswer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    const auto& handlers = MainHandlers();
    const auto found = handlers.find(message);
    if (found == handlers.end()) return 0;
    const std::shared_ptr<const Handler> handler = found->second;
    static const std::string none;
    Event happened(MainName(), none, none, window, message, wParam, lParam);
    const ReportsShown shown;
    return (*handler)(happened);
  } catch (...) {
    layer::ReportThrown(layer::kMainHandlerThrew, MainName(), "fx::MainWindow::on");
    return 0;
  }
}

LRESULT CALLBACK LayerMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FX_WindowMessageAuto(message, wParam);
  const std::intptr_t answer = MainHandlerAnswer(window, message, wParam, lParam);
  if (answer) return answer;
  return os::IsWindowUnicode(window) ? os::DefWindowProcW(window, message, wParam, lParam)
                                     : os::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

MainWindow MainWindow::create(std::string_view name, std::string_view properties, int x, int y,
                              int width, int height) {
  // A new main window starts with none of the handlers of one that a restart of the
  // library forgot; a refused second one leaves the living one's alone.
  if (TheRegistry().MainWindowName.empty()) {
    MainHandlers().clear();
    MainName() = std::string(name);
  }
  layer::Checked([&] {
    return FX_WindowMainCreate(std::string(name), SW_SHOWNORMAL, LayerMainProc,
                               layer::Text(properties), x, y, width, height);
  });
  layer::StartPostWindow();
  return MainWindow(MainName());
}

void MainWindow::attach(UINT message, Handler handler) {
  MainHandlers()[message] = std::make_shared<const Handler>(std::move(handler));
}

MainWindow& MainWindow::title(std::string_view title) {
  layer::Checked([&] { return FX_WindowTitleSet(name_, layer::Text(title)); });
  return *this;
}

MainWindow& MainWindow::move(int x, int y, int width, int height) {
  layer::Checked([&] { return FX_WindowMove(name_, x, y, width, height); });
  return *this;
}

}  // namespace fx
