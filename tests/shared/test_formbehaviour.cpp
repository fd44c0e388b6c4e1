// SPDX-License-Identifier: MIT
#include "platform/form/failuremessage.h"
#include "platform/form/formbehaviour.h"
#include "platform/numbers/runtimeerror.h"
#include "testsupport.h"

#include <array>
#include <vector>

using namespace platform;

namespace {

constexpr std::array<std::u16string_view, 2> captions { u"Uno", u"Due" };
// Focus orders out of table order, a control on the window, labels that caption or not.
constexpr std::array<ControlDescription, 7> controls { {
    { u"Second", ControlKind::TextBox, 0, {}, {}, 3 },
    { u"First", ControlKind::TextBox, 0, {}, {}, 1 },
    { u"FirstLabel", ControlKind::Label, 0, {}, u"Primo", 2, u"First" },
    { u"Other", ControlKind::ComboBox, 1, {}, {}, 1 },
    { u"Go", ControlKind::CommandButton, OnWindow, {}, {}, 5 },
    { u"Heading", ControlKind::Label, OnWindow, {}, u"Titolo", 0 },
    { u"OtherLabel", ControlKind::Label, 1, {}, u"Altro", 0, u"Other" },
} };
const WindowDescription window { u"Finestra", 0, 0, { u"Tabs", {}, captions, captions, 0, 2 },
    controls, {} };

FocusStop strip()
{
    return {};
}
FocusStop control(std::size_t index)
{
    return { ControlId { index } };
}

} // namespace

TEST_CASE("The focus chain follows the focus order, over what the front tab shows")
{
    const struct {
        const char* tag;
        std::optional<int> tab;
        std::vector<FocusStop> chain;
    } rows[] = {
        { "first tab", 0, { control(1), strip(), control(0), control(4) } },
        { "second tab", 1, { control(3), strip(), control(4) } },
        { "every tab", std::nullopt, { control(1), control(3), strip(), control(0), control(4) } },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK(focusChain(window, row.tab) == row.chain);
    }
}

TEST_CASE("Tab and Shift+Tab go round the chain")
{
    const std::vector<FocusStop> chain = focusChain(window, 0);
    const struct {
        const char* tag;
        std::optional<FocusStop> from;
        bool backwards;
        FocusStop to;
    } rows[] = {
        { "forwards", control(1), false, strip() },
        { "backwards", strip(), true, control(1) },
        { "past the last", control(4), false, control(1) },
        { "before the first", control(1), true, control(4) },
        { "from nowhere", std::nullopt, false, control(1) },
        { "from a hidden tab", control(3), true, control(1) },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK(nextFocusStop(chain, row.from, row.backwards) == row.to);
    }
}

TEST_CASE("A control is named by the label that captions it")
{
    CHECK(labelOf(window, ControlId { 1 })->index == 2);
    CHECK(labelOf(window, ControlId { 3 })->index == 6);
    CHECK_FALSE(labelOf(window, ControlId { 0 }).has_value());
    CHECK_FALSE(labelOf(window, ControlId { 4 }).has_value());
}

TEST_CASE("Ctrl with Tab, PgDn or PgUp switches tabs round the ends")
{
    using enum NavigationKey;
    const struct {
        const char* tag;
        int front, count;
        NavigationKey key;
        bool control, shift;
        int next;
    } rows[] = {
        { "ctrl+tab", 0, 2, Tab, true, false, 1 },
        { "ctrl+tab at the end", 1, 2, Tab, true, false, 0 },
        { "ctrl+shift+tab", 0, 3, Tab, true, true, 2 },
        { "ctrl+pgdn", 1, 3, PageDown, true, false, 2 },
        { "ctrl+pgup", 0, 2, PageUp, true, false, 1 },
        { "tab alone", 0, 2, Tab, false, false, 0 },
        { "pgdn alone", 0, 2, PageDown, false, false, 0 },
        { "another key", 0, 2, Other, true, false, 0 },
        { "one tab", 0, 1, Tab, true, false, 0 },
    };
    for (const auto& row : rows) {
        INFO(std::string_view(row.tag));
        CHECK(tabAfterKey(row.front, row.count, row.key, row.control, row.shift) == row.next);
    }
}

TEST_CASE("Each failure has its own message")
{
    CHECK(failureMessage(RuntimeError(RuntimeError::Kind::DivisionByZero))
        == u"Impossibile calcolare: la risoluzione non può essere zero.");
    CHECK(failureMessage(RuntimeError(RuntimeError::Kind::Overflow))
        == u"Impossibile calcolare: il numero è troppo grande.");
}
