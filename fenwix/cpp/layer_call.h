// The two edges of the C++ layer: calls into the library, whose failures become
// fx::Error, and calls out to the program, whose exceptions end there as reports.
#ifndef FENWIX_CPP_LAYER_CALL_H
#define FENWIX_CPP_LAYER_CALL_H

#include <string>
#include <string_view>

#include "fenwix/error/report_capture.h"
#include "fenwix/fenwix.hpp"

namespace fx::layer {

// The codes of the layer's own reports.
inline constexpr ErrorCode kHandlerThrew = 1070;
inline constexpr ErrorCode kSourceThrew = 1071;
inline constexpr ErrorCode kPostedThrew = 1072;
inline constexpr ErrorCode kMainHandlerThrew = 1073;
inline constexpr ErrorCode kRefusedValue = 1074;

// The error of a code, with the report the capture kept for it or, for a code returned
// without a report, the report made now. Other reports the capture kept are shown.
[[noreturn]] void Throw(ErrorCode code, ReportCapture& capture);

// Runs a call that answers a code; throws for a non-zero one. What a call that succeeded
// reported on the way is shown as the C call would have shown it.
template <class Call>
void Checked(Call&& call) {
  ReportCapture capture;
  const ErrorCode code = call();
  if (code) Throw(code, capture);
  capture.deliver();
}

// Runs a call that answers a text and reports its failures.
template <class Call>
std::string CheckedText(Call&& call) {
  ReportCapture capture;
  std::string text = call();
  if (capture.code()) Throw(capture.code(), capture);
  return text;
}

// Reports the exception being handled as code, naming where it was thrown; a second one
// thrown while the first report is on the screen is dropped, not stacked. Never throws.
void ReportThrown(ErrorCode code, const std::string& where, const char* function) noexcept;

inline std::string Text(std::string_view text) { return std::string(text); }

}  // namespace fx::layer

#endif
