// Starting the library: the registry emptied, the module instance fetched, the common
// controls (the status bar among them) made available.
#ifndef FENWIX_WINDOW_LIBRARY_START_H
#define FENWIX_WINDOW_LIBRARY_START_H

#include "fenwix/fenwix.h"

// Starts or restarts the library; FX_WindowMainCreate calls it while the library is not
// started. Codes 1018, 1002 and 1038, each reported.
ErrorCode FX_ResetFenwixIntl();

#endif
