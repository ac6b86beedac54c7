#pragma once

#include <string_view>

namespace bumblorbs {

// Where the program's lines go. A windowed program has no console of its
// own: its lines go to the one it was started from, where there is one (or
// to where its standard streams were sent), and otherwise appear in a box.
class UserMessages {
public:
    // Takes the parent's console for stdout and stderr where they lead
    // nowhere. Call once, first.
    static void FindConsole();

    // An answer such as the help: on standard output, else in a box. The
    // status to end with: 0, or 1 where it could not be written.
    static int Answer(std::string_view text);
    // A fatal fault's line: on stderr (through Say) and in a box owned by
    // `owner`, Windows' handle of the program's window, where there is one.
    static void Fatal(std::string_view line, void* owner);
    // Only the box of a fatal fault, for a caller that has said the line.
    static void FatalBox(std::string_view line, void* owner);
    // A refused command line: as a fault, with no window.
    static void Refuse(std::string_view line) { Fatal(line, nullptr); }
    // A box that only informs, such as the saver's empty settings.
    static void Inform(std::string_view text);
};

}  // namespace bumblorbs
