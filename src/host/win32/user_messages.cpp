#include "host/win32/user_messages.h"

#include <windows.h>

#include <cstdio>
#include <iostream>

#include "host/core/output_check.h"
#include "host/core/say.h"
#include "host/win32/wide_text.h"

namespace bumblorbs {
namespace {

constexpr const wchar_t* Title = L"Bumblorbs";

bool StandardOutputLeadsSomewhere() {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    return output != nullptr && output != INVALID_HANDLE_VALUE;
}

bool StandardErrorLeadsSomewhere() {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    return error != nullptr && error != INVALID_HANDLE_VALUE;
}

void ShowBox(std::string_view text, UINT icon, void* owner) {
    MessageBoxW(static_cast<HWND>(owner), Widen(text).c_str(), Title,
                icon | MB_OK | MB_SETFOREGROUND);
}

}  // namespace

void UserMessages::FindConsole() {
    if (StandardOutputLeadsSomewhere() && StandardErrorLeadsSomewhere()) {
        return;
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS) == FALSE) {
        return;
    }
    // The C runtime's streams were opened before there was a console; they
    // are pointed at it now. A stream that was redirected stays as it was.
    // A stream that cannot be reopened stays as it was: its lines are lost,
    // as they would have been.
    FILE* reopened = nullptr;
    if (!StandardOutputLeadsSomewhere() && freopen_s(&reopened, "CONOUT$", "w", stdout) == 0) {
        std::cout.clear();
    }
    if (!StandardErrorLeadsSomewhere() && freopen_s(&reopened, "CONOUT$", "w", stderr) == 0) {
        std::cerr.clear();
    }
}

int UserMessages::Answer(std::string_view text) {
    if (!StandardOutputLeadsSomewhere()) {
        ShowBox(text, MB_ICONINFORMATION, nullptr);
        return 0;
    }
    std::cout << text;
    return StandardOutputWritten("bumblorbs") ? 0 : 1;
}

void UserMessages::Fatal(std::string_view line, void* owner) {
    Say(line);
    FatalBox(line, owner);
}

void UserMessages::FatalBox(std::string_view line, void* owner) {
    ShowBox(std::string(MessagePrefix) + std::string(line), MB_ICONERROR, owner);
}

void UserMessages::Inform(std::string_view text) { ShowBox(text, MB_ICONINFORMATION, nullptr); }

}  // namespace bumblorbs
