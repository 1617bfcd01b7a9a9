// Form files read from disk or from a text, checked whole, and their forms declared
// through the registry's item and column declarations. The forms a file declared are kept
// here for FX_FormOpen and for re-applying a saved change to them.
#ifndef FENWIX_FORMFILE_FORM_FILE_LOAD_H
#define FENWIX_FORMFILE_FORM_FILE_LOAD_H

#include <windows.h>

#include <string>
#include <vector>

#include "fenwix/fenwix.h"
#include "fenwix/formfile/form_file_reader.h"

// What tells one saved version of a file from another without reading it.
struct FileStamp {
  FILETIME written = {0, 0};
  DWORD sizeHigh = 0, sizeLow = 0;
  bool exists = false;
};
bool operator==(const FileStamp& a, const FileStamp& b);

FileStamp StampOf(const std::string& path);

// The file's bytes; false when it cannot be opened or read whole.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// The declaration of a form by a form file, in the program's encoding; null for a form no
// file declared.
const FormFileForm* FindFileForm(const std::string& formName);

// Whether FX_FormFileLoad has read the file.
bool WasLoaded(const std::string& path);

// Reads and checks a form file's text and converts it to the program's encoding. On a
// refusal the error context names the origin, the line and the word at fault, under the
// given call's name, and the code is returned unreported.
ErrorCode CheckFormText(const std::string& text, const std::string& origin,
                        const std::string& function, std::vector<FormFileForm>& forms);

// Declares the form's items and columns in place of every item it had, and keeps the
// declaration. The form must not be open.
void DeclareFileForm(FormFileForm form);

// Keeps a form's declaration without touching its items: an open form whose items were
// brought in line with it one by one.
void KeepFileForm(FormFileForm form);

#endif
