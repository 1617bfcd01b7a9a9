// FX_FormItemAdd: an item declared in the registry; a refusal is reported under the call's
// name and the item's.
#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/registry/item_add.h"
#include "fenwix/registry/registry.h"

ErrorCode FX_FormItemAdd(std::string formName, std::string itemName, std::string itemType,
                         int sequence, int x, int y, int width, int height,
                         std::string properties) {
  SetErrorContext(ItemKey(formName, itemName), "FX_FormItemAdd");
  const ErrorCode code =
      AddItemRecord(formName, itemName, itemType, sequence, x, y, width, height, properties);
  return code ? Reported(code) : 0;
}
