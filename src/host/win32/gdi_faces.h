#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace bumblorbs {

// Which installed face draws a label's text: the face its font names where
// that is installed and draws every character, else Yu Gothic UI or Meiryo
// UI, else any face for the font's character set that does, else the named
// face, through which Windows links whatever fonts have the glyphs.
struct ChosenFace {
    std::wstring Name;
    // Whether the face was seen to draw every character.
    bool CoversText = false;
};

ChosenFace ChooseFace(HDC dc, std::wstring_view named, BYTE charset, std::wstring_view mustDraw);

// The face `name` at `pixelSize` pixels to the em, antialiased in greys
// (straight coverage, no colour fringes), in bold where `weight` says.
HFONT OpenFace(const std::wstring& name, int pixelSize, int weight, BYTE charset);

}  // namespace bumblorbs
