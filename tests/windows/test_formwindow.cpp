// SPDX-License-Identifier: MIT
// The Win32 window itself under Wine: its layout and fonts at the resolution the prefix gives
// (EXPECTED_DPI), and after the window is told it moved to a screen of another; the regional
// settings changed while it runs.
#include "platform/form/formcontrols.h"
#include "platform/form/startprogram.h"
#include "platform/win32/fonts.h"
#include "platform/win32/formwindow.h"
#include "testsupport.h"
#include "window/form1.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

using platform::ControlKind;
using platform::OnWindow;

namespace {

constexpr int firstControlId = 100;

struct Window {
    platform::FormWindow form { Form1::Layout, platform::bindForm<Form1> };
    HWND handle = form.handle();

    HWND control(std::size_t index) const
    {
        return GetDlgItem(handle, firstControlId + int(index));
    }
    HWND tabControl() const { return GetDlgItem(handle, firstControlId - 1); }
};

int twipsAt(int twips, int dpi)
{
    return MulDiv(twips, dpi, platform::TwipsPerInch);
}

RECT clientRectOf(HWND control, HWND window)
{
    RECT rect {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int fontHeight(HWND control)
{
    LOGFONTW font {};
    GetObjectW(
        reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight;
}

int tabStripHeight(HWND tabControl)
{
    RECT item {};
    SendMessageW(tabControl, TCM_GETITEMRECT, 0, LPARAM(&item));
    return item.bottom - item.top;
}

// Every rectangle and font is the table's at this resolution.
void checkLayout(const Window& window, int dpi)
{
    const platform::WindowDescription& layout = Form1::Layout;
    RECT client {};
    GetClientRect(window.handle, &client);
    CHECK(client.right == twipsAt(layout.clientWidth, dpi));
    CHECK(client.bottom == twipsAt(layout.clientHeight, dpi));

    const platform::TwipsRect& area = layout.tabControl.geometry;
    const RECT tabs = clientRectOf(window.tabControl(), window.handle);
    CHECK(tabs.left == twipsAt(area.left, dpi));
    CHECK(tabs.right - tabs.left == twipsAt(area.width, dpi));
    CHECK(tabs.bottom - tabs.top == twipsAt(area.height, dpi));
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const platform::ControlDescription& description = layout.controls[i];
        INFO(std::string(description.name.begin(), description.name.end()));
        const int left = description.tab == OnWindow ? 0 : area.left;
        const int top = description.tab == OnWindow ? 0 : area.top;
        const RECT rect = clientRectOf(window.control(i), window.handle);
        CHECK(rect.left == twipsAt(left + description.geometry.left, dpi));
        CHECK(rect.top == twipsAt(top + description.geometry.top, dpi));
        CHECK(rect.right - rect.left == twipsAt(description.geometry.width, dpi));
        // A drop-down combo box takes the height its font needs.
        if (description.kind != ControlKind::ComboBox)
            CHECK(rect.bottom - rect.top == twipsAt(description.geometry.height, dpi));
        const int points = description.font ? description.font->pointSize : 8;
        CHECK(fontHeight(window.control(i)) == -MulDiv(points, dpi, 72));
    }
}

HFONT fontOf(HWND control)
{
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

// A text as a font draws it, black on white: its advance width, and how dark its ink is on
// average over the box it fills (0 to 1).
struct Ink {
    int width = 0;
    double darkness = 0;
};

Ink inkOf(HFONT font, const std::wstring& text)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE size {};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    BITMAPINFO info {};
    info.bmiHeader = { sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const RECT box { 0, 0, size.cx, size.cy };
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, text.c_str(), int(text.size()));
    GdiFlush();
    double ink = 0;
    const auto* pixel = static_cast<const unsigned char*>(bits);
    for (long i = 0; i < long(size.cx) * size.cy; ++i, pixel += 4)
        ink += 1 - (pixel[0] + pixel[1] + pixel[2]) / (3 * 255.0);
    SelectObject(dc, oldBitmap);
    SelectObject(dc, oldFont);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return { size.cx, ink / (double(size.cx) * size.cy) };
}

// The same font at regular weight.
HFONT regularTwinOf(HFONT font)
{
    LOGFONTW description {};
    GetObjectW(font, sizeof description, &description);
    description.lfWeight = FW_NORMAL;
    return CreateFontIndirectW(&description);
}

// A label of the window, by its name, checked while compiling.
consteval std::size_t labelIndex(std::u16string_view name)
{
    return platform::findControl(form1::Controls, name, { ControlKind::Label }).index;
}

void moveToDpi(const Window& window, int dpi)
{
    RECT suggested { 10, 10, 10 + twipsAt(8460, dpi), 10 + twipsAt(5700, dpi) };
    SendMessageW(window.handle, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
}

} // namespace

TEST_CASE("The window is laid out at the resolution it starts at")
{
    const char* expected = std::getenv("EXPECTED_DPI");
    REQUIRE(expected != nullptr);
    const int dpi = std::atoi(expected);
    Window window;
    const HDC screen = GetDC(nullptr);
    CHECK(GetDeviceCaps(screen, LOGPIXELSY) == dpi);
    ReleaseDC(nullptr, screen);
    checkLayout(window, dpi);
}

TEST_CASE("Text is drawn in outline fonts: the header bold, and as wide at every resolution")
{
    const int dpi = std::atoi(std::getenv("EXPECTED_DPI"));
    Window window;
    const HWND header = window.control(labelIndex(u"Label6"));
    const std::wstring text = L"FORMATO STAMPA NECESSARI E PIXEL EQUIVALENTI";
    CHECK(platform::isOutlineFont(fontOf(header)));
    CHECK(platform::isOutlineFont(fontOf(window.control(labelIndex(u"Label1")))));
    const Ink bold = inkOf(fontOf(header), text);
    const HFONT regularFont = regularTwinOf(fontOf(header));
    const Ink regular = inkOf(regularFont, text);
    DeleteObject(regularFont);
    INFO("the header's ink " << bold.darkness << ", at regular weight " << regular.darkness);
    CHECK(bold.darkness > 1.25 * regular.darkness);

    moveToDpi(window, 96);
    const int widthAt96 = inkOf(fontOf(header), text).width;
    INFO("header " << bold.width << " pixels wide at " << dpi << " DPI, " << widthAt96 << " at 96");
    CHECK(std::abs(bold.width * 96 - widthAt96 * dpi) <= widthAt96 * dpi / 20);
}

TEST_CASE("A move to a screen of another resolution lays the window out again, leaking nothing")
{
    Window window;
    moveToDpi(window, 96);
    const int stripAt96 = tabStripHeight(window.tabControl());
    const DWORD gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 10; ++i) {
        moveToDpi(window, 192);
        checkLayout(window, 192);
        // Scaled from the height chosen at the starting resolution: within a pixel of twice.
        CHECK(std::abs(tabStripHeight(window.tabControl()) - 2 * stripAt96) <= 1);
        moveToDpi(window, 96);
        checkLayout(window, 96);
        CHECK(tabStripHeight(window.tabControl()) == stripAt96);
    }
    CHECK(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS) == gdiObjects);
}

TEST_CASE("Regional settings changed while the window is open apply from the next request")
{
    Window window;
    wchar_t saved[16] {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, saved, 16);
    REQUIRE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, L"'"));
    SendMessageW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, LPARAM(L"intl"));
    SendMessageW(window.handle, WM_SETTINGCHANGE, 0, LPARAM(L"intl"));

    const platform::ControlId button = form1::button(u"Command1");
    SendMessageW(window.handle, WM_COMMAND,
        MAKEWPARAM(firstControlId + int(button.index), BN_CLICKED),
        LPARAM(window.control(button.index)));
    wchar_t result[32] {};
    GetWindowTextW(window.control(form1::field(u"Text3").index), result, 32);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, saved);
    CHECK(std::wstring(result) == L"1'701");
}

TEST_CASE("The focus leaves with the window and comes back with it")
{
    Window window;
    ShowWindow(window.handle, SW_SHOW);
    // The user picks the tab: the tab control tells the window.
    SendMessageW(window.tabControl(), TCM_SETCURSEL, form1::PixToCm, 0);
    NMHDR picked { window.tabControl(), UINT_PTR(firstControlId - 1), UINT(TCN_SELCHANGE) };
    SendMessageW(window.handle, WM_NOTIFY, picked.idFrom, LPARAM(&picked));
    const HWND text8 = window.control(form1::field(u"Text8").index);
    REQUIRE(IsWindowVisible(text8));
    SetActiveWindow(window.handle);
    SetFocus(text8);
    REQUIRE(GetFocus() == text8);

    // Another window of the program takes the activation, as a message box or another
    // program would, and gives it back.
    const HWND other = CreateWindowExW(0, L"STATIC", L"altra", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    CHECK(GetFocus() != text8);
    SetActiveWindow(window.handle);
    CHECK(GetFocus() == text8);
    DestroyWindow(other);
}
