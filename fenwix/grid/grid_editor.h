// Editing a grid's cell in place: an edit field over the cell, validated on commit as a
// field of the column's type is, and written back in its normal form.
#ifndef FENWIX_GRID_GRID_EDITOR_H
#define FENWIX_GRID_GRID_EDITOR_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "fenwix/fenwix.h"

// Opens the edit field over the cell, or over the row's first editable cell when that
// one is not, with the cell's text; a typed character (not 0) replaces the text. False
// when the row has no cell the user may edit.
bool OpenGridEditor(const std::string& formName, const std::string& itemName, std::int32_t row,
                    std::int32_t column, WPARAM typed);

// The open edit field over its cell again, in the list view's font, after the columns or
// the font changed; what was typed in it stays.
void PlaceGridEditor(const std::string& formName, const std::string& itemName);

// Commits (commit true) or cancels the open edit. A refused value keeps the edit open,
// says why in the form's status bar and gives false.
bool CloseGridEditor(const std::string& formName, const std::string& itemName, bool commit);

// Commits the open edit of each grid of the form, as leaving its cell would. 0 when every
// value was taken or no edit was open; else the first refused cell's code (a date's or an
// amount's own, or the code of a required value left empty), its edit still open with the
// keyboard and the form's status bar saying why. A value the program refuses in "CELLCHG"
// is its own answer: the cell takes its old value back and the edit is over.
ErrorCode CommitGridEdits(const std::string& formName);

// Ends the open edit before the rows move: committed when its value is accepted, else
// cancelled.
void EndGridEdit(const std::string& formName, const std::string& itemName);

#endif
