// fx::post and fx::run. Callables wait in one queue under a lock; one message to a hidden
// message-only window wakes the thread of the windows, which runs them one at a time in
// the order they came. A window rather than the thread's own queue: the message loop of a
// modal form drops thread messages, but dispatches window messages to any window.
#include <atomic>
#include <deque>
#include <mutex>

#include "fenwix/cpp/layer_call.h"
#include "fenwix/cpp/post_queue.h"
#include "fenwix/platform/platform.h"
#include "fenwix/window/library_state.h"

namespace fx {
namespace layer {
namespace {

constexpr UINT kRunPosted = WM_APP + 0x3F0;
constexpr char kClassName[] = "FenwixPostWindow";

struct PostQueue {
  std::mutex lock;
  std::deque<std::function<void()>> waiting;
  // A wake-up message is on its way: further posts need none until the queue is empty.
  bool wakePending = false;
  std::atomic<HWND> window{nullptr};
};

PostQueue& Queue() {
  static PostQueue queue;
  return queue;
}

// Runs until the queue is empty. A callable that opens a modal form runs the rest from the
// modal loop, still in order: each is taken out only when it is its turn.
void RunPosted() {
  PostQueue& queue = Queue();
  for (;;) {
    std::function<void()> next;
    {
      const std::lock_guard<std::mutex> guard(queue.lock);
      if (queue.waiting.empty()) {
        queue.wakePending = false;
        return;
      }
      next = std::move(queue.waiting.front());
      queue.waiting.pop_front();
    }
    try {
      const ReportsShown shown;
      next();
    } catch (...) {
      ReportThrown(kPostedThrew, "", "fx::post");
    }
  }
}

LRESULT CALLBACK PostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunPosted) {
    RunPosted();
    return 0;
  }
  return os::DefWindowProcA(window, message, wParam, lParam);
}

// Sends the wake-up unless one is on its way; the caller holds the lock.
void Wake(PostQueue& queue) {
  const HWND window = queue.window.load();
  if (!window || queue.wakePending || queue.waiting.empty()) return;
  queue.wakePending = os::PostMessageA(window, kRunPosted, 0, 0) != 0;
}

}  // namespace

void StartPostWindow() {
  PostQueue& queue = Queue();
  if (queue.window.load()) return;
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = PostWindowProc;
  windowClass.hInstance = os::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  os::RegisterClassExA(&windowClass);
  const HWND window = os::CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                         nullptr, windowClass.hInstance, nullptr);
  if (!window) {
    // Posts then wait; the program learns why from the report.
    ReportError(1001);
    return;
  }
  const std::lock_guard<std::mutex> guard(queue.lock);
  queue.window.store(window);
  Wake(queue);
}

}  // namespace layer

void post(std::function<void()> callable) {
  layer::PostQueue& queue = layer::Queue();
  const std::lock_guard<std::mutex> guard(queue.lock);
  queue.waiting.push_back(std::move(callable));
  layer::Wake(queue);
}

int run() {
  layer::StartPostWindow();
  return FX_MessageLoop();
}

}  // namespace fx
