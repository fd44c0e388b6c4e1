// SPDX-License-Identifier: MIT
#include "platform/qt/formwindow.h"

#include "platform/form/eventdispatch.h"
#include "platform/qt/controltext.h"
#include "platform/qt/programicon.h"
#include "platform/qt/qtext.h"
#include "platform/qt/windowbuilder.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

namespace platform {

namespace {

void reportFailure(QWidget* window, std::u16string_view message)
{
    // Window-modal and not blocking: the click returns at once, and nothing can be clicked
    // in the window until the user has read the message.
    auto* box = new QMessageBox(
        QMessageBox::Warning, window->windowTitle(), toQString(message), QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("failureMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace

FormWindow::FormWindow(
    const WindowDescription& description, const FormFactory& createForm, QWidget* parent)
    : QWidget(parent)
    , m_controls(buildWindow(*this, description))
    , m_events(createForm(*this))
{
    for (const auto& [button, procedure] : m_events.clicks) {
        connect(qobject_cast<QAbstractButton*>(control(button)), &QAbstractButton::clicked, this,
            [this, procedure] {
                const std::u16string_view failure = runProcedure(procedure);
                if (!failure.empty())
                    reportFailure(this, failure);
            });
    }
}

std::u16string FormWindow::text(ControlId control) const
{
    return controlText(this->control(control)).toStdU16String();
}

void FormWindow::setText(ControlId control, std::u16string_view text)
{
    setControlText(this->control(control), toQString(text));
}

void FormWindow::appendListEntry(ControlId comboBox, std::u16string_view entry)
{
    platform::appendListEntry(control(comboBox), toQString(entry));
}

void FormWindow::raiseLoad()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (const std::u16string_view failure = runProcedure(m_events.load); !failure.empty())
        reportFailure(this, failure);
}

// Decoding the icon set costs as much as a fifth of the start: it comes right after the
// window's first paint, which the user waits for, and before anything else can happen.
void FormWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    QTimer::singleShot(0, this, [this] { setWindowIcon(programIcon()); });
}

void showForm(FormWindow& form)
{
    form.raiseLoad();
    form.show();
}

} // namespace platform
