#pragma once

#include <string_view>

namespace bumblorbs {

// Told why the program must stop at once; must not return (Xlib ends the
// process if it does).
using LostDisplayHandler = void (*)(std::string_view what);

// Installs the program's handlers for Xlib's errors. Call before SDL opens
// its display: SDL chains to the handler it finds and puts it back when it
// closes, so the handlers stay in force to the very end.
// - when the X server goes away `onLost` ends the program at once with a
//   clear message, instead of Xlib's own terse report; when the window or
//   what is drawn into it vanishes and the server stays, another program
//   closed the window, and `onLost` is told so half a second later (a
//   server that is going away closes the connection first);
// - a wake-up message that SDL sends to the window over its second
//   connection can reach the server after the window is closed; the
//   BadWindow it then earns is harmless and ignored. Every other error is
//   handled as Xlib would.
void HandleX11Errors(LostDisplayHandler onLost);

}  // namespace bumblorbs
