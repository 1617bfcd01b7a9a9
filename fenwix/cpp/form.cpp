// fx::Form: the form calls of the library, their failures thrown as fx::Error.
#include <string>

#include "fenwix/cpp/form_handlers.h"
#include "fenwix/cpp/layer_call.h"
#include "fenwix/cpp/post_queue.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/form_life.h"

namespace fx {

using layer::Checked;
using layer::CheckedText;
using layer::Text;

Form& Form::item(std::string_view item, std::string_view type, int sequence, int x, int y,
                 int width, int height, std::string_view properties) {
  Checked([&] {
    return FX_FormItemAdd(name_, Text(item), Text(type), sequence, x, y, width, height,
                          Text(properties));
  });
  return *this;
}

Form& Form::attach(std::string_view event, std::string_view item, Handler handler) {
  layer::Attach(name_, Text(event), Text(item), std::move(handler));
  return *this;
}

Form& Form::off(std::string_view event, std::string_view item) {
  layer::Detach(name_, Text(event), Text(item));
  return *this;
}

Form& Form::create(std::string_view properties, int x, int y, int width, int height) {
  layer::StartPostWindow();
  Checked([&] { return FX_FormCreate(name_, Text(properties), y, x, width, height, &layer::Dispatch); });
  return *this;
}

Form& Form::open() {
  layer::StartPostWindow();
  Checked([&] { return FX_FormOpen(name_, &layer::Dispatch); });
  return *this;
}

Form& Form::close(std::string_view reason) {
  Checked([&] { return FX_FormClose(name_, Text(reason)); });
  return *this;
}

Form& Form::move(int x, int y, int width, int height) {
  Checked([&] { return FX_WindowMove(name_, x, y, width, height); });
  return *this;
}

bool Form::check() {
  // The check answers a field's validation code, which may equal the code of a form that
  // is not open: that failure is told apart here.
  if (!IsFormAlive(FindWindowDef(name_))) Checked([] { return ErrorCode(4); });
  return FX_FormCheck(name_) == 0;
}

bool Form::commit() {
  if (!IsFormAlive(FindWindowDef(name_))) Checked([] { return ErrorCode(4); });
  return FX_FormCommit(name_) == 0;
}

Form& Form::status(std::string_view text) {
  Checked([&] { return FX_FormStatusSet(name_, Text(text)); });
  return *this;
}

std::string Form::closeReason() const { return FX_FormCloseReason(name_); }

std::string Form::get(std::string_view item, std::string_view key) const {
  return CheckedText([&] { return FX_FormItemGet(name_, Text(item), Text(key)); });
}

std::string Form::text(std::string_view item) const { return get(item, fx::key::VALUE); }

bool Form::checked(std::string_view item) const { return get(item, fx::key::CHECK) == "TRUE"; }

Form& Form::set(std::string_view item, std::string_view key, std::string_view value) {
  Checked([&] { return FX_FormItemSet(name_, Text(item), Text(key), Text(value)); });
  return *this;
}

Form& Form::set(std::string_view item, std::string_view value) {
  return set(item, fx::key::VALUE, value);
}

}  // namespace fx
