#include "host/win32/windows_program.h"

int main() { return bumblorbs::RunWindowsProgram(); }
