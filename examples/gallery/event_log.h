// What the gallery tells on standard output, one line at a time, flushed at once: every
// event it receives, each text the library writes into a form's status bar, and where
// each control of a form sits on the screen, so that a person or a script driving the
// gallery with a real mouse and keyboard can follow what the library reports.
#ifndef GALLERY_EVENT_LOG_H
#define GALLERY_EVENT_LOG_H

#include <string>

#include "item_table.h"

namespace gallery {

// Writes one line and flushes it.
void Line(const std::string& text);

// By default "BEFORE" is told only for the messages an application usually acts on
// (dialog start, commands, system commands); with every message on, for all of them.
void SetEveryMessage(bool on);

// "event FORM ITEM EVENT ..." for one call of a form's callback.
void LogEvent(const std::string& form, const std::string& item, const std::string& event,
              UINT message, WPARAM wParam, LPARAM lParam);

// True for the events that only a grid raises, and for ITEMCLIC, which a grid raises too.
bool IsGridEvent(const std::string& event);

// "event FORM GRID EVENT ..." for a grid's event: "row=R" for ROWSEL, ITEMCLIC and CELLCHG,
// with "column=C value=[TEXT]" for CELLCHG (the committed text, as the grid keeps it);
// "column=C" for COLCLIC. Then the row's cells, as the form's callback gives them.
void LogGridEvent(const std::string& form, const std::string& grid, const std::string& event,
                  WPARAM wParam, LPARAM lParam, const std::string& cells);

// "paint FORM ITEM" when the library is about to paint an owner-drawn item that has a
// control id (a button), from the "BEFORE" of WM_DRAWITEM; nothing for other messages.
void LogPaint(const std::string& form, ItemTable items, UINT message, LPARAM lParam);

// Starts telling "status FORM [TEXT]" for each text set into the form's status bar, once
// the library has made the bar. Safe to call at every event.
void WatchStatusBar(const std::string& form, HWND dialog);

// "layout FORM ITEM X Y WIDTH HEIGHT" in screen pixels for every item that has a control,
// "layout FORM closebox X Y" and "layout FORM corner X Y" (its sizing corner) for a framed
// form, then "ready FORM".
void LogLayout(const std::string& form, HWND dialog, ItemTable items);

// What every form of the gallery tells of itself at each event: its status texts, its
// buttons painted, and its layout when it is shown and once the user has resized it.
void WatchForm(const std::string& form, HWND dialog, ItemTable items, const std::string& event,
               UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace gallery

#endif
