// SPDX-License-Identifier: MIT
#include "formfixture.h"

#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

using namespace Qt::Literals::StringLiterals;

static QRect cursorRect(const QLineEdit* edit)
{
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
}

class TestForm1Layout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_form = startForm(); }
    void cleanup() { m_form.reset(); }

    void window();
    void deviceSize();
    void initialTexts_data();
    void initialTexts();
    void geometry_data();
    void geometry();
    void textsFit();
    void focusOrder_data();
    void focusOrder();
    void onlyTheShowingTabIsVisible();

private:
    std::unique_ptr<FormWindow> m_form;
};

void TestForm1Layout::window()
{
    QCOMPARE(m_form->windowTitle(), u"CONVERTITORE PIXEL CM PER STAMPE"_s);
    QCOMPARE(m_form->size(), QSize(564, 380));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QVERIFY(m_form->isWindow());
    // The icon comes right after the first paint.
    QTRY_VERIFY(!m_form->windowIcon().isNull());
    for (int size : { 16, 24, 32, 48, 128 })
        QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(size, size)));

    const QTabBar* tabs = tabControl(*m_form)->tabBar();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), u"Cm -> Pix"_s);
    QCOMPARE(tabs->tabText(1), u"Pix -> Cm"_s);
    QCOMPARE(tabs->currentIndex(), 1);

    const QFont header = find<QLabel>(*m_form, u"Label6"_s)->font();
    QCOMPARE(header.pointSize(), 12);
    QVERIFY(header.bold());
    QVERIFY(!header.italic() && !header.underline());

    for (const QPushButton* button : m_form->findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

// Run once as it is and once with QT_SCALE_FACTOR=2: the layout is in logical pixels, and the
// window's pixels grow with the scale.
void TestForm1Layout::deviceSize()
{
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
        ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
        : 1.0;
    QCOMPARE(m_form->devicePixelRatioF(), scale);
    QCOMPARE(m_form->grab().size(), QSize(564, 380) * scale);
    QCOMPARE(m_form->size(), QSize(564, 380));
}

void TestForm1Layout::initialTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    const QList<std::pair<QString, QString>> texts {
        { u"Label6"_s, u"FORMATO STAMPA NECESSARI E PIXEL EQUIVALENTI"_s },
        { u"Label1"_s, u"Dim Oriz."_s },
        { u"Text1"_s, u"18"_s },
        { u"Label2"_s, u"Dim Vert"_s },
        { u"Text2"_s, u"13"_s },
        { u"Label3"_s, u"DPI"_s },
        { u"Combo1"_s, u"240"_s },
        { u"Command1"_s, u"CALCOLA"_s },
        { u"Label4"_s, u"Pixel orizzontali necessari"_s },
        { u"Text3"_s, u"0"_s },
        { u"Label5"_s, u"Pixel verticali necessari"_s },
        { u"Text4"_s, u"0"_s },
        { u"Label11"_s, u"Pix Oriz."_s },
        { u"Text8"_s, u"3888"_s },
        { u"Label10"_s, u"Pix Vert"_s },
        { u"Text7"_s, u"2592"_s },
        { u"Label9"_s, u"DPI"_s },
        { u"Combo2"_s, u"240"_s },
        { u"Command2"_s, u"CALCOLA"_s },
        { u"Label8"_s, u"Cm Orizzontali"_s },
        { u"Text6"_s, u"0"_s },
        { u"Label7"_s, u"Cm Verticali"_s },
        { u"Text5"_s, u"0"_s },
    };
    for (const auto& [name, text] : texts)
        QTest::newRow(qPrintable(name)) << name << text;
}

void TestForm1Layout::initialTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    QWidget* control = find(*m_form, name);
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    else if (auto* button = qobject_cast<QPushButton*>(control))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(textOf(*m_form, name), text);
}

void TestForm1Layout::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("onTab");
    QTest::addColumn<QRect>("twips");

    const QList<std::tuple<QString, bool, QRect>> controls {
        { u"Label6"_s, false, { 480, 120, 7455, 495 } },
        { u"SSTab1"_s, false, { 480, 720, 7455, 4575 } },
        { u"Label1"_s, true, { 120, 1200, 855, 255 } },
        { u"Text1"_s, true, { 960, 1200, 1695, 285 } },
        { u"Label2"_s, true, { 120, 1560, 855, 255 } },
        { u"Text2"_s, true, { 960, 1560, 1695, 285 } },
        { u"Label3"_s, true, { 120, 1920, 735, 255 } },
        { u"Combo1"_s, true, { 960, 1920, 1695, 315 } },
        { u"Command1"_s, true, { 2760, 1200, 1575, 1095 } },
        { u"Label4"_s, true, { 120, 2520, 2055, 255 } },
        { u"Text3"_s, true, { 2040, 2520, 2175, 285 } },
        { u"Label5"_s, true, { 120, 2880, 2055, 255 } },
        { u"Text4"_s, true, { 2040, 2880, 2175, 285 } },
        { u"Label11"_s, true, { 120, 1080, 855, 255 } },
        { u"Text8"_s, true, { 960, 1080, 1695, 285 } },
        { u"Label10"_s, true, { 120, 1440, 855, 255 } },
        { u"Text7"_s, true, { 960, 1440, 1695, 285 } },
        { u"Label9"_s, true, { 120, 1800, 735, 255 } },
        { u"Combo2"_s, true, { 960, 1800, 1695, 315 } },
        { u"Command2"_s, true, { 2760, 1080, 1575, 1095 } },
        { u"Label8"_s, true, { 120, 2400, 2055, 255 } },
        { u"Text6"_s, true, { 2040, 2400, 2175, 285 } },
        { u"Label7"_s, true, { 120, 2760, 2055, 255 } },
        { u"Text5"_s, true, { 2040, 2760, 2175, 285 } },
    };
    for (const auto& [name, onTab, twips] : controls)
        QTest::newRow(qPrintable(name)) << name << onTab << twips;
}

// Where each control lands in the window, in twips, whatever height the tab strip has.
void TestForm1Layout::geometry()
{
    QFETCH(QString, name);
    QFETCH(bool, onTab);
    QFETCH(QRect, twips);

    const QWidget* control = find(*m_form, name);
    const QPoint origin = onTab ? QPoint(480, 720) : QPoint(0, 0);
    const QPoint inWindow = control->mapTo(m_form.get(), QPoint(0, 0)) * 15;
    QCOMPARE(inWindow, origin + twips.topLeft());
    QCOMPARE(control->size() * 15, twips.size());
}

// Every caption and initial text is whole inside its box, and no input hides part of a label.
void TestForm1Layout::textsFit()
{
    for (int tab : { 0, 1 }) {
        showTab(*m_form, tab);
        for (QLabel* label : m_form->findChildren<QLabel*>()) {
            if (!label->isVisible())
                continue;
            const QFontMetrics metrics = label->fontMetrics();
            const QRect text(
                label->pos(), QSize(metrics.horizontalAdvance(label->text()), metrics.height()));
            QVERIFY2(label->rect().contains(text.translated(-label->pos())),
                qPrintable(label->objectName()));
            for (QWidget* sibling :
                label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (qobject_cast<QLabel*>(sibling) || !sibling->isVisible())
                    continue;
                QVERIFY2(!text.intersects(sibling->geometry()),
                    qPrintable(label->objectName() + u" under "_s + sibling->objectName()));
            }
        }
        for (QLineEdit* edit : m_form->findChildren<QLineEdit*>()) {
            if (!edit->isVisible())
                continue;
            // A text wider than its box scrolls, and its end then no longer stands where the
            // font puts it.
            edit->setCursorPosition(0);
            const int start = cursorRect(edit).center().x();
            edit->setCursorPosition(int(edit->text().size()));
            const int end = cursorRect(edit).center().x();
            QCOMPARE(end - start, edit->fontMetrics().horizontalAdvance(edit->text()));
            QVERIFY2(cursorRect(edit).right() <= edit->width(), qPrintable(edit->objectName()));
            QVERIFY2(
                edit->fontMetrics().height() <= edit->height(), qPrintable(edit->objectName()));
        }
        for (QPushButton* button : m_form->findChildren<QPushButton*>()) {
            if (!button->isVisible())
                continue;
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8);
        }
    }
    const QTabBar* tabs = tabControl(*m_form)->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY(tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)) < tabs->tabRect(i).width());
    QVERIFY(tabs->geometry().right() <= tabControl(*m_form)->width());
}

void TestForm1Layout::focusOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("Cm -> Pix") << 0
                               << QStringList { u"SSTab1"_s, u"Text4"_s, u"Text3"_s, u"Command1"_s,
                                      u"Combo1"_s, u"Text2"_s, u"Text1"_s, u"SSTab1"_s };
    QTest::newRow("Pix -> Cm") << 1
                               << QStringList { u"SSTab1"_s, u"Text5"_s, u"Text6"_s, u"Command2"_s,
                                      u"Combo2"_s, u"Text7"_s, u"Text8"_s, u"SSTab1"_s };
}

// The control that has the keyboard focus, named as the window names its controls.
static QString focusedControl(const QWidget& form)
{
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (widget == tabControl(form)->tabBar())
            return u"SSTab1"_s;
        if (!widget->objectName().isEmpty() && widget->parentWidget() != nullptr
            && !qobject_cast<QComboBox*>(widget->parentWidget()))
            return widget->objectName();
    }
    return {};
}

void TestForm1Layout::focusOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, order);

    showTab(*m_form, tab);
    tabControl(*m_form)->tabBar()->setFocus();
    QStringList visited { focusedControl(*m_form) };
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focusedControl(*m_form));
    }
    QCOMPARE(visited, order);
}

void TestForm1Layout::onlyTheShowingTabIsVisible()
{
    QVERIFY(find(*m_form, u"Text8"_s)->isVisible());
    QVERIFY(!find(*m_form, u"Text1"_s)->isVisible());
    showTab(*m_form, 0);
    QCOMPARE(tabControl(*m_form)->currentIndex(), 0);
    QVERIFY(find(*m_form, u"Text1"_s)->isVisible());
    QVERIFY(!find(*m_form, u"Command2"_s)->isVisible());
    QVERIFY(find(*m_form, u"Label6"_s)->isVisible());
}

QTEST_MAIN(TestForm1Layout)
#include "tst_form1layout.moc"
