#include "host/win32/program_arguments.h"

#include <cctype>
#include <charconv>

namespace bumblorbs {
namespace {

ProgramArguments Refused(std::string problem) {
    return {ProgramArguments::Action::Refuse, 0, std::move(problem)};
}

// A saver switch, in any case, after '/' or '-': the letter, and whatever
// followed a ':' ("/p:1234"), else nothing.
struct Switch {
    char Letter = 0;
    std::string_view Attached;
    bool HasColon = false;
};

bool ReadSwitch(std::string_view word, Switch& read) {
    if (word.size() < 2 || (word[0] != '/' && word[0] != '-') || word[1] == '-') {
        return false;
    }
    if (word.size() > 2 && word[2] != ':') {
        return false;
    }
    read.Letter = static_cast<char>(std::tolower(static_cast<unsigned char>(word[1])));
    read.HasColon = word.size() > 2;
    read.Attached = read.HasColon ? word.substr(3) : std::string_view();
    return true;
}

// A window handle as Windows writes it for a saver: decimal digits only, not
// zero, within a handle's 32 significant bits.
bool ReadHandle(std::string_view text, std::uintptr_t& handle) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value == 0) {
        return false;
    }
    handle = value;
    return true;
}

ProgramArguments PreviewIn(std::span<const std::string> args, const Switch& given) {
    std::string_view handleText = given.Attached;
    std::size_t words = 1;
    if (!given.HasColon) {
        if (args.size() < 2) {
            return Refused("/p needs the window to draw into");
        }
        handleText = args[1];
        words = 2;
    }
    if (args.size() > words) {
        return Refused("unknown argument '" + args[words] + "'");
    }
    ProgramArguments preview{ProgramArguments::Action::Preview, 0, {}};
    if (!ReadHandle(handleText, preview.ParentWindow)) {
        return Refused("bad window handle '" + std::string(handleText) + "' for /p");
    }
    return preview;
}

}  // namespace

ProgramArguments ParseProgramArguments(std::span<const std::string> args, bool asSaver) {
    using enum ProgramArguments::Action;
    if (args.empty()) {
        return {asSaver ? Configure : Run, 0, {}};
    }
    const std::string& first = args[0];
    if (first == "--help" || first == "--version") {
        if (args.size() > 1) {
            return Refused("unknown argument '" + args[1] + "'");
        }
        return {first == "--help" ? Help : Version, 0, {}};
    }
    Switch given;
    if (!ReadSwitch(first, given)) {
        return Refused("unknown argument '" + first + "'");
    }
    if (given.Letter == 'p') {
        return PreviewIn(args, given);
    }
    // Windows hands /c the settings' window after a colon; the box needs none.
    const bool takesNoColon = given.Letter == 's';
    if ((given.Letter != 's' && given.Letter != 'c') || (takesNoColon && given.HasColon)) {
        return Refused("unknown argument '" + first + "'");
    }
    if (args.size() > 1) {
        return Refused("unknown argument '" + args[1] + "'");
    }
    return {given.Letter == 's' ? FullScreenSaver : Configure, 0, {}};
}

std::string UsageText() {
    return "usage: bumblorbs [/s | /p HWND | /c | --help | --version]\n"
           "Sixty coloured balls bounce about a full-screen window.\n"
           "Left-click paints the background in a random colour; right-click ends the toy.\n"
           "  /s         run as the screen saver, over every monitor\n"
           "  /p HWND    draw into the window HWND, as the screen saver's preview\n"
           "  /c         the screen saver's settings (there are none)\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "bumblorbs.scr is the same program as a screen saver: with no argument it shows\n"
           "its settings.\n";
}

std::string VersionText() { return "Bumblorbs " BUMBLORBS_VERSION "\n"; }

}  // namespace bumblorbs
