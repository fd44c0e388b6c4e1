// SPDX-License-Identifier: MIT
#include "platform/web/pagedescription.h"

#include "platform/form/formbehaviour.h"
#include "platform/numbers/utf8.h"

#include <cstdio>

namespace platform {

namespace {

// A JSON text: quotes, backslashes and control characters escaped, the rest as UTF-8.
std::string quoted(std::u16string_view text)
{
    std::string result = "\"";
    for (const char c : utf8FromUtf16(text)) {
        if (c == '"' || c == '\\') {
            result += '\\';
            result += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            result += escaped;
        } else {
            result += c;
        }
    }
    return result + '"';
}

std::string number(int value)
{
    return std::to_string(value);
}

// The page lays the window out in CSS pixels, 96 to the inch.
std::string pixels(const TwipsRect& rect)
{
    const PixelRect box = pixelsAt(rect, LogicalDpi);
    return "{\"left\":" + number(box.left) + ",\"top\":" + number(box.top)
        + ",\"width\":" + number(box.width) + ",\"height\":" + number(box.height) + "}";
}

std::string describeFont(const FontDescription& font)
{
    return "{\"family\":" + quoted(font.family) + ",\"pointSize\":" + number(font.pointSize)
        + ",\"bold\":" + (font.bold ? "true" : "false") + "}";
}

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "\"label\"";
    case ControlKind::TextBox:
        return "\"textbox\"";
    case ControlKind::ComboBox:
        return "\"combobox\"";
    case ControlKind::CommandButton:
        return "\"button\"";
    }
    return "\"label\"";
}

template<class Items, class Write>
std::string list(const Items& items, Write write)
{
    std::string result = "[";
    for (const auto& item : items) {
        if (result.size() > 1)
            result += ',';
        result += write(item);
    }
    return result + "]";
}

std::string tabControl(const WindowDescription& description)
{
    const TabControlDescription& tabs = description.tabControl;
    std::vector<int> indexes;
    for (std::size_t i = 0; i < tabs.captions.size(); ++i)
        indexes.push_back(int(i));
    const auto chain = [&](int tab) {
        return list(focusChain(description, tab), [](const FocusStop& stop) {
            return number(stop.isTabStrip() ? -1 : int(stop.control->index));
        });
    };
    return "{\"name\":" + quoted(tabs.name) + ",\"box\":" + pixels(tabs.geometry)
        + ",\"initialTab\":" + number(tabs.initialTab) + ",\"captions\":"
        + list(tabs.captions, quoted) + ",\"spokenCaptions\":" + list(tabs.spokenCaptions, quoted)
        + ",\"focusChains\":" + list(indexes, chain) + "}";
}

std::string control(const WindowDescription& description, std::size_t index)
{
    const ControlDescription& control = description.controls[index];
    const std::optional<ControlId> label = labelOf(description, ControlId { index });
    std::string result = "{\"name\":" + quoted(control.name) + ",\"kind\":" + kindName(control.kind)
        + ",\"tab\":" + number(control.tab) + ",\"box\":" + pixels(control.geometry) + ",\"text\":"
        + quoted(control.text) + ",\"description\":" + quoted(control.accessibleDescription)
        + ",\"label\":" + number(label ? int(label->index) : -1);
    if (control.font)
        result += ",\"font\":" + describeFont(*control.font);
    return result + "}";
}

} // namespace

std::string describeForPage(const WindowDescription& description)
{
    std::vector<std::size_t> indexes;
    for (std::size_t i = 0; i < description.controls.size(); ++i)
        indexes.push_back(i);
    return "{\"caption\":" + quoted(description.caption)
        + ",\"width\":" + number(pixelsAt(description.clientWidth, LogicalDpi))
        + ",\"height\":" + number(pixelsAt(description.clientHeight, LogicalDpi)) + ",\"font\":"
        + describeFont(description.font) + ",\"tabControl\":" + tabControl(description)
        + ",\"controls\":" + list(indexes, [&](std::size_t i) { return control(description, i); })
        + "}";
}

} // namespace platform
