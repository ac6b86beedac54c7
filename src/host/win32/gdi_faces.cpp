#include "host/win32/gdi_faces.h"

#include <array>
#include <vector>

namespace bumblorbs {
namespace {

constexpr std::array<std::wstring_view, 2> JapaneseUiFaces = {L"Yu Gothic UI", L"Meiryo UI"};

struct FaceSearch {
    std::vector<std::wstring> Names;
};

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                         LPARAM data) {
    // Windows hands callbacks their data as an integer.
    auto* search = reinterpret_cast<FaceSearch*>(data);  // NOLINT(performance-no-int-to-ptr)
    // Faces whose names begin with '@' are the same faces set vertically.
    if (font->lfFaceName[0] != L'@') {
        search->Names.emplace_back(font->lfFaceName);
    }
    return 1;
}

// The installed faces of `charset`, or the one named `name` where given.
std::vector<std::wstring> InstalledFaces(HDC dc, std::wstring_view name, BYTE charset) {
    LOGFONTW wanted{};
    wanted.lfCharSet = name.empty() ? charset : static_cast<BYTE>(DEFAULT_CHARSET);
    name.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    FaceSearch search;
    EnumFontFamiliesExW(dc, &wanted, &CollectFace, reinterpret_cast<LPARAM>(&search), 0);
    return search.Names;
}

bool Draws(HDC dc, const std::wstring& face, BYTE charset, std::wstring_view text) {
    HFONT font = OpenFace(face, 16, FW_NORMAL, charset);
    if (font == nullptr) {
        return false;
    }
    HGDIOBJ previous = SelectObject(dc, font);
    std::vector<WORD> glyphs(text.size());
    const DWORD mapped = GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()),
                                          glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    DeleteObject(font);
    if (mapped == GDI_ERROR) {
        return false;
    }
    for (const WORD glyph : glyphs) {
        if (glyph == 0xFFFF) {
            return false;
        }
    }
    return true;
}

}  // namespace

ChosenFace ChooseFace(HDC dc, std::wstring_view named, BYTE charset, std::wstring_view mustDraw) {
    std::vector<std::wstring> candidates;
    for (const std::wstring_view name : {named, JapaneseUiFaces[0], JapaneseUiFaces[1]}) {
        if (!InstalledFaces(dc, name, charset).empty()) {
            candidates.emplace_back(name);
        }
    }
    for (std::wstring& face : InstalledFaces(dc, {}, charset)) {
        candidates.push_back(std::move(face));
    }
    for (const std::wstring& face : candidates) {
        if (Draws(dc, face, charset, mustDraw)) {
            return {face, true};
        }
    }
    return {std::wstring(named), false};
}

HFONT OpenFace(const std::wstring& name, int pixelSize, int weight, BYTE charset) {
    LOGFONTW font{};
    // A negative height asks for the em, not the cell, in pixels.
    font.lfHeight = -pixelSize;
    font.lfWeight = weight;
    font.lfCharSet = charset;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = ANTIALIASED_QUALITY;
    name.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace bumblorbs
