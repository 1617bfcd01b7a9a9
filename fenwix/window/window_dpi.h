// The DPI a window is shown at, and what the library makes at that DPI from the 96-DPI
// pixels and the point sizes a program gives.
#ifndef FENWIX_WINDOW_WINDOW_DPI_H
#define FENWIX_WINDOW_WINDOW_DPI_H

#include <windows.h>

#include <cstdint>

#include "fenwix/props/pixel_scale.h"

// GetDpiForWindow where the platform has it, else the screen's LOGPIXELSX, else 96.
std::int32_t WindowDpi(HWND window);

// The window's rectangle (left, top, width, height) at 96 DPI, in its own pixels.
PixelRect WindowPixels(HWND window, const PixelRect& rect);

// The height to make a font of that many points with, for the window's DPI: negative, as
// the platform reads an em height rather than a cell height.
int FontHeight(HWND window, std::int32_t points);

#endif
