#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bumblorbs {

// Whole numbers as the user's locale writes them, through Windows' own
// number formatting: its digit grouping and separator, its minus sign, no
// decimals. A pattern of '#' places groups the digits only where it holds a
// ','; zero has no significant digit and gives an empty text, as such
// patterns do everywhere.
std::string FormatUserNumber(std::int64_t value, std::string_view pattern);

// The user's digit-group separator, or a comma where the locale has none.
std::string UserGroupSeparator();

}  // namespace bumblorbs
