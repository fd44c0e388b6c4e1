// SPDX-License-Identifier: MIT
#include "platform/form/startprogram.h"

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
// What Qt said of the display or the platform plugin before it gave up.
QByteArray lastPlatformWarning;

bool displayNamed()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Qt gives up with a fatal message, and so a core dump, when it can open no window: the user is
// told what failed, no display at all or a display the platform plugin cannot use.
void startupMessageHandler(
    QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (QByteArrayView(context.category ? context.category : "").startsWith("qt.qpa"))
            lastPlatformWarning = message.toLocal8Bit();
        if (defaultHandler)
            defaultHandler(type, context, message);
        return;
    }
    if (!displayNamed()) {
        std::fprintf(stderr,
            "%s: impossibile aprire la finestra: nessun display grafico disponibile.\n"
            "Avviare il programma in una sessione grafica (DISPLAY non impostato).\n",
            programName);
    } else {
        std::fprintf(stderr,
            "%s: impossibile aprire la finestra: il plugin della piattaforma grafica non si "
            "carica o non raggiunge il display.\n%s\n",
            programName,
            (lastPlatformWarning.isEmpty() ? message.toLocal8Bit() : lastPlatformWarning)
                .constData());
    }
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
