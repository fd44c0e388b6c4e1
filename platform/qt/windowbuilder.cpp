// SPDX-License-Identifier: MIT
#include "platform/qt/windowbuilder.h"

#include "platform/form/formbehaviour.h"
#include "platform/qt/accessibleform.h"
#include "platform/qt/commandbutton.h"
#include "platform/qt/qtext.h"
#include "platform/qt/tabcontrol.h"
#include "platform/qt/textfit.h"
#include "platform/form/windowdescription.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace platform {

namespace {

// The room QLineEdit keeps between its frame and its text, on each side.
constexpr int lineEditHorizontalMargin = 2;
constexpr int lineEditVerticalMargin = 1;

// Qt scales logical pixels to the screen itself.
QRect toPixels(const TwipsRect& twips)
{
    const PixelRect pixels = pixelsAt(twips, LogicalDpi);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

QWidget* createControl(const ControlDescription& description, QWidget* parent)
{
    const QString text = toQString(description.text);
    switch (description.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    }
    case ControlKind::TextBox: {
        auto* textBox = new QLineEdit(text, parent);
        textBox->setMaxLength(INT_MAX);
        return textBox;
    }
    case ControlKind::ComboBox: {
        auto* comboBox = new QComboBox(parent);
        comboBox->setEditable(true);
        comboBox->setInsertPolicy(QComboBox::NoInsert);
        // The edit part keeps exactly what is typed: no completion from the list, inline or
        // in a popup.
        comboBox->setCompleter(nullptr);
        comboBox->lineEdit()->setMaxLength(INT_MAX);
        comboBox->setEditText(text);
        return comboBox;
    }
    case ControlKind::CommandButton:
        return new CommandButton(text, parent);
    }
    return nullptr;
}

QFont fontFor(const FontDescription& description)
{
    const QString family = toQString(description.family);
    QFont font(QFontDatabase::families().contains(family) ? family : u"sans-serif"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(description.pointSize);
    font.setBold(description.bold);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

// A label's text is visible only up to the first input that overlaps it.
int visibleLabelWidth(const ControlDescription& label, std::span<const ControlDescription> all)
{
    const QRect box = toPixels(label.geometry);
    int width = box.width();
    for (const ControlDescription& other : all) {
        const QRect otherBox = toPixels(other.geometry);
        if (other.kind != ControlKind::Label && other.tab == label.tab && otherBox.intersects(box)
            && otherBox.left() > box.left())
            width = std::min(width, otherBox.left() - box.left());
    }
    return width;
}

QSize textRoom(const ControlDescription& description, QWidget* control,
    std::span<const ControlDescription> all)
{
    QStyle* style = control->style();
    const QSize size = control->size();
    switch (description.kind) {
    case ControlKind::Label:
        return QSize(visibleLabelWidth(description, all), size.height());
    case ControlKind::TextBox: {
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
        return size
            - QSize(2 * (frame + lineEditHorizontalMargin), 2 * (frame + lineEditVerticalMargin));
    }
    case ControlKind::ComboBox: {
        QStyleOptionComboBox option;
        option.initFrom(control);
        option.editable = true;
        option.frame = true;
        const QRect field = style->subControlRect(
            QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, control);
        return field.size() - QSize(2 * lineEditHorizontalMargin, 2 * lineEditVerticalMargin);
    }
    case ControlKind::CommandButton: {
        QStyleOptionButton option;
        option.initFrom(control);
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, control);
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, control).size()
            - QSize(margin, margin);
    }
    }
    return size;
}

// The window's focus order; the focus starts on its first stop.
void placeInFocusOrder(const WindowDescription& description, QWidget* tabControl,
    const std::vector<QWidget*>& controls)
{
    std::vector<QWidget*> chain;
    for (const FocusStop& stop : focusChain(description))
        chain.push_back(stop.isTabStrip() ? tabControl : controls[stop.control->index]);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    if (!chain.empty())
        chain.front()->setFocus();
}

TabControl* createTabControl(QWidget& window, const TabControlDescription& tabs)
{
    auto* tabControl = new TabControl(&window);
    tabControl->setObjectName(toQString(tabs.name));
    tabControl->setGeometry(toPixels(tabs.geometry));
    for (const std::u16string_view caption : tabs.captions)
        tabControl->addPage(toQString(caption));
    // A tab keeps its caption as its name, which a speech-input user says; the spoken words
    // are its tooltip, which screen readers give as its description.
    for (std::size_t i = 0; i < tabs.spokenCaptions.size(); ++i)
        tabControl->tabBar()->setTabToolTip(int(i), toQString(tabs.spokenCaptions[i]));
    return tabControl;
}

// Tabs share the strip's width; each caption must fit its share.
QList<TextRoom> tabCaptionRooms(const TabControl& tabControl, const TabControlDescription& tabs)
{
    const int padding
        = tabControl.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabControl.tabBar());
    const int width = tabControl.width() / std::max(1, tabControl.count()) - 2 * padding;
    QList<TextRoom> rooms;
    for (const std::u16string_view caption : tabs.captions)
        rooms.append({ toQString(caption), QSize(width, tabControl.height()) });
    return rooms;
}

// Each label names the control it captions, for the keyboard and for screen readers. A combo
// box would otherwise be named by its text, and its editable part not at all.
void linkCaptions(const std::vector<QWidget*>& controls, const WindowDescription& description)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (const std::optional<ControlId> label = labelOf(description, ControlId { i })) {
            qobject_cast<QLabel*>(controls[label->index])->setBuddy(controls[i]);
            const QString name = toQString(description.controls[label->index].text);
            controls[i]->setAccessibleName(name);
            if (auto* comboBox = qobject_cast<QComboBox*>(controls[i]))
                comboBox->lineEdit()->setAccessibleName(name);
        }
    }
}

} // namespace

std::vector<QWidget*> buildWindow(QWidget& window, const WindowDescription& description)
{
    installAccessibleForm();
    window.setWindowTitle(toQString(description.caption));
    window.setFixedSize(pixelsAt(description.clientWidth, LogicalDpi),
        pixelsAt(description.clientHeight, LogicalDpi));

    const TabControlDescription& tabs = description.tabControl;
    TabControl* tabControl = createTabControl(window, tabs);
    std::vector<QWidget*> controls;
    QList<TextRoom> texts = tabCaptionRooms(*tabControl, tabs);

    for (const ControlDescription& control : description.controls) {
        QWidget* parent = control.tab == OnWindow ? &window : tabControl->page(control.tab);
        QWidget* widget = createControl(control, parent);
        widget->setObjectName(toQString(control.name));
        widget->setGeometry(toPixels(control.geometry));
        widget->setAccessibleDescription(toQString(control.accessibleDescription));
        controls.push_back(widget);

        const TextRoom text { toQString(control.text),
            textRoom(control, widget, description.controls) };
        if (control.font)
            widget->setFont(largestFittingFont(fontFor(*control.font), { text }));
        else
            texts.append(text);
        if (control.kind == ControlKind::Label)
            widget->lower();
    }
    linkCaptions(controls, description);

    // The desktop's own font stands for the window's (description.font): Qt has a default of
    // its own, as the original platform had.
    window.setFont(largestFittingFont(window.font(), texts));
    tabControl->setCurrentIndex(tabs.initialTab);
    placeInFocusOrder(description, tabControl, controls);
    return controls;
}

} // namespace platform
