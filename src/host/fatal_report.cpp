#include "host/fatal_report.h"

#include <SDL.h>

#include <iostream>
#include <string>

namespace bumblorbs {

void ReportFatal(std::string_view what, SDL_Window* window) {
    const std::string message = "Bumblorbs: fatal error: " + std::string(what);
    std::cerr << message << std::endl;
    if (window != nullptr) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Bumblorbs", message.c_str(), window);
    }
}

}  // namespace bumblorbs
