// SPDX-License-Identifier: MIT
#include "platform/startprogram.h"

#include "platform/qt/formwindow.h"
#include "platform/qt/qtext.h"
#include "platform/qt/qtregionalsettings.h"

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

int runProgram(int& argc, char** argv, const ProgramIdentity& identity,
    const WindowDescription& layout, const FormFactory& createForm)
{
    QCoreApplication::setApplicationName(toQString(identity.name));
    QCoreApplication::setApplicationVersion(toQString(identity.version));
    QGuiApplication::setDesktopFileName(toQString(identity.desktopFileName));
    programName = argc > 0 ? argv[0] : "convertitore-pixel-cm";
    defaultHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(defaultHandler);

    setCurrentRegionalSettings(userRegionalSettings());
    FormWindow form(layout, createForm);
    showForm(form);
    return application.exec();
}

} // namespace platform
