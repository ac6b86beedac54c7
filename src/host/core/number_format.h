#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bumblorbs {

// Formats a whole number by a pattern of '#' digit places; a ',' in the
// pattern groups the digits by threes with `separator`. As with such
// patterns, zero has no significant digit and gives an empty text.
std::string FormatByPattern(std::int64_t value, std::string_view pattern,
                            std::string_view separator);

}  // namespace bumblorbs
