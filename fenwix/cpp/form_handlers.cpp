// The layer's handlers, found from the C callback's own arguments: form, then event and
// item. A handler is held by a shared pointer while it runs, so that one which replaces or
// removes itself does not destroy the code that is running.
#include "fenwix/cpp/form_handlers.h"

#include <map>
#include <memory>
#include <vector>

#include "fenwix/cpp/layer_call.h"
#include "fenwix/registry/registry.h"

namespace fx::layer {
namespace {

struct Binding {
  std::string event;
  std::string item;  // empty: the form and every item without a handler of its own
  std::shared_ptr<const Handler> handler;
};

struct Source {
  std::shared_ptr<const Grid::Source> call;
  bool reported = false;  // a source that throws for every cell is reported once
};

// What belongs to one declaration of a form; a newer declaration finds it stale.
struct FormBindings {
  std::uint64_t declaration = 0;
  std::vector<Binding> bindings;
  std::map<std::string, Source> sources;  // by grid item
};

std::map<std::string, FormBindings>& AllForms() {
  static std::map<std::string, FormBindings> forms;
  return forms;
}

// The form's bindings under its current declaration, forgetting those of an older one;
// null when it has none and create is false.
FormBindings* Bindings(const std::string& form, bool create) {
  auto& forms = AllForms();
  auto found = forms.find(form);
  if (found == forms.end()) {
    if (!create) return nullptr;
    found = forms.emplace(form, FormBindings()).first;
  }
  const std::uint64_t declaration = FormDeclaration(form);
  if (found->second.declaration != declaration) {
    found->second = FormBindings();
    found->second.declaration = declaration;
  }
  return &found->second;
}

std::shared_ptr<const Handler> FindHandler(const FormBindings& form, const std::string& event,
                                           const std::string& item) {
  const Binding* any = nullptr;
  for (const Binding& binding : form.bindings) {
    if (binding.event != event) continue;
    if (binding.item == item) return binding.handler;
    if (binding.item.empty()) any = &binding;
  }
  return any ? any->handler : nullptr;
}

Source* FindSource(const std::string& form, const std::string& item) {
  FormBindings* bindings = Bindings(form, false);
  if (!bindings) return nullptr;
  const auto found = bindings->sources.find(item);
  return found == bindings->sources.end() ? nullptr : &found->second;
}

}  // namespace

void Attach(const std::string& form, std::string event, std::string item, Handler handler) {
  auto shared = std::make_shared<const Handler>(std::move(handler));
  FormBindings& bindings = *Bindings(form, true);
  for (Binding& binding : bindings.bindings) {
    if (binding.event == event && binding.item == item) {
      binding.handler = std::move(shared);
      return;
    }
  }
  bindings.bindings.push_back({std::move(event), std::move(item), std::move(shared)});
}

void Detach(const std::string& form, const std::string& event, const std::string& item) {
  FormBindings* bindings = Bindings(form, false);
  if (!bindings) return;
  auto& list = bindings->bindings;
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (it->event == event && it->item == item) {
      list.erase(it);
      return;
    }
  }
}

void AttachSource(const std::string& form, const std::string& item, Grid::Source source) {
  Bindings(form, true)->sources[item] = {std::make_shared<const Grid::Source>(std::move(source)),
                                         false};
}

std::intptr_t Dispatch(std::string form, std::string item, std::string event, HWND dialog,
                       UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    // A modal form lives inside its create call: what it reports from now on is shown.
    if (message == WM_INITDIALOG && FindWindowDef(form).modal) {
      if (ReportCapture* creating = ActiveReportCapture()) creating->passThrough();
    }
    const FormBindings* bindings = Bindings(form, false);
    if (!bindings) return 0;
    const std::shared_ptr<const Handler> handler = FindHandler(*bindings, event, item);
    if (!handler) return 0;
    Event happened(form, item, event, dialog, message, wParam, lParam);
    const ReportsShown shown;
    return (*handler)(happened);
  } catch (...) {
    ReportThrown(kHandlerThrew, item.empty() ? form : ItemKey(form, item), "fx::Form::on");
    return 0;
  }
}

std::string SourceCell(std::string form, std::string item, int row, std::string column) {
  try {
    const Source* source = FindSource(form, item);
    if (!source) return std::string();
    const std::shared_ptr<const Grid::Source> call = source->call;
    const ReportsShown shown;
    return (*call)(row, column);
  } catch (...) {
    // Found again: the source may have replaced itself, or the form been declared anew.
    Source* failed = FindSource(form, item);
    if (failed && !failed->reported) {
      failed->reported = true;
      ReportThrown(kSourceThrew, ItemKey(form, item), "fx::Grid::source");
    }
    return std::string();
  }
}

}  // namespace fx::layer
