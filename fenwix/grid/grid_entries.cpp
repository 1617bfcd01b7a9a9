#include "fenwix/grid/grid_entries.h"

GridEntries& TheGridEntries() {
  static GridEntries entries{};
  return entries;
}
