// SPDX-License-Identifier: MIT
#include "platform/web/markup/pagemarkup.h"

#include "platform/form/formbehaviour.h"
#include "platform/numbers/utf8.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace platform {

namespace {

// A display set to 125 %, as most Windows laptops are: the window's twips at 120 pixels to the
// inch, where every field is at least 24 pixels tall, and so is every other target (WCAG 2.2's
// least target size) where the desktops draw a narrower one (a DPI box's drop-down button).
constexpr int ScaledDpi = 120;
constexpr int LeastTargetSize = 24;

// No person types more than the Windows edit control takes by default; a longer paste would
// keep the tab busy for seconds on every click.
constexpr int MaxTypedLength = 32767;

// A text or an attribute's value in HTML.
std::string escaped(std::u16string_view text)
{
    std::string result;
    for (const char c : utf8FromUtf16(text)) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string decimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string cssFont(const FontDescription& font, int dpi)
{
    return std::string(font.bold ? "bold " : "")
        + decimal(font.pointSize * double(dpi) / LogicalDpi) + "pt \"" + escaped(font.family)
        + "\", \"DejaVu Sans\", \"Liberation Sans\", Arial, sans-serif";
}

// What a container of the page holds, in the order of its elements: a control's index, or the
// tab control.
constexpr int TabControlItem = -1;

struct Arrangement {
    std::vector<int> window;
    std::vector<std::vector<int>> tabs;
};

// The elements of each container in the window's focus order, then a tab's labels; those of
// the window before or after the tab control as the order of the tab in front at start says.
// The window's own labels (its header) come first: a screen reader reads the header first, as
// the eye does, and a phone shows it first.
Arrangement arrange(const WindowDescription& window)
{
    const auto onWindow = [&](const FocusStop& stop) {
        return !stop.isTabStrip() && window.controls[stop.control->index].tab == OnWindow;
    };
    Arrangement result;
    bool afterStrip = false;
    for (const FocusStop& stop : focusChain(window, window.tabControl.initialTab)) {
        if (stop.isTabStrip() && !afterStrip) {
            result.window.push_back(TabControlItem);
            afterStrip = true;
        } else if (onWindow(stop)) {
            result.window.push_back(int(stop.control->index));
        }
    }
    for (std::size_t tab = 0; tab < window.tabControl.captions.size(); ++tab) {
        result.tabs.emplace_back();
        for (const FocusStop& stop : focusChain(window, int(tab))) {
            if (!stop.isTabStrip() && !onWindow(stop))
                result.tabs.back().push_back(int(stop.control->index));
        }
    }
    std::vector<int> windowLabels;
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlDescription& control = window.controls[i];
        if (control.kind == ControlKind::Label)
            (control.tab == OnWindow ? windowLabels : result.tabs[control.tab]).push_back(int(i));
    }
    result.window.insert(result.window.begin(), windowLabels.begin(), windowLabels.end());
    return result;
}

// The element that stands at a control's place: a DPI box's frame holds its field.
std::string placedId(const WindowDescription& window, int item)
{
    if (item == TabControlItem)
        return escaped(window.tabControl.name);
    const ControlDescription& control = window.controls[item];
    return escaped(control.name) + (control.kind == ControlKind::ComboBox ? "-box" : "");
}

TwipsRect geometryOf(const WindowDescription& window, int item)
{
    return item == TabControlItem ? window.tabControl.geometry : window.controls[item].geometry;
}

// A phone's order of a container's elements, the one the eye reads them in on the window: by
// where they end, then where they start. A label ends just above its field's end, and a button
// as tall as the fields beside it comes after them, before the results under them.
std::vector<int> readingOrder(const WindowDescription& window, std::vector<int> items)
{
    std::stable_sort(items.begin(), items.end(), [&](int a, int b) {
        const PixelRect first = pixelsAt(geometryOf(window, a), LogicalDpi);
        const PixelRect second = pixelsAt(geometryOf(window, b), LogicalDpi);
        const int firstBottom = first.top + first.height;
        const int secondBottom = second.top + second.height;
        return firstBottom != secondBottom ? firstBottom < secondBottom : first.left < second.left;
    });
    return items;
}

std::string fieldAttributes(const ControlDescription& control)
{
    // Every field is a number: a decimal keypad on a phone, and the text kept as typed.
    return " type=\"text\" value=\"" + escaped(control.text)
        + "\" inputmode=\"decimal\" autocomplete=\"off\" spellcheck=\"false\" "
          "autocapitalize=\"off\" autocorrect=\"off\" maxlength=\""
        + std::to_string(MaxTypedLength) + "\"";
}

std::string controlMarkup(
    const WindowDescription& window, int index, const std::vector<std::optional<int>>& captioned)
{
    const ControlDescription& control = window.controls[index];
    const std::string name = escaped(control.name);
    const std::string identity
        = " id=\"" + name + "\" data-control=\"" + std::to_string(index) + "\"";
    const std::string described = control.accessibleDescription.empty()
        ? std::string()
        : " aria-describedby=\"" + name + "-description\"";
    switch (control.kind) {
    case ControlKind::Label:
        // A label on the window that captions no field is the window's header: the page's
        // heading.
        if (!captioned[index] && control.tab == OnWindow)
            return "<h1" + identity + " class=\"label\">" + escaped(control.text) + "</h1>";
        return "<label" + identity + " class=\"label\""
            + (captioned[index]
                    ? " for=\"" + escaped(window.controls[*captioned[index]].name) + "\""
                    : std::string())
            + ">" + escaped(control.text) + "</label>";
    case ControlKind::TextBox:
        return "<input" + identity + " class=\"textbox\"" + fieldAttributes(control) + described
            + ">";
    case ControlKind::ComboBox:
        // The list's entries are the program's to fill; the drop-down button is no Tab stop, as
        // on the desktops, and its name says what it does.
        return "<div id=\"" + name + "-box\" class=\"combobox\"><input" + identity
            + " class=\"field\"" + fieldAttributes(control) + described
            + " role=\"combobox\" aria-autocomplete=\"none\" aria-controls=\"" + name
            + "-list\" aria-expanded=\"false\"><button type=\"button\" id=\"" + name
            + "-button\" class=\"dropdown\" tabindex=\"-1\" aria-label=\"Mostra elenco\"></button>"
              "<ul id=\""
            + name + "-list\" class=\"dropdown-list\" role=\"listbox\" hidden></ul></div>";
    case ControlKind::CommandButton:
        return "<button type=\"button\"" + identity + " class=\"button\"" + described + ">"
            + escaped(control.text) + "</button>";
    }
    return {};
}

std::string tabControlMarkup(const WindowDescription& window, const Arrangement& arrangement,
    const std::vector<std::optional<int>>& captioned)
{
    const TabControlDescription& tabs = window.tabControl;
    std::string strip = "<div class=\"tablist\" role=\"tablist\">";
    std::string panels;
    for (std::size_t i = 0; i < tabs.captions.size(); ++i) {
        const std::string number = std::to_string(i);
        const bool front = int(i) == tabs.initialTab;
        // Named by the caption shown, which a speech-input user says; the spoken words are its
        // description, and its tooltip.
        strip += "<button type=\"button\" class=\"tab\" id=\"tab-" + number
            + "\" role=\"tab\" aria-controls=\"panel-" + number + "\" aria-selected=\""
            + (front ? "true" : "false") + "\" tabindex=\"" + (front ? "0" : "-1") + "\""
            + (i < tabs.spokenCaptions.size() ? " title=\"" + escaped(tabs.spokenCaptions[i]) + "\""
                                              : std::string())
            + ">" + escaped(tabs.captions[i]) + "</button>";
        panels += "<div class=\"panel\" id=\"panel-" + number
            + "\" role=\"tabpanel\" aria-labelledby=\"tab-" + number + "\""
            + (front ? "" : " hidden") + ">\n";
        for (const int item : arrangement.tabs[i])
            panels += controlMarkup(window, item, captioned) + "\n";
        panels += "</div>\n";
    }
    return "<div class=\"tabs\" id=\"" + escaped(tabs.name) + "\">\n<div class=\"tabbody\"></div>\n"
        + strip + "</div>\n" + panels + "</div>";
}

// For each label, the control it captions.
std::vector<std::optional<int>> captionedControls(const WindowDescription& window)
{
    std::vector<std::optional<int>> captioned(window.controls.size());
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (const std::optional<ControlId> label = labelOf(window, ControlId { i }))
            captioned[label->index] = int(i);
    }
    return captioned;
}

std::string px(int value)
{
    return std::to_string(value) + "px";
}

std::string placeRules(const WindowDescription& window, const Arrangement& arrangement, int dpi)
{
    std::string rules = "#window{--scale:" + decimal(double(dpi) / LogicalDpi)
        + ";--width:" + px(pixelsAt(window.clientWidth, dpi))
        + ";--height:" + px(pixelsAt(window.clientHeight, dpi)) + "}\n";
    // The window's font is the failure box's too, as the system's message box is the desktop's.
    rules += "#window,#failure{font:" + cssFont(window.font, dpi) + "}\n";
    std::vector<std::vector<int>> containers { arrangement.window };
    containers.insert(containers.end(), arrangement.tabs.begin(), arrangement.tabs.end());
    for (const std::vector<int>& container : containers) {
        const std::vector<int> phoneOrder = readingOrder(window, container);
        for (const int item : container) {
            const PixelRect box = pixelsAt(geometryOf(window, item), dpi);
            const auto order
                = std::find(phoneOrder.begin(), phoneOrder.end(), item) - phoneOrder.begin();
            rules += "#" + placedId(window, item) + "{--left:" + px(box.left)
                + ";--top:" + px(box.top) + ";--width:" + px(box.width)
                + ";--height:" + px(box.height) + ";--order:" + std::to_string(order);
            if (item != TabControlItem && window.controls[item].font)
                rules += ";--font:" + cssFont(*window.controls[item].font, dpi);
            rules += "}\n";
        }
    }
    return rules;
}

} // namespace

std::string pageTitle(const WindowDescription& window)
{
    return escaped(window.caption);
}

std::string windowMarkup(const WindowDescription& window)
{
    const Arrangement arrangement = arrange(window);
    const std::vector<std::optional<int>> captioned = captionedControls(window);
    std::string markup = "<div id=\"window\">\n";
    for (const int item : arrangement.window) {
        markup += item == TabControlItem ? tabControlMarkup(window, arrangement, captioned)
                                         : controlMarkup(window, item, captioned);
        markup += "\n";
    }
    markup += "</div>\n";
    for (const ControlDescription& control : window.controls) {
        if (!control.accessibleDescription.empty()) {
            markup += "<span id=\"" + escaped(control.name)
                + "-description\" class=\"description\">" + escaped(control.accessibleDescription)
                + "</span>\n";
        }
    }
    return markup;
}

std::string windowPlaces(const WindowDescription& window)
{
    const Arrangement arrangement = arrange(window);
    return placeRules(window, arrangement, LogicalDpi) + "@media (min-width: "
        + px(pixelsAt(window.clientWidth, ScaledDpi)) + ") {\n" + "#window{--target:"
        + px(LeastTargetSize) + "}\n" + placeRules(window, arrangement, ScaledDpi) + "}\n";
}

std::string phoneScreen(const WindowDescription& window)
{
    const std::string below = decimal(pixelsAt(window.clientWidth, LogicalDpi) - 0.02) + "px";
    return "(max-width: " + below + "), (pointer: coarse) and (max-height: " + below + ")";
}

} // namespace platform
