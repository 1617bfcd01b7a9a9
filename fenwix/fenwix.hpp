// Fenwix for C++: the library's calls as objects, handlers as any callable, values as
// types and failures as exceptions. A thin layer over the calls of fenwix/fenwix.h, which
// stay as they are:
//
//   fx::MainWindow::create("Main", "name=My tool", 0, 0, 400, 300);
//   fx::Form form("f");
//   form.item("count", fx::item::BUTTON, 1, 10, 10, 80, 30, "value=Count");
//   int clicks = 0;
//   form.on(fx::event::ITEMCLIC, "count", [&clicks](fx::Event&) { ++clicks; });
//   form.create("bkcol=lightgrey", 0, 0, 400, 300);
//   return fx::run();
//
// A call that fails throws fx::Error, whose text is the report the library would have
// shown; no message box appears for it. No exception leaves a handler, a grid source or a
// posted callable: it is reported (codes 1070 to 1073) with its text, and the message is
// handled as if the handler had answered 0. Texts are in the program's text encoding.
#ifndef FENWIX_FENWIX_HPP
#define FENWIX_FENWIX_HPP

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "fenwix/fenwix.h"

#ifdef _WIN32
namespace fx {

class Error : public std::runtime_error {
 public:
  Error(ErrorCode code, const std::string& report) : std::runtime_error(report), code_(code) {}
  ErrorCode code() const noexcept { return code_; }

 private:
  ErrorCode code_;
};

// One event of a form, of its items or of the main window, as its handler receives it.
class Event {
 public:
  Event(const std::string& form, const std::string& item, const std::string& name, HWND dialog,
        UINT message, WPARAM wParam, LPARAM lParam)
      : form_(&form), item_(&item), name_(&name), dialog_(dialog), message_(message),
        wParam_(wParam), lParam_(lParam) {}

  const std::string& form() const { return *form_; }
  const std::string& item() const { return *item_; }
  const std::string& name() const { return *name_; }
  HWND dialog() const { return dialog_; }
  UINT message() const { return message_; }
  WPARAM wParam() const { return wParam_; }
  LPARAM lParam() const { return lParam_; }
  // A grid's row (ROWSEL, CELLCHG, ITEMCLIC) and column index (CELLCHG, COLCLIC); -1 for
  // other events.
  int row() const;
  int column() const;

 private:
  const std::string* form_;
  const std::string* item_;
  const std::string* name_;
  HWND dialog_;
  UINT message_;
  WPARAM wParam_;
  LPARAM lParam_;
};

// A date and time of day on the wall clock, as a DATE field holds it.
struct Date {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
bool operator==(const Date& a, const Date& b);
bool operator<(const Date& a, const Date& b);
inline bool operator!=(const Date& a, const Date& b) { return !(a == b); }
inline bool operator>(const Date& a, const Date& b) { return b < a; }
inline bool operator<=(const Date& a, const Date& b) { return !(b < a); }
inline bool operator>=(const Date& a, const Date& b) { return !(a < b); }

// An amount of a CURRENCY field: 12.50 with two decimals is 1250 units.
struct Amount {
  std::int64_t units = 0;
  int decimals = 0;
  // The normal form: an optional minus, the digits, a point and the decimals ("-12.50").
  std::string text() const;
};

// What the layer keeps of a handler: its answer is the event's, as a FormCallback's is.
using Handler = std::function<std::intptr_t(Event&)>;

namespace detail {
template <class Callable>
Handler ToHandler(Callable&& callable) {
  using Result = std::invoke_result_t<std::decay_t<Callable>&, Event&>;
  if constexpr (std::is_void_v<Result>) {
    return [call = std::forward<Callable>(callable)](Event& event) mutable -> std::intptr_t {
      call(event);
      return 0;
    };
  } else {
    return Handler(std::forward<Callable>(callable));
  }
}
}  // namespace detail

// A DATAGRID item of a form.
class Grid {
 public:
  Grid(std::string form, std::string item) : form_(std::move(form)), item_(std::move(item)) {}
  using Source = std::function<std::string(int row, const std::string& column)>;

  Grid& column(std::string_view name, std::string_view properties = "");
  int rows() const;
  Grid& rows(int count);
  std::string cell(int row, std::string_view column) const;
  Grid& cell(int row, std::string_view column, std::string_view value);
  // Virtual rows: the source is asked for the cells on the screen, and may capture.
  Grid& source(int rows, Source source);

 private:
  std::string form_;
  std::string item_;
};

// A handle on a declared form, cheap to make and copy: its handlers belong to the form's
// declaration, not to the handle, and outlive closing and opening the form again.
class Form {
 public:
  explicit Form(std::string name) : name_(std::move(name)) {}
  const std::string& name() const { return name_; }

  // Declares an item, as FX_FormItemAdd does.
  Form& item(std::string_view item, std::string_view type, int sequence, int x, int y,
             int width, int height, std::string_view properties = "");

  // Handlers: any callable taking fx::Event&, returning void or std::intptr_t. A later
  // handler for the same event and item replaces the earlier one; without an item, the
  // handler takes the event for the form and every item that has none of its own.
  template <class Callable>
  Form& on(std::string_view event, std::string_view item, Callable&& handler) {
    return attach(event, item, detail::ToHandler(std::forward<Callable>(handler)));
  }
  template <class Callable>
  Form& on(std::string_view event, Callable&& handler) {
    return attach(event, "", detail::ToHandler(std::forward<Callable>(handler)));
  }
  Form& off(std::string_view event, std::string_view item = "");

  // x comes before y. A modal form returns once it has closed.
  Form& create(std::string_view properties, int x, int y, int width, int height);
  // Creates the form as a form file declared it (FX_FormOpen).
  Form& open();
  Form& close(std::string_view reason = "CLOSE");
  // Places and sizes the open form, as FX_WindowMove does; its anchored items follow.
  Form& move(int x, int y, int width, int height);
  // True when every field is acceptable; otherwise the focus is on the first refused one.
  bool check();
  // Brings in what the user is typing (FX_FormCommit); false when a text was refused.
  bool commit();
  Form& status(std::string_view text);
  std::string closeReason() const;

  std::string text(std::string_view item) const;
  // Empty for an empty field; fx::Error (1074) for a text the field refuses.
  std::optional<Date> date(std::string_view item) const;
  std::optional<Amount> amount(std::string_view item) const;
  bool checked(std::string_view item) const;
  std::string get(std::string_view item, std::string_view key) const;
  Form& set(std::string_view item, std::string_view key, std::string_view value);
  Form& set(std::string_view item, std::string_view value);
  Grid grid(std::string_view item) const { return Grid(name_, std::string(item)); }

 private:
  Form& attach(std::string_view event, std::string_view item, Handler handler);
  std::string name_;
};

// The program's main window, made with the layer's own procedure: it passes every message
// to the library, then to the program's handler for it, then to the platform's default.
class MainWindow {
 public:
  static MainWindow create(std::string_view name, std::string_view properties, int x, int y,
                           int width, int height);
  // A non-zero answer is the message's result; 0 lets the platform's default handle it.
  template <class Callable>
  MainWindow& on(UINT message, Callable&& handler) {
    attach(message, detail::ToHandler(std::forward<Callable>(handler)));
    return *this;
  }
  MainWindow& title(std::string_view title);
  MainWindow& move(int x, int y, int width, int height);
  const std::string& name() const { return name_; }

 private:
  explicit MainWindow(std::string name) : name_(std::move(name)) {}
  void attach(UINT message, Handler handler);
  std::string name_;
};

// The message loop; its result is the program's exit code.
int run();

// Runs the callable on the thread of the windows at the next turn of the loop, after
// everything posted before it. May be called from any thread.
void post(std::function<void()> callable);

// The look of every part without a colour of its own: "LIGHT", "DARK" or "SYSTEM" (the
// user's Windows choice, followed live), as FX_ThemeSet.
void theme(std::string_view name);

}  // namespace fx
#endif

#endif  // FENWIX_FENWIX_HPP
