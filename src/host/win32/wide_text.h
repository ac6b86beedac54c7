#pragma once

#include <string>
#include <string_view>

namespace bumblorbs {

// Windows' wide (UTF-16) text and the program's UTF-8, both ways. Text that
// does not convert gives an empty result.
std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace bumblorbs
