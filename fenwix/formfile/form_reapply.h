// A saved form file brought onto an open form, item by item and by name: what changed is
// updated on the controls the form already has, an added item gets its control, a removed
// one loses it, and only a change that the platform fixes when it makes a control (an item's
// type, a field's type, a combo box's list) makes that one control again. What the user
// typed, checked, picked or scrolled to stays.
#ifndef FENWIX_FORMFILE_FORM_REAPPLY_H
#define FENWIX_FORMFILE_FORM_REAPPLY_H

#include <string>

#include "fenwix/formfile/form_file_reader.h"

struct ReapplyCount {
  int changed = 0, added = 0, removed = 0, recreated = 0;
  bool formChanged = false;
};

// Brings the open form's dialog and controls from its old declaration to its new one.
// Nothing is sent to a control whose declaration is the same.
ReapplyCount ReapplyForm(const FormFileForm& before, const FormFileForm& after);

// What a save did, as the status bar says it: "2 items changed, 1 added", or "No change",
// in the library's language and the program's encoding.
std::string ReapplySummary(const ReapplyCount& count);

#endif
