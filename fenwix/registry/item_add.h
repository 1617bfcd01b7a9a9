// One item declaration checked and stored. The registry knows nothing of reports: the
// public call above it names itself and reports a refusal.
#ifndef FENWIX_REGISTRY_ITEM_ADD_H
#define FENWIX_REGISTRY_ITEM_ADD_H

#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"

// FX_FormItemAdd's checks and record, without its report: 0 when the item is stored, else
// the code of the first refused argument, with nothing stored.
ErrorCode AddItemRecord(const std::string& formName, const std::string& itemName,
                        const std::string& itemType, int sequence, int x, int y, int width,
                        int height, const std::string& properties);

// The record an item declaration makes, checked as FX_FormItemAdd checks it but neither
// looked up nor stored: 0, or the code of the first refused argument (20, 21, 23 to 25).
// A form file is checked whole with it before any of its items is stored.
ErrorCode MakeItemRecord(const std::string& itemType, int sequence, int x, int y, int width,
                         int height, const std::string& properties, ItemDef& item);

#endif
