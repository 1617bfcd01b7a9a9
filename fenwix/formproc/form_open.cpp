// FX_FormCreate: the form layer makes the form's dialog, served by the form procedure.
#include <utility>

#include "fenwix/fenwix.h"
#include "fenwix/form/form_create.h"
#include "fenwix/formproc/form_proc.h"

ErrorCode FX_FormCreate(std::string formName, std::string properties, int top, int left,
                        int width, int height, FormCallback callback) {
  return CreateFormDialog(std::move(formName), std::move(properties), top, left, width, height,
                          callback, FX_FormProcIntl);
}
