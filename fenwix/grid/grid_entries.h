// The forms' way into a grid's code. That code comes into a program only when the program
// calls a grid function (FX_GridColumnAdd, FX_GridSourceSet, ...), and those calls fill in
// these entries as the program starts. A program that calls none carries no grid code: a
// DATAGRID item it declares is a bare list view, without columns, rows or grid keys.
#ifndef FENWIX_GRID_GRID_ENTRIES_H
#define FENWIX_GRID_GRID_ENTRIES_H

#include <windows.h>

#include <cstdint>
#include <string>

#include "fenwix/fenwix.h"
#include "fenwix/registry/registry.h"

struct GridEntries {
  ErrorCode (*startControl)(HWND list, const std::string& formName, const std::string& itemName,
                            const ItemDef& item);
  void (*scaleView)(HWND list, const std::string& formName, const std::string& itemName,
                    std::int32_t oldDpi, std::int32_t newDpi);
  void (*showColors)(const ItemDef& item);
  INT_PTR (*notify)(HWND dialog, const std::string& formName, const std::string& itemName,
                    NMHDR& header);
  bool (*keyValue)(const std::string& formName, const std::string& itemName,
                   const std::string& key, std::string& value);
  bool (*keySet)(const std::string& formName, const std::string& itemName, const std::string& key,
                 const std::string& value, ErrorCode& result);
  ErrorCode (*commitEdits)(const std::string& formName);
};

// All null until the grid's calls are in the program.
GridEntries& TheGridEntries();

#endif
