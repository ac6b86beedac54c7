#include <SDL_main.h>

#include "host/app/desktop_program.h"

int main(int /*argc*/, char* /*argv*/[]) { return bumblorbs::RunBumblorbs(); }
