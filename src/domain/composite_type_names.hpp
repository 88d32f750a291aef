// The type name shown over a composite picture ("TYPE 1A"): by edition, value, series and
// composite number, for the values whose composites hold clichés of several types.
#pragma once

#include <string>
#include <string_view>

namespace kolvard {

// The name without "TYPE "; empty for the values and composites that have none. `value` is
// the value code in cp865 ("10ø").
std::string compositeTypeName(std::string_view edition, std::string_view value, int series,
                              int composite);

}  // namespace kolvard
