// A text read as a value of a field type, as a field or a grid's cell holds it: whether
// the type takes it, its normal form, and a number that orders the values of a type.
#ifndef FENWIX_FORMATS_TYPED_TEXT_H
#define FENWIX_FORMATS_TYPED_TEXT_H

#include <cstdint>
#include <limits>
#include <string>

#include "fenwix/formats/date_value.h"

// The date format's code for an empty text stands for every type's required value left
// empty.
inline constexpr std::int32_t kRequiredEmpty = DateValue::kEmpty;

// The order of an empty value: below every value the types give, which never reaches it.
inline constexpr std::int64_t kEmptyOrder = std::numeric_limits<std::int64_t>::min();

struct TypedText {
  // 0 when the text may stay; a date's or an amount's own error code; kRequiredEmpty for
  // a required value left empty.
  std::int32_t code = 0;
  std::string normal;  // the text as the type writes it back; as given for a STRING
  // A date's seconds, an amount in units of its last decimal (held at the ends of the
  // range when too large), kEmptyOrder for an empty date or amount; 0 for a STRING.
  std::int64_t order = kEmptyOrder;
};

// Reads text under a field type ("STRING", "DATE", "CURRENCY") and its format.
TypedText ReadTypedText(const std::string& fieldType, const std::string& format, bool notNull,
                        const std::string& text);

#endif
