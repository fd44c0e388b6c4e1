// SPDX-License-Identifier: MIT
#include "platform/gui/startprogram.h"

#include "platform/gui/formwindow.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

QtMessageHandler defaultHandler = nullptr;
const char* programName = "";

// Qt gives up with a fatal message, and so a core dump, when it finds no display.
void startupMessageHandler(
    QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (defaultHandler)
            defaultHandler(type, context, message);
        return;
    }
    std::fprintf(stderr,
        "%s: impossibile aprire la finestra: nessun display grafico disponibile.\n"
        "Avviare il programma in una sessione grafica (DISPLAY non impostato o non "
        "valido).\n",
        programName);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

void showForm(FormWindow& form)
{
    form.raiseLoad();
    form.show();
}

int runProgram(int& argc, char** argv, const ProgramIdentity& identity,
    const std::function<std::unique_ptr<FormWindow>()>& createForm)
{
    QCoreApplication::setApplicationName(identity.name.toString());
    QCoreApplication::setApplicationVersion(identity.version.toString());
    QGuiApplication::setDesktopFileName(identity.desktopFileName.toString());
    programName = argc > 0 ? argv[0] : "convertitore-pixel-cm";
    defaultHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(defaultHandler);

    const std::unique_ptr<FormWindow> form = createForm();
    showForm(*form);
    return application.exec();
}

} // namespace platform
