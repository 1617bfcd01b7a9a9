// FX_FormCreate's work: a declared form turned into a dialog, modeless inside the main
// window or framed, modeless or modal. The items' controls are made by the form procedure
// when the dialog starts.
#include "fenwix/form/form_create.h"

#include <algorithm>
#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/form/dialog_template.h"
#include "fenwix/platform/platform.h"
#include "fenwix/props/property_string.h"
#include "fenwix/props/value_convert.h"
#include "fenwix/registry/registry.h"
#include "fenwix/window/form_keys.h"
#include "fenwix/window/form_life.h"
#include "fenwix/window/library_start.h"
#include "fenwix/window/library_state.h"
#include "fenwix/window/window_dpi.h"
#include "fenwix/text/encoding.h"

namespace {

constexpr char kDefaultCaption[] = "Fenwix Form";

// "width,height", each below 0 taken as 0; anything without a comma leaves both alone.
void ReadSize(const std::string& text, std::int32_t& width, std::int32_t& height) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return;
  width = std::max(0, TextToInt(text.substr(0, comma), 10));
  height = std::max(0, TextToInt(text.substr(comma + 1), 10));
}

// The form's record as its properties describe it, before the dialog exists.
FormDef FormRecord(const std::string& formName, const std::string& properties,
                   FormCallback callback, FormFrame& frame) {
  FormDef form;
  form.name = formName;
  form.callback = callback;
  std::string colorName = GetProperty(fx::key::BKCOL, properties);
  form.ownBackColor = !colorName.empty();
  if (colorName.empty()) colorName = "white";
  form.backColor = ColorFromText(colorName);
  // Only this exact lower-case word takes the frame off.
  frame.framed = form.framed = GetProperty(fx::key::EDGE, properties) != "false";
  frame.caption = GetProperty(fx::key::NAME, properties);
  if (frame.caption.empty()) frame.caption = kDefaultCaption;
  form.hasStatusBar = !IsFalseText(GetProperty(fx::key::STBAR, properties));
  form.modal = IsTrueText(GetProperty(fx::key::MODAL, properties));
  form.windowsKeys = UpperCase(GetProperty(fx::key::KEYS, properties)) == fx::word::WINDOWS;
  ReadSize(GetProperty(fx::key::MINSIZE, properties), form.minWidth, form.minHeight);
  ReadSize(GetProperty(fx::key::CLIENT, properties), form.clientWidth, form.clientHeight);
  return form;
}

// Freed once the platform has made the dialog from it; only the template's freeing can
// fail a dialog that exists or has been shown.
ErrorCode Freed(HGLOBAL block) { return os::GlobalFree(block) ? 1022 : 0; }

}  // namespace

ErrorCode CreateFormDialog(std::string formName, std::string properties, int top, int left,
                           int width, int height, FormCallback callback, DLGPROC procedure) {
  SetErrorContext(formName, "FX_FormCreate");
  // Asked before this form becomes current: a modal form is owned by its opener.
  const std::string opener = ModalOpener();
  const HWND owner = ModalOwner(opener);
  FormCreateStarts(formName);

  if (formName.empty()) return Reported(1);
  if (IsFormAlive(FindWindowDef(formName))) return Reported(2);
  if (formName.find('.') != std::string::npos) return Reported(26);
  const HWND mainWindow = FindWindowDef(TheRegistry().MainWindowName).handle;
  if (!mainWindow) return Reported(5);

  FormFrame frame;
  FormDef form = FormRecord(formName, properties, callback, frame);
  // The record keeps the frame as declared; the dialog is made at the main window's DPI.
  form.x = left;
  form.y = top;
  form.width = width;
  form.height = height;
  if (form.modal) form.opener = opener;
  const PixelRect pixels = WindowPixels(mainWindow, {left, top, width, height});
  frame.left = pixels.x;
  frame.top = pixels.y;
  frame.width = pixels.width;
  frame.height = pixels.height;

  HGLOBAL block = nullptr;
  const ErrorCode built = BuildDialogTemplate(frame, block);
  if (built) return built;

  // A form without its status bar still works, as when the bar itself cannot be made:
  // the failure is reported and the form is made.
  if (form.hasStatusBar) LoadCommonControls();

  // Stored before the dialog exists: its procedure reads the callback, the colour and
  // the flags while the platform creates it.
  FormOpening(formName, form);
  const HINSTANCE instance = TheLibrary().instance;
  // The template is the same for both: the wide calls make a dialog of Unicode windows.
  const LPCDLGTEMPLATEW dialogTemplate = static_cast<LPCDLGTEMPLATEW>(block);
  const bool wide = Utf8Text();

  HWND dialog = nullptr;
  INT_PTR ended = 0;
  if (form.modal) {
    const ModalFormKeys keys;
    // Returns once the form has been closed and its dialog destroyed, with the value it
    // was ended with; -1 is the platform's failure to show it.
    const HWND ownerWindow = owner ? owner : mainWindow;
    ended = wide ? os::DialogBoxIndirectParamW(instance, dialogTemplate, ownerWindow, procedure, 0)
                 : os::DialogBoxIndirectParamA(instance, dialogTemplate, ownerWindow, procedure, 0);
  } else {
    dialog = wide ? os::CreateDialogIndirectParamW(instance, dialogTemplate, mainWindow,
                                                   procedure, 0)
                  : os::CreateDialogIndirectParamA(instance, dialogTemplate, mainWindow,
                                                   procedure, 0);
  }
  // A form that closed itself while it started was made all the same.
  const OpenResult opened = FormOpened(formName, dialog);
  if (form.modal ? ended == -1 : opened == OpenResult::kNeverMade) {
    os::GlobalFree(block);
    return 1021;
  }
  return Freed(block);
}
