#pragma once

#include <string_view>

struct SDL_Window;

namespace bumblorbs {

// Says on stderr, and in a message box where a window exists, that the
// program has to stop and why.
void ReportFatal(std::string_view what, SDL_Window* window);

}  // namespace bumblorbs
