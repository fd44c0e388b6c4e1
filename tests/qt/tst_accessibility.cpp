// SPDX-License-Identifier: MIT
#include "formfixture.h"

#include <QAccessible>

using namespace Qt::Literals::StringLiterals;

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_form = startForm(); }
    void cleanup() { m_form.reset(); }

    void namesFields_data();
    void namesFields();
    void namesButtonsAndTabs();
    void windowIsAWindow();
    void switchesTabsFromTheKeyboard_data();
    void switchesTabsFromTheKeyboard();

private:
    std::unique_ptr<FormWindow> m_form;
};

void TestAccessibility::namesFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");

    const QList<std::pair<QString, QString>> fields {
        { u"Text1"_s, u"Dim Oriz."_s },
        { u"Text2"_s, u"Dim Vert"_s },
        { u"Combo1"_s, u"DPI"_s },
        { u"Text3"_s, u"Pixel orizzontali necessari"_s },
        { u"Text4"_s, u"Pixel verticali necessari"_s },
        { u"Text8"_s, u"Pix Oriz."_s },
        { u"Text7"_s, u"Pix Vert"_s },
        { u"Combo2"_s, u"DPI"_s },
        { u"Text6"_s, u"Cm Orizzontali"_s },
        { u"Text5"_s, u"Cm Verticali"_s },
    };
    for (const auto& [field, name] : fields)
        QTest::newRow(qPrintable(field)) << field << name;
}

void TestAccessibility::namesFields()
{
    QFETCH(QString, field);
    QFETCH(QString, name);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(find(*m_form, field));
    QVERIFY(accessible);
    QStringList labels;
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
        labels.append(label->text(QAccessible::Name));
    QCOMPARE(labels, QStringList { name });
    QCOMPARE(accessible->text(QAccessible::Name), name);
    // A DPI box's editable part, which has the focus while the user types, has its name too.
    if (auto* comboBox = qobject_cast<QComboBox*>(find(*m_form, field)))
        QCOMPARE(
            QAccessible::queryAccessibleInterface(comboBox->lineEdit())->text(QAccessible::Name),
            name);
}

void TestAccessibility::namesButtonsAndTabs()
{
    for (const QString& button : { u"Command1"_s, u"Command2"_s }) {
        QAccessibleInterface* accessible
            = QAccessible::queryAccessibleInterface(find(*m_form, button));
        QCOMPARE(accessible->role(), QAccessible::PushButton);
        QCOMPARE(accessible->text(QAccessible::Name), u"CALCOLA"_s);
        QVERIFY(accessible->text(QAccessible::Description).startsWith(u"Calcola "_s));
    }

    QAccessibleInterface* strip
        = QAccessible::queryAccessibleInterface(tabControl(*m_form)->tabBar());
    QVERIFY(strip);
    // A tab is named by the caption shown, which a speech-input user says; the words a screen
    // reader would otherwise have to guess from "->" are its description.
    QStringList tabs;
    QStringList descriptions;
    for (int i = 0; i < strip->childCount(); ++i) {
        if (strip->child(i)->role() == QAccessible::PageTab) {
            tabs.append(strip->child(i)->text(QAccessible::Name));
            descriptions.append(strip->child(i)->text(QAccessible::Description));
        }
    }
    QCOMPARE(tabs, (QStringList { u"Cm -> Pix"_s, u"Pix -> Cm"_s }));
    QCOMPARE(
        descriptions, (QStringList { u"Da centimetri a pixel"_s, u"Da pixel a centimetri"_s }));
}

void TestAccessibility::windowIsAWindow()
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_form.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), u"CONVERTITORE PIXEL CM PER STAMPE"_s);
}

void TestAccessibility::switchesTabsFromTheKeyboard_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("tab");

    QTest::newRow("ctrl+tab from a field")
        << u"Text8"_s << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 0;
    QTest::newRow("ctrl+shift+tab from a button")
        << u"Command2"_s << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier)
        << 0;
    QTest::newRow("ctrl+page up") << u"Text7"_s << int(Qt::Key_PageUp) << int(Qt::ControlModifier)
                                  << 0;
    QTest::newRow("left arrow on the tabs") << u"SSTab1"_s << int(Qt::Key_Left) << 0 << 0;
}

void TestAccessibility::switchesTabsFromTheKeyboard()
{
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, tab);

    QWidget* control
        = focused == u"SSTab1"_s ? tabControl(*m_form)->tabBar() : find(*m_form, focused);
    control->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(tabControl(*m_form)->currentIndex(), tab);
    QVERIFY(find(*m_form, u"Text1"_s)->isVisible());
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
