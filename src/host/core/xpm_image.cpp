#include "host/core/xpm_image.h"

#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace bumblorbs {
namespace {

std::uint32_t ParseColour(std::string_view colourLine) {
    const auto at = colourLine.find(" c ");
    if (at == std::string_view::npos) {
        throw std::invalid_argument("XPM colour line without a 'c' colour");
    }
    const std::string_view value = colourLine.substr(at + 3);
    if (value == "None") {
        return 0;
    }
    unsigned rgb = 0;
    if (value.size() != 7 || value[0] != '#' ||
        std::sscanf(std::string(value.substr(1)).c_str(), "%6x", &rgb) != 1) {
        throw std::invalid_argument("XPM colour '" + std::string(value) + "' is not #RRGGBB");
    }
    return 0xFF000000U | rgb;
}

}  // namespace

ArgbImage DecodeXpm(std::span<const char* const> lines) {
    if (lines.empty()) {
        throw std::invalid_argument("XPM image without a header");
    }
    int width = 0;
    int height = 0;
    int colours = 0;
    int charsPerPixel = 0;
    if (std::sscanf(lines[0], "%d %d %d %d", &width, &height, &colours, &charsPerPixel) != 4 ||
        width <= 0 || height <= 0 || colours <= 0 || charsPerPixel <= 0) {
        throw std::invalid_argument("XPM header is not four positive numbers");
    }
    const auto cpp = static_cast<std::size_t>(charsPerPixel);
    const auto colourLines = static_cast<std::size_t>(colours);
    const auto rows = static_cast<std::size_t>(height);
    if (lines.size() != 1 + colourLines + rows) {
        throw std::invalid_argument("XPM header does not match the image");
    }
    std::map<std::string, std::uint32_t, std::less<>> palette;
    for (std::size_t i = 0; i < colourLines; ++i) {
        const std::string_view line = lines[1 + i];
        if (line.size() < cpp) {
            throw std::invalid_argument("XPM colour line is too short");
        }
        palette.emplace(std::string(line.substr(0, cpp)), ParseColour(line.substr(cpp)));
    }
    ArgbImage image{width, height, {}};
    image.Pixels.reserve(static_cast<std::size_t>(width) * rows);
    for (std::size_t y = 0; y < rows; ++y) {
        const std::string_view row = lines[1 + colourLines + y];
        if (row.size() != cpp * static_cast<std::size_t>(width)) {
            throw std::invalid_argument("XPM row " + std::to_string(y) + " has the wrong width");
        }
        for (std::size_t x = 0; x < row.size(); x += cpp) {
            const auto found = palette.find(row.substr(x, cpp));
            if (found == palette.end()) {
                throw std::invalid_argument("XPM pixel uses a colour it does not define");
            }
            image.Pixels.push_back(found->second);
        }
    }
    return image;
}

}  // namespace bumblorbs
