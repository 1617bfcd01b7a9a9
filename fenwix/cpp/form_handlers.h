// The handlers and grid sources the program attached to its forms, kept per form and per
// declaration of it, and the one FormCallback and GridSource that find them again.
#ifndef FENWIX_CPP_FORM_HANDLERS_H
#define FENWIX_CPP_FORM_HANDLERS_H

#include <string>

#include "fenwix/fenwix.hpp"

namespace fx::layer {

void Attach(const std::string& form, std::string event, std::string item, Handler handler);
void Detach(const std::string& form, const std::string& event, const std::string& item);
void AttachSource(const std::string& form, const std::string& item, Grid::Source source);

// The callback every form made through the layer is created with.
std::intptr_t Dispatch(std::string form, std::string item, std::string event, HWND dialog,
                       UINT message, WPARAM wParam, LPARAM lParam);
// The source every grid with a layer's source is given.
std::string SourceCell(std::string form, std::string item, int row, std::string column);

}  // namespace fx::layer

#endif
