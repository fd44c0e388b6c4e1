// SPDX-License-Identifier: MIT
#include "platform/gui/eventdispatch.h"

#include "platform/failuremessage.h"
#include "platform/runtimeerror.h"

#include <QMessageBox>
#include <QWidget>
#include <exception>

namespace platform {

namespace {

void reportFailure(QWidget* window, const QString& message)
{
    // Window-modal and not blocking: the click returns at once, and nothing can be clicked
    // in the window until the user has read the message.
    auto* box = new QMessageBox(
        QMessageBox::Warning, window->windowTitle(), message, QMessageBox::Ok, window);
    box->setObjectName(QStringLiteral("failureMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->open();
}

} // namespace

void deliverEvent(QWidget* window, const std::function<void()>& procedure)
{
    try {
        procedure();
    } catch (const RuntimeError& error) {
        reportFailure(window, failureMessage(error));
    } catch (const std::exception&) {
        reportFailure(window, failureMessage());
    }
}

} // namespace platform
