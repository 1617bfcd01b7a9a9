// The one library state of the process.
#include "fenwix/window/library_state.h"

LibraryState& TheLibrary() {
  static LibraryState state;
  return state;
}
