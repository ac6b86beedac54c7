#include "host/win32/gdi_glyph_source.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/core/host_fault.h"
#include "host/win32/gdi_faces.h"
#include "host/win32/gdi_surface.h"
#include "host/win32/wide_text.h"

namespace bumblorbs {
namespace {

// Where to break `text` so that its first line is at most `width` pixels
// wide: after the last space that fits, else after the last character
// that fits (a line of characters with no spaces, as Japanese is set), and
// at least after one.
std::size_t LineBreak(HDC dc, std::wstring_view text, int width) {
    const std::size_t newline = text.find(L'\n');
    const std::wstring_view line = text.substr(0, newline);
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(dc, line.data(), static_cast<int>(line.size()), width, &fit, nullptr,
                          &size);
    const auto fits = static_cast<std::size_t>(std::max(fit, 1));
    if (fits >= line.size()) {
        return line.size();
    }
    const std::size_t space = line.substr(0, fits + 1).rfind(L' ');
    return space != std::wstring_view::npos && space > 0 ? space : fits;
}

std::vector<std::wstring> WrapText(HDC dc, std::wstring_view text, int width) {
    std::vector<std::wstring> lines;
    while (!text.empty()) {
        const std::size_t end = LineBreak(dc, text, width);
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
        // The space or newline the line broke at belongs to neither line.
        if (!text.empty() && (text.front() == L' ' || text.front() == L'\n')) {
            text.remove_prefix(1);
        }
    }
    return lines;
}

class GdiGlyphSource final : public GlyphSource {
public:
    explicit GdiGlyphSource(HFONT font) : font_(font), previous_(SelectObject(text_.Dc(), font_)) {
        GetTextMetricsW(text_.Dc(), &metrics_);
    }
    ~GdiGlyphSource() override {
        SelectObject(text_.Dc(), previous_);
        DeleteObject(font_);
    }
    GdiGlyphSource(const GdiGlyphSource&) = delete;
    GdiGlyphSource& operator=(const GdiGlyphSource&) = delete;

    std::optional<ArgbPicture> Line(std::string_view text, Colour colour) override {
        return Draw({Widen(text)}, colour);
    }
    std::optional<ArgbPicture> Wrapped(std::string_view text, Colour colour,
                                       int wrapWidth) override {
        return Draw(WrapText(text_.Dc(), Widen(text), wrapWidth), colour);
    }
    std::optional<InkSpan> Ink(char32_t point) override {
        if (point > 0xFFFF) {
            return std::nullopt;
        }
        GLYPHMETRICS glyph{};
        const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        if (GetGlyphOutlineW(text_.Dc(), static_cast<UINT>(point), GGO_METRICS, &glyph, 0, nullptr,
                             &identity) == GDI_ERROR) {
            return std::nullopt;
        }
        const int left = glyph.gmptGlyphOrigin.x;
        return InkSpan{left, left + static_cast<int>(glyph.gmBlackBoxX)};
    }
    std::optional<int> LineWidth(std::string_view text) override {
        const std::wstring wide = Widen(text);
        SIZE size{};
        if (GetTextExtentPoint32W(text_.Dc(), wide.c_str(), static_cast<int>(wide.size()), &size) ==
            FALSE) {
            return std::nullopt;
        }
        return static_cast<int>(size.cx);
    }
    std::string Reason() const override { return "GDI could not draw the text"; }

private:
    std::optional<ArgbPicture> Draw(const std::vector<std::wstring>& lines, Colour colour);

    GdiSurface text_;
    HFONT font_;
    HGDIOBJ previous_;
    TEXTMETRICW metrics_{};
};

// GDI draws white on black; the grey it leaves is the text's coverage,
// which becomes the alpha of the text's own colour.
std::optional<ArgbPicture> GdiGlyphSource::Draw(const std::vector<std::wstring>& lines,
                                                Colour colour) {
    int width = 1;
    for (const std::wstring& line : lines) {
        SIZE size{};
        GetTextExtentPoint32W(text_.Dc(), line.c_str(), static_cast<int>(line.size()), &size);
        width = std::max(width, static_cast<int>(size.cx));
    }
    const int lineHeight = static_cast<int>(metrics_.tmHeight);
    const int height = std::max(1, lineHeight * static_cast<int>(lines.size()));
    if (!text_.Resize(width, height)) {
        return std::nullopt;
    }
    text_.Clear();
    SetBkMode(text_.Dc(), TRANSPARENT);
    SetTextColor(text_.Dc(), RGB(255, 255, 255));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        TextOutW(text_.Dc(), 0, static_cast<int>(i) * lineHeight, lines[i].c_str(),
                 static_cast<int>(lines[i].size()));
    }
    GdiFlush();
    const std::uint32_t rgb = static_cast<std::uint32_t>(RedOf(colour)) << 16 |
                              static_cast<std::uint32_t>(GreenOf(colour)) << 8 |
                              static_cast<std::uint32_t>(BlueOf(colour));
    ArgbPicture picture{{}, width, height};
    picture.Pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = text_.Row(y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t coverage =
                std::max({row[x] >> 16 & 0xFF, row[x] >> 8 & 0xFF, row[x] & 0xFF});
            picture.Pixels.push_back(coverage << 24 | rgb);
        }
    }
    return picture;
}

}  // namespace

std::unique_ptr<GlyphSource> GdiGlyphSources::Open(const LabelFont& font, int pixelSize,
                                                   std::string_view mustDraw, bool& covered) {
    const auto charset = static_cast<BYTE>(font.Charset);
    GdiSurface probe;
    const ChosenFace face = ChooseFace(probe.Dc(), Widen(font.Face), charset, Widen(mustDraw));
    covered = face.CoversText;
    HFONT opened = OpenFace(face.Name, pixelSize, font.Weight, charset);
    if (opened == nullptr) {
        throw HostFault("cannot open the font " + Narrow(face.Name));
    }
    return std::make_unique<GdiGlyphSource>(opened);
}

}  // namespace bumblorbs
