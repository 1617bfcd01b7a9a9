// fx::theme, the C++ form of FX_ThemeSet.
#include "fenwix/cpp/layer_call.h"

namespace fx {

void theme(std::string_view name) {
  layer::Checked([&] { return FX_ThemeSet(layer::Text(name)); });
}

}  // namespace fx
