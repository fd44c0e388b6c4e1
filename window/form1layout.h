// SPDX-License-Identifier: MIT
#pragma once

#include "platform/form/windowdescription.h"

#include <array>
#include <string_view>

// The window Form1 as it is before any code runs: its controls, texts, geometry in twips,
// fonts, tabs and focus order.
namespace form1 {

using platform::ControlDescription;
using platform::OnWindow;
using enum platform::ControlKind;

inline constexpr platform::FontDescription WindowFont { u"MS Sans Serif", 8, false };
inline constexpr platform::FontDescription HeaderFont { u"MS Sans Serif", 12, true };

inline constexpr int CmToPix = 0;
inline constexpr int PixToCm = 1;

inline constexpr std::array<std::u16string_view, 2> TabCaptions { u"Cm -> Pix", u"Pix -> Cm" };
inline constexpr std::array<std::u16string_view, 2> SpokenTabCaptions { u"Da centimetri a pixel",
    u"Da pixel a centimetri" };

// clang-format off
inline constexpr std::array<ControlDescription, 23> Controls { {
    // name        kind           container  left   top  width height   text                           focus  caption of
    { u"Label6",   Label,         OnWindow, { 480,  120, 7455,  495 }, u"FORMATO STAMPA NECESSARI E PIXEL EQUIVALENTI", 0, {}, {}, &HeaderFont },

    { u"Label1",   Label,         CmToPix,  { 120, 1200,  855,  255 }, u"Dim Oriz.",                   12, u"Text1" },
    { u"Text1",    TextBox,       CmToPix,  { 960, 1200, 1695,  285 }, u"18",                           7 },
    { u"Label2",   Label,         CmToPix,  { 120, 1560,  855,  255 }, u"Dim Vert",                    11, u"Text2" },
    { u"Text2",    TextBox,       CmToPix,  { 960, 1560, 1695,  285 }, u"13",                           6 },
    { u"Label3",   Label,         CmToPix,  { 120, 1920,  735,  255 }, u"DPI",                         10, u"Combo1" },
    { u"Combo1",   ComboBox,      CmToPix,  { 960, 1920, 1695,  315 }, u"240",                          5 },
    { u"Command1", CommandButton, CmToPix,  {2760, 1200, 1575, 1095 }, u"CALCOLA",                      4, {}, u"Calcola i pixel necessari per la stampa" },
    { u"Label4",   Label,         CmToPix,  { 120, 2520, 2055,  255 }, u"Pixel orizzontali necessari",  9, u"Text3" },
    { u"Text3",    TextBox,       CmToPix,  {2040, 2520, 2175,  285 }, u"0",                            3 },
    { u"Label5",   Label,         CmToPix,  { 120, 2880, 2055,  255 }, u"Pixel verticali necessari",    8, u"Text4" },
    { u"Text4",    TextBox,       CmToPix,  {2040, 2880, 2175,  285 }, u"0",                            2 },

    { u"Label11",  Label,         PixToCm,  { 120, 1080,  855,  255 }, u"Pix Oriz.",                   23, u"Text8" },
    { u"Text8",    TextBox,       PixToCm,  { 960, 1080, 1695,  285 }, u"3888",                        18 },
    { u"Label10",  Label,         PixToCm,  { 120, 1440,  855,  255 }, u"Pix Vert",                    22, u"Text7" },
    { u"Text7",    TextBox,       PixToCm,  { 960, 1440, 1695,  285 }, u"2592",                        17 },
    { u"Label9",   Label,         PixToCm,  { 120, 1800,  735,  255 }, u"DPI",                         21, u"Combo2" },
    { u"Combo2",   ComboBox,      PixToCm,  { 960, 1800, 1695,  315 }, u"240",                         16 },
    { u"Command2", CommandButton, PixToCm,  {2760, 1080, 1575, 1095 }, u"CALCOLA",                     15, {}, u"Calcola il formato di stampa in centimetri" },
    { u"Label8",   Label,         PixToCm,  { 120, 2400, 2055,  255 }, u"Cm Orizzontali",              20, u"Text6" },
    { u"Text6",    TextBox,       PixToCm,  {2040, 2400, 2175,  285 }, u"0",                           14 },
    { u"Label7",   Label,         PixToCm,  { 120, 2760, 2055,  255 }, u"Cm Verticali",                19, u"Text5" },
    { u"Text5",    TextBox,       PixToCm,  {2040, 2760, 2175,  285 }, u"0",                           13 },
} };
// clang-format on

inline constexpr platform::WindowDescription Layout {
    u"CONVERTITORE PIXEL CM PER STAMPE",
    8460,
    5700,
    { u"SSTab1", { 480, 720, 7455, 4575 }, TabCaptions, SpokenTabCaptions, PixToCm, 1 },
    Controls,
    WindowFont,
};

// Controls by name, checked while compiling: a field whose text is read or written, a combo
// box whose list is filled, a button whose click is bound.
consteval platform::ControlId field(std::u16string_view name)
{
    return platform::findControl(Controls, name, { TextBox, ComboBox });
}
consteval platform::ControlId comboBox(std::u16string_view name)
{
    return platform::findControl(Controls, name, { ComboBox });
}
consteval platform::ControlId button(std::u16string_view name)
{
    return platform::findControl(Controls, name, { CommandButton });
}

} // namespace form1
