#pragma once

#include <string_view>

namespace bumblorbs {

// What begins every line the toy writes on stderr, so a user can tell its
// lines from those of the libraries it runs on.
inline constexpr std::string_view MessagePrefix = "Bumblorbs: ";

// Writes the prefix, `text` and a newline on stderr, in one write.
void Say(std::string_view text);

}  // namespace bumblorbs
