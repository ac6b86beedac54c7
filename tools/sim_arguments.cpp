#include "tools/sim_arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace bumblorbs {
namespace {

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Read in double so that a size just past the limit is not rounded onto it.
bool ParseTwips(std::string_view text, float& value) {
    double exact = 0;
    if (!ParseNumber(text, exact) || !std::isfinite(exact) || exact < 0 ||
        exact > LargestSimTwips) {
        return false;
    }
    value = static_cast<float>(exact);
    return true;
}

bool ParseSize(std::string_view text, TwipSize& size) {
    const auto x = text.find('x');
    return x != std::string_view::npos && ParseTwips(text.substr(0, x), size.Width) &&
           ParseTwips(text.substr(x + 1), size.Height);
}

bool ParseResize(std::string_view text, Resize& resize) {
    const auto colon = text.find(':');
    return colon != std::string_view::npos && ParseNumber(text.substr(0, colon), resize.Tick) &&
           resize.Tick >= 1 && ParseSize(text.substr(colon + 1), resize.Interior);
}

bool IsOption(std::string_view word) {
    return word == "--clock" || word == "--ticks" || word == "--interior" || word == "--resize";
}

// Checks what single values cannot: each resize falls within the run, and
// no two at one tick.
bool CheckResizes(SimArguments& parsed, std::string& problem) {
    std::sort(parsed.Resizes.begin(), parsed.Resizes.end(),
              [](const Resize& a, const Resize& b) { return a.Tick < b.Tick; });
    for (std::size_t i = 0; i < parsed.Resizes.size(); ++i) {
        const long tick = parsed.Resizes[i].Tick;
        if (tick > parsed.Ticks) {
            problem = "--resize at tick " + std::to_string(tick) + " comes after the last tick, " +
                      std::to_string(parsed.Ticks);
            return false;
        }
        if (i > 0 && parsed.Resizes[i - 1].Tick == tick) {
            problem = "two --resize at tick " + std::to_string(tick);
            return false;
        }
    }
    return true;
}

}  // namespace

std::string SimUsage() {
    return "usage: bumblorbs-sim [--clock SECONDS] [--ticks N] [--interior WxH] [--resize T:WxH]..."
           " [--help]\n"
           "Runs the toy's start-up and motion without a display and prints what happened as\n"
           "CSV (RFC 4180), one record a line:\n"
           "  ball,INDEX,LEFT,TOP,WIDTH,HEIGHT,SPEEDX,SPEEDY,FILL,OUTLINE  each ball after "
           "start-up\n"
           "  tick,TICK,COUNT,BEEPS,CAPTION  after each tick: the bounce count, the beeps in that\n"
           "                                 tick and the count's caption (quoted when it holds\n"
           "                                 a comma)\n"
           "  end,INDEX,LEFT,TOP,SPEEDX,SPEEDY  each ball after the last tick\n"
           "LEFT, TOP, WIDTH, HEIGHT and every WxH are twips (1/1440 inch; 15 to a pixel at\n"
           "96 dpi), SPEEDX and SPEEDY twips per tick; FILL and OUTLINE are 0x00BBGGRR.\n"
           "  --clock SECONDS  seconds since midnight that seeds the draws, 0 to 86400 (43200)\n"
           "  --ticks N        how many ticks to run (1000)\n"
           "  --interior WxH   the interior's size in twips at the start (9780x10650)\n"
           "  --resize T:WxH   the interior's size from tick T on; at most one a tick\n"
           "  --help           show this help\n";
}

std::optional<SimArguments> ParseSimArguments(std::span<const std::string> args,
                                              std::string& problem) {
    SimArguments parsed;
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        parsed.Help = true;
        return parsed;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (!IsOption(option)) {
            problem = "unknown option '" + option + "'";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            problem = option + " needs a value";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        bool good = false;
        if (option == "--clock") {
            good = ParseNumber(value, parsed.ClockSeconds) && parsed.ClockSeconds >= 0 &&
                   parsed.ClockSeconds <= 86400;
        } else if (option == "--ticks") {
            good = ParseNumber(value, parsed.Ticks) && parsed.Ticks >= 0;
        } else if (option == "--interior") {
            good = ParseSize(value, parsed.Interior);
        } else {
            Resize resize;
            good = ParseResize(value, resize);
            parsed.Resizes.push_back(resize);
        }
        if (!good) {
            problem = "bad value for " + option + ": " + std::string(value);
            return std::nullopt;
        }
    }
    if (!CheckResizes(parsed, problem)) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace bumblorbs
