#include "host/win32/user_number_format.h"

#include <windows.h>

#include <array>

#include "host/win32/wide_text.h"

namespace bumblorbs {
namespace {

std::wstring UserLocaleText(LCTYPE what) {
    std::array<wchar_t, 16> text{};
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what, text.data(), static_cast<int>(text.size()));
    return length > 1 ? std::wstring(text.data()) : std::wstring();
}

UINT UserLocaleNumber(LCTYPE what, UINT otherwise) {
    DWORD value = 0;
    const int read =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, what | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&value), sizeof(value) / sizeof(wchar_t));
    return read > 0 ? value : otherwise;
}

// The locale's grouping ("3;0" for threes, "3;2;0" for India's) in the form
// NUMBERFMT takes it: 3 and 32.
UINT GroupingOf(const std::wstring& grouping) {
    UINT result = 0;
    for (const wchar_t c : grouping) {
        if (c >= L'1' && c <= L'9') {
            result = result * 10 + static_cast<UINT>(c - L'0');
        }
    }
    return result == 0 ? 3 : result;
}

}  // namespace

std::string FormatUserNumber(std::int64_t value, std::string_view pattern) {
    if (value == 0) {
        return {};
    }
    std::wstring decimal = UserLocaleText(LOCALE_SDECIMAL);
    std::wstring thousand = UserLocaleText(LOCALE_STHOUSAND);
    if (decimal.empty()) {
        decimal = L".";
    }
    if (thousand.empty()) {
        thousand = L",";
    }
    NUMBERFMTW format{};
    format.NumDigits = 0;
    format.LeadingZero = 0;
    format.Grouping = pattern.find(',') != std::string_view::npos
                          ? GroupingOf(UserLocaleText(LOCALE_SGROUPING))
                          : 0;
    format.lpDecimalSep = decimal.data();
    format.lpThousandSep = thousand.data();
    format.NegativeOrder = UserLocaleNumber(LOCALE_INEGNUMBER, 1);
    const std::wstring digits = std::to_wstring(value);
    std::array<wchar_t, 64> text{};
    const int length = GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, digits.c_str(), &format,
                                         text.data(), static_cast<int>(text.size()));
    return length > 1 ? Narrow(std::wstring_view(text.data(), static_cast<std::size_t>(length - 1)))
                      : Narrow(digits);
}

std::string UserGroupSeparator() {
    const std::string separator = Narrow(UserLocaleText(LOCALE_STHOUSAND));
    return separator.empty() ? "," : separator;
}

}  // namespace bumblorbs
