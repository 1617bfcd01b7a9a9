// fx::Grid: the grid calls of the library, and sources that may capture.
#include "fenwix/cpp/form_handlers.h"
#include "fenwix/cpp/layer_call.h"

namespace fx {

using layer::Checked;
using layer::CheckedText;
using layer::Text;

Grid& Grid::column(std::string_view name, std::string_view properties) {
  Checked([&] { return FX_GridColumnAdd(form_, item_, Text(name), Text(properties)); });
  return *this;
}

int Grid::rows() const {
  return TextToInt(CheckedText([&] { return FX_FormItemGet(form_, item_, fx::key::ROWS); }), 10);
}

Grid& Grid::rows(int count) {
  Checked([&] { return FX_GridRowCountSet(form_, item_, count); });
  return *this;
}

std::string Grid::cell(int row, std::string_view column) const {
  return CheckedText([&] { return FX_GridCellGet(form_, item_, row, Text(column)); });
}

Grid& Grid::cell(int row, std::string_view column, std::string_view value) {
  Checked([&] { return FX_GridCellSet(form_, item_, row, Text(column), Text(value)); });
  return *this;
}

Grid& Grid::source(int rows, Source source) {
  layer::AttachSource(form_, item_, std::move(source));
  Checked([&] { return FX_GridSourceSet(form_, item_, rows, &layer::SourceCell); });
  return *this;
}

}  // namespace fx
