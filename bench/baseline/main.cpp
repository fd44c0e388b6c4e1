// SPDX-License-Identifier: MIT
// The least a Qt Widgets program can show: an empty window with the program's caption and
// size. Start-up is measured against it. With --text it also shows one line of text, which
// is what it costs to bring up the font system at all.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    if (QCoreApplication::arguments().contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("FORMATO STAMPA"), &window))->move(32, 8);
    window.setWindowTitle(QStringLiteral("CONVERTITORE PIXEL CM PER STAMPE"));
    window.setFixedSize(564, 380);
    window.show();
    return application.exec();
}
