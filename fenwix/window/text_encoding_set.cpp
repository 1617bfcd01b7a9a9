// FX_TextEncodingSet: the program's choice of the encoding of its texts, made before its
// main window exists, since every window of the library is made for one of them.
#include <string>

#include "fenwix/error/error_context.h"
#include "fenwix/error/reported.h"
#include "fenwix/fenwix.h"
#include "fenwix/props/property_string.h"
#include "fenwix/registry/registry.h"
#include "fenwix/text/encoding.h"

ErrorCode FX_TextEncodingSet(std::string encoding) {
  SaveErrorContext();
  // A report names the refused word where other reports name their window or item.
  SetErrorContext(encoding, "FX_TextEncodingSet");
  const std::string upper = UpperCase(encoding);
  const bool known = upper == "ANSI" || upper == "UTF-8";
  if (!known || !TheRegistry().MainWindowName.empty()) return Reported(30);
  SetUtf8Text(upper == "UTF-8");
  RestoreErrorContext();
  return 0;
}
