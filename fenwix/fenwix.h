// Fenwix: forms for Windows programs, 32-bit and 64-bit, declared in code with property
// strings.
//
// The one public header. An application creates its main window, declares the items of
// its forms, creates the forms with an event callback and runs the message loop:
//
//   FX_WindowMainCreate("Main", show, MainWindowProc, "name=My tool", 0, 0, 400, 300);
//   FX_FormItemAdd("f", "ok", fx::item::BUTTON, 1, 10, 10, 80, 30, "button=OK");
//   FX_FormCreate("f", "bkcol=lightgrey;edge=false", 0, 0, 400, 300, OnEvent);
//   return FX_MessageLoop();
//
// Every call returns an ErrorCode (0 on success); failures are also shown to the user
// in a message box whose text comes from the message database "fenmsg.fdb".
#ifndef FENWIX_FENWIX_H
#define FENWIX_FENWIX_H

#include <cstdint>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
// The portable modules are also built for the host, where only the shape of the handle
// types matters: these match the Win32 declarations so records look the same.
struct HWND__;
struct HBRUSH__;
typedef HWND__* HWND;
typedef HBRUSH__* HBRUSH;
typedef unsigned int UINT;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
#endif

// 0 success, 1 to 999 a failed check of the library, 1000 to 1999 a failed platform call.
typedef std::int32_t ErrorCode;

// The application's event function of one form. 0 lets the library go on; any other
// result ends the library's handling of the message and becomes the dialog's result.
typedef std::intptr_t (*FormCallback)(std::string formName, std::string itemName,
                                      std::string eventName, HWND dialog, UINT message,
                                      WPARAM wParam, LPARAM lParam);

// Keywords: property keys, item types, field types, events and value words. Keys and
// words are matched without regard to case; item types must be given exactly.
namespace fx {
namespace key {
inline constexpr const char NAME[] = "NAME";
inline constexpr const char BKCOL[] = "BKCOL";
inline constexpr const char TXCOL[] = "TXCOL";
inline constexpr const char EDGE[] = "EDGE";
inline constexpr const char MODAL[] = "MODAL";
inline constexpr const char STBAR[] = "STBAR";
// KEYS=WINDOWS: Return presses the form's OK button and Escape its CANCEL button.
inline constexpr const char KEYS[] = "KEYS";
inline constexpr const char ENABLE[] = "ENABLE";
inline constexpr const char VISIBLE[] = "VISIBLE";
inline constexpr const char CHECK[] = "CHECK";
inline constexpr const char VALUE[] = "VALUE";
inline constexpr const char BUTTON[] = "BUTTON";
inline constexpr const char TYPE[] = "TYPE";
inline constexpr const char LENGTH[] = "LENGTH";
inline constexpr const char FORMAT[] = "FORMAT";
inline constexpr const char REMARK[] = "REMARK";
// The name a screen reader reads for the item, in place of the one the library finds.
inline constexpr const char ACCNAME[] = "ACCNAME";
inline constexpr const char NOTNULL[] = "NOTNULL";
inline constexpr const char EDIT[] = "EDIT";
inline constexpr const char TXHPOS[] = "TXHPOS";
inline constexpr const char TXVPOS[] = "TXVPOS";
inline constexpr const char FTNAME[] = "FTNAME";
inline constexpr const char FTSIZE[] = "FTSIZE";
inline constexpr const char FTBOLD[] = "FTBOLD";
inline constexpr const char FTITALIC[] = "FTITALIC";
inline constexpr const char FTULINE[] = "FTULINE";
inline constexpr const char BRDSIZE[] = "BRDSIZE";
inline constexpr const char BRDCOL[] = "BRDCOL";
inline constexpr const char BRDSTYLE[] = "BRDSTYLE";
// The edges of its form an item keeps its distance to: a list of LEFT, TOP, RIGHT, BOTTOM.
inline constexpr const char ANCHOR[] = "ANCHOR";
// The smallest client size the user may give a form: "width,height" in pixels.
inline constexpr const char MINSIZE[] = "MINSIZE";
// A form's inside size, "width,height" in pixels, in place of its outer size: the frame,
// the caption and the status bar are added around it.
inline constexpr const char CLIENT[] = "CLIENT";
// A grid's columns: the header's text and the width in pixels; a grid's row count and
// its selected row, read (both) and set (ROW) at run time.
inline constexpr const char TITLE[] = "TITLE";
inline constexpr const char WIDTH[] = "WIDTH";
inline constexpr const char ROWS[] = "ROWS";
inline constexpr const char ROW[] = "ROW";
// CALENDAR=true on a DATE field: a drop button at its right edge (Alt+Down, F4) opens the
// platform's month calendar under it; the field may still be typed into and left empty.
inline constexpr const char CALENDAR[] = "CALENDAR";
// A stored grid shows only the rows some cell of which holds FILTER's text, case ignored;
// SHOWN is how many it shows (read only). SORT is the order of a grid's rows,
// "COLUMN,UP", "COLUMN,DOWN" or "": set on a virtual grid, its header shows the order its
// program gave the rows.
inline constexpr const char FILTER[] = "FILTER";
inline constexpr const char SHOWN[] = "SHOWN";
inline constexpr const char SORT[] = "SORT";
// VALUE1 to VALUE50 (combo box entries) are this prefix followed by the number.
inline constexpr int LIST_ENTRIES = 50;
}  // namespace key

namespace item {
inline constexpr const char STATIC[] = "STATIC";
inline constexpr const char RECT[] = "RECT";
inline constexpr const char EDIT[] = "EDIT";
inline constexpr const char BUTTONSYS[] = "BUTTONSYS";
inline constexpr const char BUTTON[] = "BUTTON";
inline constexpr const char CHECKSYS[] = "CHECKSYS";
inline constexpr const char COMBOSYS[] = "COMBOSYS";
inline constexpr const char DATAGRID[] = "DATAGRID";
// The platform's progress bar: VALUE 0 to 100, or -1 for a busy bar with no known end.
inline constexpr const char PROGRESS[] = "PROGRESS";
}  // namespace item

namespace field {
inline constexpr const char STRING[] = "STRING";
inline constexpr const char DATE[] = "DATE";
inline constexpr const char CURRENCY[] = "CURRENCY";
}  // namespace field

namespace event {
inline constexpr const char BEFORE[] = "BEFORE";
inline constexpr const char ITEMCHG[] = "ITEMCHG";
inline constexpr const char ITEMEXIT[] = "ITEMEXIT";
inline constexpr const char ITEMCLIC[] = "ITEMCLIC";
// A key typed into the form or one of its items: key down, system key down or character,
// with the key message's own parameters. A non-zero answer consumes the key.
inline constexpr const char ITEMKEY[] = "ITEMKEY";
// A grid's selected row changed (wParam the row), the user committed an edited cell
// (wParam the row, lParam the column's index), or a column's header was clicked (wParam
// the column's index).
inline constexpr const char ROWSEL[] = "ROWSEL";
inline constexpr const char CELLCHG[] = "CELLCHG";
inline constexpr const char COLCLIC[] = "COLCLIC";
}  // namespace event

namespace word {
inline constexpr const char* const TRUE_WORDS[] = {"TRUE", "T", "YES", "Y"};
inline constexpr const char* const FALSE_WORDS[] = {"FALSE", "F", "NO", "N"};
inline constexpr const char CENTER[] = "CENTER";
inline constexpr const char RIGHT[] = "RIGHT";
inline constexpr const char BOTTOM[] = "BOTTOM";
inline constexpr const char SOLID[] = "SOLID";
inline constexpr const char BORDER_3DOUT[] = "3DOUT";
inline constexpr const char BORDER_3DIN[] = "3DIN";
// A button's role: these two close the form and record their name as its close reason.
inline constexpr const char OK[] = "OK";
inline constexpr const char CANCEL[] = "CANCEL";
// The value of KEYS that gives a form the dialog keys of Windows.
inline constexpr const char WINDOWS[] = "WINDOWS";
}  // namespace word
}  // namespace fx

// Conversions the applications share with the library: decimal text to integer and back
// (0 for unreadable text or a number outside the signed 32-bit range).
std::int32_t TextToInt(const std::string& text, int base);
std::string IntToText(std::int32_t value);

// Shows the report of an error code in a message box that offers to stop the program,
// or passes it to the program's error handler, and returns the report's text with the
// box's question. Stopping posts the quit message with the code, which FX_MessageLoop then
// returns as the program's exit code.
std::string ReportError(ErrorCode code);

// The program's own taker of error reports: it gets the code and the report's lines
// (without the box's question) and answers true to stop the program, as Yes does.
typedef bool (*ErrorHandler)(ErrorCode code, const std::string& report);
// While a handler is set, reports go to it and no message box is shown; a null handler
// brings the message box back. An exception thrown by the handler counts as false.
void FX_ErrorHandlerSet(ErrorHandler handler);

// The language of the library's texts, "FR" (the default) or "US", in any case: the
// message database is searched in it first, then in the other, and the status texts of
// refused fields follow it. Any other text is reported as 29 and changes nothing.
ErrorCode FX_LanguageSet(std::string language);

// The encoding of every text that the program and the library exchange: "ANSI" (the
// default: the system's ANSI code page, as before) or "UTF-8", in any case. Chosen before
// the main window is created; afterwards, or for any other text, a code is reported and
// nothing changes.
ErrorCode FX_TextEncodingSet(std::string encoding);

// The look of every part without a colour of its own: "LIGHT" (the default, the look the
// library always had), "DARK", or "SYSTEM" to follow the user's Windows choice of light or
// dark applications, live. In any case, at any time: the main window and the open forms
// are painted again at once. Any other text is reported as 1080 and changes nothing.
// High contrast wins over either theme.
ErrorCode FX_ThemeSet(std::string theme);

#ifdef _WIN32
ErrorCode FX_WindowMainCreate(std::string name, int showCommand, WNDPROC procedure,
                              std::string properties, int x, int y, int width, int height);
ErrorCode FX_WindowMessageAuto(UINT message, WPARAM wParam);
ErrorCode FX_WindowTitleSet(std::string name, std::string title);
ErrorCode FX_WindowMove(std::string name, int x, int y, int width, int height);
int FX_MessageLoop();

// Items are declared before their form is created; x comes before y.
ErrorCode FX_FormItemAdd(std::string formName, std::string itemName, std::string itemType,
                         int sequence, int x, int y, int width, int height,
                         std::string properties);
// The third argument is the vertical position, the fourth the horizontal one.
ErrorCode FX_FormCreate(std::string formName, std::string properties, int top, int left,
                        int width, int height, FormCallback callback);
// Changes one property of an item and redraws it. VALUE on a field and CHECK on a check
// box also change what the control shows, and count as no change of the user's. Returns
// 18 (no such item) or 19 (a key not taken at run time) without a message box.
ErrorCode FX_FormItemSet(std::string formName, std::string itemName, std::string key,
                         std::string value);
// What an item shows now, as text: VALUE of a field is its control's text, as typed or as
// written back; CHECK of a check box is "TRUE" or "FALSE" as on the screen; any other key
// gives the record's value in a form FX_FormItemSet takes back. "" and a report (18, 28)
// for an unknown item or key.
std::string FX_FormItemGet(std::string formName, std::string itemName, std::string key);

// Closes an open form as its close box does: its "BEFORE" sees the close command and may
// refuse it. The reason ("CLOSE" when empty) is what FX_FormCloseReason then gives. 27 when
// the form refused, 4 for a form that is not open; neither shows a message box. The reason
// "OK" first brings in what the user is typing, as FX_FormCommit does: a refused text
// keeps the form open, and its validation code is the result.
ErrorCode FX_FormClose(std::string formName, std::string reason);
// The check that OK makes before it closes a form, for the program's own buttons ("Add",
// "Save"): 0 when every reachable field is acceptable; otherwise the focus goes to the
// first failing field in sequence order, the status bar shows its message at once, and
// the result is that field's validation code (non-zero). 4 for a form that is not open.
ErrorCode FX_FormCheck(std::string formName);
// Brings in what the user is typing, without checking the other fields: the focused
// field is left as a Tab would leave it (its text checked, written back in its normal
// form, ITEMCHG and ITEMEXIT raised) while it keeps the focus, and a grid's open edit is
// committed. 0 when everything was taken; the refusing field's or cell's validation code
// when something was refused (the focus stays there and the status bar says why); 4 for a
// form that is not open. Call it before saving from outside the form (a menu, the main
// window's close, a timer). FX_FormCheck and OK commit first in the same way.
ErrorCode FX_FormCommit(std::string formName);
// Puts a text of the program's own into the form's status bar, until the library shows
// a field's remark or message there at the next focus change. 4, without a message box,
// for a form that is not open or has no status bar.
ErrorCode FX_FormStatusSet(std::string formName, std::string text);

// Why a form last closed: "OK" or "CANCEL" (its button of that role), or "CLOSE" (the close
// box, Alt+F4). Empty while the form has never closed, and for an unknown form.
std::string FX_FormCloseReason(std::string formName);
// The text a field held when the user last left it, as the library recorded it (cut to
// LENGTH for a text field; as typed, before rewriting, for a date or an amount). Empty
// before the first exit, and for an unknown item.
std::string FX_FormItemText(std::string formName, std::string itemName);

// A column of a DATAGRID item, declared before the form is created, in the order shown.
// Properties: TITLE (header text, default the column's name), TYPE (STRING, DATE or
// CURRENCY, as for fields), FORMAT (as for fields), WIDTH (pixels, default 100),
// TXHPOS (LEFT, CENTER, RIGHT; CURRENCY defaults to RIGHT), EDIT (true: the user may
// edit its cells), NOTNULL.
ErrorCode FX_GridColumnAdd(std::string formName, std::string itemName, std::string column,
                           std::string properties);

// Forms in files: a UTF-8 text (a byte-order mark allowed) of lines
//   form    NAME  X Y WIDTH HEIGHT        PROPERTIES   (as FX_FormCreate takes them)
//   item    NAME  TYPE X Y WIDTH HEIGHT   PROPERTIES   (of the form above; as FX_FormItemAdd)
//   column  ITEM  NAME                    PROPERTIES   (of a DATAGRID item; as FX_GridColumnAdd)
// with blank lines and "#" comments. The whole file is checked before anything is
// declared: one bad line declares nothing, and the report names the file, the line and
// the word at fault. A form declared again replaces its old items while it is not open
// (1068 when it is). In ANSI mode the texts are converted to the system's code page; the
// path may hold any character in both modes. 1060 for a file that cannot be read.
ErrorCode FX_FormFileLoad(std::string path);
// The same for a text, such as a form file compiled into the program; origin names it in
// reports.
ErrorCode FX_FormTextLoad(std::string text, std::string origin);
// Creates a form a form file declared, at its declared place and with its declared
// properties: what FX_FormCreate returns, or 1069 for a form no file declared.
ErrorCode FX_FormOpen(std::string formName, FormCallback callback);
// Live re-application, meant for development (off by default): while a file loaded with
// FX_FormFileLoad is watched, each save is checked whole and brought onto its open forms
// by item name. A changed item is updated on its own control (same handle and id); only a
// change of type, of a field's type, of a combo box's list or of a grid's columns or font
// makes that control again; added items are created and removed ones destroyed. What the
// user typed, checked or picked, a grid's rows and the focus stay. A bad save changes
// nothing and goes to the error handler and the forms' status bars, never to a message
// box; the status bar also says what a good save did. 1069 for a file never loaded.
ErrorCode FX_FormFileWatch(std::string path, bool watch);

// Stored mode: the grid holds its cells. Row numbers start at 0.
ErrorCode FX_GridRowCountSet(std::string formName, std::string itemName, int rows);
ErrorCode FX_GridCellSet(std::string formName, std::string itemName, int row,
                         std::string column, std::string value);
std::string FX_GridCellGet(std::string formName, std::string itemName, int row,
                           std::string column);

// Virtual mode: the program holds the rows and is asked only for the cells on the screen.
typedef std::string (*GridSource)(std::string formName, std::string itemName, int row,
                                  std::string column);
ErrorCode FX_GridSourceSet(std::string formName, std::string itemName, int rows,
                           GridSource source);
#endif

#endif  // FENWIX_FENWIX_H
