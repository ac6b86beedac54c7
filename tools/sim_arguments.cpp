#include "tools/sim_arguments.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace bumblorbs {
namespace {

template <typename Number>
bool ParseWhole(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseTwips(std::string_view text, float& value) {
    return ParseWhole(text, value) && std::isfinite(value) && value >= 0;
}

bool ParseSize(std::string_view text, TwipSize& size) {
    const auto x = text.find('x');
    return x != std::string_view::npos && ParseTwips(text.substr(0, x), size.Width) &&
           ParseTwips(text.substr(x + 1), size.Height);
}

bool ParseResize(std::string_view text, Resize& resize) {
    const auto colon = text.find(':');
    return colon != std::string_view::npos && ParseWhole(text.substr(0, colon), resize.Tick) &&
           resize.Tick >= 1 && ParseSize(text.substr(colon + 1), resize.Interior);
}

}  // namespace

std::optional<SimArguments> ParseSimArguments(std::span<const std::string> args,
                                              std::string& problem) {
    SimArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            problem = option + " needs a value";
            return std::nullopt;
        }
        const std::string_view value = args[++i];
        bool good = false;
        if (option == "--clock") {
            good = ParseWhole(value, parsed.Clock) && std::isfinite(parsed.Clock);
        } else if (option == "--ticks") {
            good = ParseWhole(value, parsed.Ticks) && parsed.Ticks >= 0;
        } else if (option == "--interior") {
            good = ParseSize(value, parsed.Interior);
        } else if (option == "--resize") {
            Resize resize;
            good = ParseResize(value, resize);
            parsed.Resizes.push_back(resize);
        } else {
            problem = "unknown option " + option;
            return std::nullopt;
        }
        if (!good) {
            problem = "bad value for " + option + ": " + std::string(value);
            return std::nullopt;
        }
    }
    return parsed;
}

}  // namespace bumblorbs
