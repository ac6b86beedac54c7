#include "host/win32/system_beep.h"

// <windows.h> first: the other Windows headers build on it.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include "host/core/ding.h"
#include "host/win32/wave_file.h"

namespace bumblorbs {
namespace {

constexpr int DingSampleRate = 44100;

// The sound scheme's file for "Default Beep"; where it names none (no
// scheme, "(None)", or Wine's empty registry) the toy plays its own.
bool SchemeHasBeep() {
    DWORD bytes = 0;
    const LSTATUS found =
        RegGetValueW(HKEY_CURRENT_USER, L"AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current",
                     nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr, nullptr, &bytes);
    // An empty text still holds its terminating zero.
    return found == ERROR_SUCCESS && bytes > sizeof(wchar_t);
}

}  // namespace

SystemBeep::SystemBeep()
    : schemeHasBeep_(SchemeHasBeep()),
      ding_(PcmWaveFile(SynthesiseDing(DingSampleRate), DingSampleRate)) {}

SystemBeep::~SystemBeep() { PlaySoundW(nullptr, nullptr, 0); }

void SystemBeep::Beep() {
    // SystemDefault is the scheme's "Default Beep". An asynchronous sound
    // replaces the one playing; SND_NODEFAULT keeps Windows from playing
    // another where this one cannot be played.
    constexpr DWORD Async = SND_ASYNC | SND_NODEFAULT;
    if (!schemeHasBeep_ || PlaySoundW(L"SystemDefault", nullptr, SND_ALIAS | Async) == FALSE) {
        PlaySoundW(reinterpret_cast<LPCWSTR>(ding_.data()), nullptr, SND_MEMORY | Async);
    }
}

}  // namespace bumblorbs
