// Starting the library: the registry emptied, the module instance fetched; and, once a
// form needs them, the common controls (the status bar among them) made available.
#ifndef FENWIX_WINDOW_LIBRARY_START_H
#define FENWIX_WINDOW_LIBRARY_START_H

#include "fenwix/fenwix.h"

// Starts or restarts the library; FX_WindowMainCreate calls it while the library is not
// started. Codes 1018 and 1002, each reported.
ErrorCode FX_ResetFenwixIntl();

// Makes the common controls available, once per start of the library; when the platform
// refuses them, 1038 is reported under the caller's error context, and the next call tries
// again.
void LoadCommonControls();

#endif
