// Reading form files and declaring their forms: FX_FormFileLoad, FX_FormTextLoad and
// FX_FormOpen. A file is read and checked whole before its first item is declared, so a
// file with one bad line declares nothing.
#include "fenwix/formfile/form_file_load.h"

#include <algorithm>
#include <map>
#include <new>
#include <set>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/platform/platform.h"
#include "fenwix/registry/item_add.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"
#include "fenwix/window/form_life.h"

namespace {

// A form file is a page of text, not a data set: anything larger is refused as unreadable
// rather than held in memory.
constexpr DWORD kLargestFile = 64u << 20;

std::map<std::string, FormFileForm>& FileForms() {
  static std::map<std::string, FormFileForm> forms;
  return forms;
}

std::set<std::string>& LoadedPaths() {
  static std::set<std::string> paths;
  return paths;
}

std::string Place(const std::string& origin, const FormFileError& error) {
  std::string place = origin + ":" + IntToText(error.line);
  if (!error.word.empty()) place += ": " + ProgramTextFromUtf8(error.word);
  return place;
}

void ToProgramText(std::string& text) { text = ProgramTextFromUtf8(text); }

void ToProgramText(FormFileForm& form) {
  ToProgramText(form.name);
  ToProgramText(form.properties);
  form.records.clear();
  for (FormFileItem& item : form.items) {
    ToProgramText(item.name);
    ToProgramText(item.properties);
    // The reader made the records from the UTF-8 texts: they are made again from these.
    MakeItemRecord(item.type, item.sequence, item.x, item.y, item.width, item.height,
                   item.properties, form.records[ItemKey(form.name, item.name)]);
  }
  for (FormFileColumn& column : form.columns) {
    ToProgramText(column.item);
    ToProgramText(column.name);
    ToProgramText(column.properties);
  }
}

ErrorCode LoadText(const std::string& text, const std::string& origin,
                   const std::string& function) {
  std::vector<FormFileForm> forms;
  if (const ErrorCode code = CheckFormText(text, origin, function, forms)) return Reported(code);
  for (const FormFileForm& form : forms) {
    if (IsFormAlive(FindWindowDef(form.name))) {
      SetErrorContext(Place(origin, {formfile_code::kFormOpen, form.line, form.name}), function);
      return Reported(formfile_code::kFormOpen);
    }
  }
  // A program's load declares its forms anew, and what it attached to their old
  // declarations goes; a watched file's save revises a declaration and keeps it.
  for (FormFileForm& form : forms) {
    NewFormDeclaration(form.name);
    DeclareFileForm(std::move(form));
  }
  return 0;
}

}  // namespace

bool operator==(const FileStamp& a, const FileStamp& b) {
  return a.exists == b.exists && a.written.dwLowDateTime == b.written.dwLowDateTime &&
         a.written.dwHighDateTime == b.written.dwHighDateTime && a.sizeHigh == b.sizeHigh &&
         a.sizeLow == b.sizeLow;
}

FileStamp StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  FileStamp stamp;
  if (!os::GetFileAttributesExW(WideText(path).c_str(), GetFileExInfoStandard, &data))
    return stamp;
  stamp.exists = true;
  stamp.written = data.ftLastWriteTime;
  stamp.sizeHigh = data.nFileSizeHigh;
  stamp.sizeLow = data.nFileSizeLow;
  return stamp;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  // Shared for writing and deleting: an editor saving the file meanwhile is not refused.
  const HANDLE file = os::CreateFileW(WideText(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[16384];
  DWORD read = 0;
  bool whole = false;
  while (os::ReadFile(file, buffer, sizeof buffer, &read, nullptr)) {
    if (read == 0) {
      whole = true;
      break;
    }
    if (bytes.size() + read > kLargestFile) break;
    bytes.append(buffer, read);
  }
  os::CloseHandle(file);
  return whole;
}

bool WasLoaded(const std::string& path) { return LoadedPaths().count(path) != 0; }

const FormFileForm* FindFileForm(const std::string& formName) {
  const auto it = FileForms().find(formName);
  return it == FileForms().end() ? nullptr : &it->second;
}

ErrorCode CheckFormText(const std::string& text, const std::string& origin,
                        const std::string& function, std::vector<FormFileForm>& forms) {
  const FormFileError error = ReadFormFile(text, forms);
  if (error.code) {
    SetErrorContext(Place(origin, error), function);
    return error.code;
  }
  // ASCII reads the same in every code page, and most form files are ASCII throughout.
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ascii && !Utf8Text()) {
    for (FormFileForm& form : forms) ToProgramText(form);
  }
  return 0;
}

void DeclareFileForm(FormFileForm form) {
  for (const std::string& itemName : FormItemNames(form.name))
    EraseItemDef(ItemKey(form.name, itemName));
  // The reader checked every item whole, named each once and made its record.
  StoreItemDefs(form.records);
  for (const FormFileColumn& column : form.columns)
    FX_GridColumnAdd(form.name, column.item, column.name, column.properties);
  KeepFileForm(std::move(form));
}

void KeepFileForm(FormFileForm form) {
  form.records.clear();
  const std::string name = form.name;
  FileForms()[name] = std::move(form);
}

ErrorCode FX_FormFileLoad(std::string path) {
  try {
    // The column declarations save and restore the context themselves, so the caller's is
    // kept here.
    const ErrorContext caller = CurrentErrorContext();
    SetErrorContext(path, "FX_FormFileLoad");
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return Reported(formfile_code::kUnreadable);
    if (const ErrorCode code = LoadText(bytes, path, "FX_FormFileLoad")) return code;
    LoadedPaths().insert(path);
    SetErrorContext(caller.windowName, caller.functionName);
    return 0;
  } catch (const std::bad_alloc&) {
    return Reported(formfile_code::kUnreadable);
  }
}

ErrorCode FX_FormTextLoad(std::string text, std::string origin) {
  try {
    const ErrorContext caller = CurrentErrorContext();
    SetErrorContext(origin, "FX_FormTextLoad");
    if (const ErrorCode code = LoadText(text, origin, "FX_FormTextLoad")) return code;
    SetErrorContext(caller.windowName, caller.functionName);
    return 0;
  } catch (const std::bad_alloc&) {
    return Reported(formfile_code::kUnreadable);
  }
}

ErrorCode FX_FormOpen(std::string formName, FormCallback callback) {
  SetErrorContext(formName, "FX_FormOpen");
  const FormFileForm* form = FindFileForm(formName);
  if (!form) return Reported(formfile_code::kNotDeclared);
  const FormFileForm declared = *form;
  // FX_FormCreate takes the vertical place first.
  return FX_FormCreate(declared.name, declared.properties, declared.y, declared.x,
                       declared.width, declared.height, callback);
}
