#include "host/core/number_format.h"

namespace bumblorbs {

std::string FormatByPattern(std::int64_t value, std::string_view pattern,
                            std::string_view separator) {
    if (value == 0) {
        return {};
    }
    const bool grouped = pattern.find(',') != std::string_view::npos;
    // Digits are taken from the magnitude as unsigned so that the most
    // negative value has one too.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits;
    int inGroup = 0;
    while (magnitude > 0) {
        if (grouped && inGroup == 3) {
            digits.insert(0, separator);
            inGroup = 0;
        }
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
        ++inGroup;
    }
    return value < 0 ? "-" + digits : digits;
}

}  // namespace bumblorbs
