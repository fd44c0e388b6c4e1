// SPDX-License-Identifier: MIT
// Reference windows that start-up is measured against, with the program's caption and size:
//     baseline_window           an empty window, the least a Qt Widgets program can show;
//     baseline_window --text    the same with one line of text (the font system at all);
//     baseline_window --plain   the program's window written plainly: the same controls, texts
//                               and places in a QTabWidget, default fonts, no icon.
#include "window/form1layout.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

namespace {

QString text(std::u16string_view view)
{
    return QString::fromUtf16(view.data(), qsizetype(view.size()));
}

QRect pixels(const platform::TwipsRect& twips)
{
    constexpr int perPixel = platform::TwipsPerPixel;
    return QRect(twips.left / perPixel, twips.top / perPixel, twips.width / perPixel,
        twips.height / perPixel);
}

void buildPlainly(QWidget& window)
{
    const platform::WindowDescription& layout = form1::Layout;
    auto* tabs = new QTabWidget(&window);
    tabs->setGeometry(pixels(layout.tabControl.geometry));
    QList<QWidget*> pages;
    for (std::size_t i = 0; i < layout.tabControl.captions.size(); ++i)
        pages.append(new QWidget);
    for (const platform::ControlDescription& control : layout.controls) {
        QWidget* parent = control.tab == platform::OnWindow ? &window : pages[control.tab];
        QWidget* widget = nullptr;
        switch (control.kind) {
        case platform::ControlKind::Label:
            widget = new QLabel(text(control.text), parent);
            break;
        case platform::ControlKind::TextBox:
            widget = new QLineEdit(text(control.text), parent);
            break;
        case platform::ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            combo->setEditText(text(control.text));
            widget = combo;
            break;
        }
        case platform::ControlKind::CommandButton:
            widget = new QPushButton(text(control.text), parent);
            break;
        }
        QRect place = pixels(control.geometry);
        if (control.tab != platform::OnWindow)
            place.translate(0, -tabs->tabBar()->sizeHint().height());
        widget->setGeometry(place);
    }
    for (int i = 0; i < pages.size(); ++i)
        tabs->addTab(pages[i], text(layout.tabControl.captions[std::size_t(i)]));
    tabs->setCurrentIndex(layout.tabControl.initialTab);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("FORMATO STAMPA"), &window))->move(32, 8);
    if (arguments.contains(QStringLiteral("--plain")))
        buildPlainly(window);
    window.setWindowTitle(QStringLiteral("CONVERTITORE PIXEL CM PER STAMPE"));
    window.setFixedSize(564, 380);
    window.show();
    return application.exec();
}
