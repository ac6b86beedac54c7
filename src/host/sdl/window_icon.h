#pragma once

struct SDL_Window;

namespace bumblorbs {

// Gives the window its icon: the cluster of red and teal balls.
void SetWindowIcon(SDL_Window* window);

}  // namespace bumblorbs
