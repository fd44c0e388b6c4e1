// SPDX-License-Identifier: MIT
#include "platform/win32/fonts.h"

#include "platform/win32/widetext.h"

namespace platform {

namespace {

HFONT createFace(const FontDescription& font, std::u16string_view face, bool outline, int dpi)
{
    return CreateFontW(-MulDiv(font.pointSize, dpi, 72), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
        FALSE, FALSE, FALSE, DEFAULT_CHARSET, outline ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, outline ? CLEARTYPE_QUALITY : DEFAULT_QUALITY,
        DEFAULT_PITCH | FF_SWISS, wide(face).c_str());
}

} // namespace

bool isOutlineFont(HFONT font)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    return (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

// "MS Sans Serif" is a raster face: a few fixed sizes and no bold of its own, so that at 150 or
// 200 % it is drawn blocky, or not scaled at all. Every Windows since 2000 has its TrueType twin,
// "Microsoft Sans Serif", of the same design and metrics, drawn smooth at any size. Where the
// twin is missing, the system's font mapper names the outline face closest to it (Wine, which
// has no twin, maps it to the desktop's sans-serif face, DejaVu Sans on Debian, of much the same
// widths); only where the mapper finds no outline face at all is the raster face drawn.
HFONT createFont(const FontDescription& font, int dpi)
{
    if (font.family == u"MS Sans Serif") {
        const HFONT twin = createFace(font, u"Microsoft Sans Serif", true, dpi);
        if (isOutlineFont(twin))
            return twin;
        DeleteObject(twin);
    }
    return createFace(font, font.family, false, dpi);
}

} // namespace platform
