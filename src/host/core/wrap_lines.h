#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bumblorbs {

// The text broken at spaces into lines of at most `length` characters; a
// longer word is cut.
std::string WrapLines(std::string_view text, std::size_t length);

}  // namespace bumblorbs
