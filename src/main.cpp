#include <SDL_main.h>

#include "host/desktop_program.h"

int main(int /*argc*/, char* /*argv*/[]) { return bumblorbs::RunBumblorbs(); }
