// SPDX-License-Identifier: MIT
#include "formfixture.h"

#include <QAbstractItemView>

using namespace Qt::Literals::StringLiterals;

namespace {

const QStringList allFields { u"Text1"_s, u"Text2"_s, u"Combo1"_s, u"Text3"_s, u"Text4"_s,
    u"Text8"_s, u"Text7"_s, u"Combo2"_s, u"Text6"_s, u"Text5"_s };

QStringList allTexts(const QWidget& form)
{
    QStringList texts;
    for (const QString& field : allFields)
        texts.append(textOf(form, field));
    return texts;
}

QStringList listOf(const QWidget& form, const QString& comboBox)
{
    const auto* combo = find<QComboBox>(form, comboBox);
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

void pickFromList(const QWidget& form, const QString& comboBox, const QString& entry)
{
    auto* combo = find<QComboBox>(form, comboBox);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex index = view->model()->index(combo->findText(entry), 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTRY_VERIFY(!view->isVisible());
}

const QStringList dpiChoices { u"72"_s, u"90"_s, u"150"_s, u"240"_s, u"300"_s };

} // namespace

class TestForm1Behaviour : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_form.reset(); }

    void listsFilledAtStart();
    void computes_data();
    void computes();
    void picksResolutionFromList();
    void failedRequestChangesNothing_data();
    void failedRequestChangesNothing();
    void nothingButAClickWritesResults();
    void enterAndEscapeDoNothing();
    void keysOnAFocusedButtonPressIt_data();
    void keysOnAFocusedButtonPressIt();

private:
    std::unique_ptr<FormWindow> m_form;
};

void TestForm1Behaviour::listsFilledAtStart()
{
    m_form = startForm();
    QCOMPARE(listOf(*m_form, u"Combo1"_s), dpiChoices);
    QCOMPARE(listOf(*m_form, u"Combo2"_s), dpiChoices);
    QCOMPARE(textOf(*m_form, u"Combo1"_s), u"240"_s);
    QCOMPARE(textOf(*m_form, u"Combo2"_s), u"240"_s);

    // Showing the form again raises no second load.
    platform::showForm(*m_form);
    QCOMPARE(listOf(*m_form, u"Combo2"_s), dpiChoices);

    // A text typed and confirmed in the edit part never joins the list.
    typeInto(*m_form, u"Combo2"_s, u"600"_s);
    QTest::keyClick(find<QComboBox>(*m_form, u"Combo2"_s)->lineEdit(), Qt::Key_Return);
    QCOMPARE(listOf(*m_form, u"Combo2"_s), dpiChoices);
    QCOMPARE(textOf(*m_form, u"Combo2"_s), u"600"_s);
}

void TestForm1Behaviour::computes_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("typed"); // horizontal, vertical, resolution; null keeps the text
    QTest::addColumn<QStringList>("results");

    const QStringList untouched { QString(), QString(), QString() };
    QTest::newRow("it: cm defaults")
        << "it_IT"_ba << 0 << untouched << QStringList { u"1.701"_s, u"1.228"_s };
    QTest::newRow("us: cm defaults")
        << "en_US"_ba << 0 << untouched << QStringList { u"1,701"_s, u"1,228"_s };
    QTest::newRow("it: px defaults")
        << "it_IT"_ba << 1 << untouched << QStringList { u"41"_s, u"27"_s };
    QTest::newRow("us: px defaults")
        << "en_US"_ba << 1 << untouched << QStringList { u"41"_s, u"27"_s };
    QTest::newRow("it: cm decimal comma")
        << "it_IT"_ba << 0 << QStringList { u"18,5"_s, u"1.300"_s, QString() }
        << QStringList { u"1.748"_s, u"122.835"_s };
    QTest::newRow("us: cm decimal point")
        << "en_US"_ba << 0 << QStringList { u"18.5"_s, u"1,300"_s, QString() }
        << QStringList { u"1,748"_s, u"122,835"_s };
    QTest::newRow("it: cm zero dpi")
        << "it_IT"_ba << 0 << QStringList { QString(), QString(), u"0"_s }
        << QStringList { u"0"_s, u"0"_s };
    QTest::newRow("it: cm typed dpi that starts a list entry")
        << "it_IT"_ba << 0 << QStringList { QString(), QString(), u"1"_s }
        << QStringList { u"7"_s, u"5"_s };
    QTest::newRow("it: px typed dpi")
        << "it_IT"_ba << 1 << QStringList { u"6000"_s, u"4000"_s, u"300"_s }
        << QStringList { u"51"_s, u"34"_s };
    QTest::newRow("it: px negative")
        << "it_IT"_ba << 1 << QStringList { u"-3888"_s, QString(), QString() }
        << QStringList { u"-41"_s, u"27"_s };
}

void TestForm1Behaviour::computes()
{
    QFETCH(QByteArray, locale);
    QFETCH(int, tab);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, results);

    m_form = startForm(locale);
    const QStringList inputs = tab == 0 ? QStringList { u"Text1"_s, u"Text2"_s, u"Combo1"_s }
                                        : QStringList { u"Text8"_s, u"Text7"_s, u"Combo2"_s };
    const QStringList outputs = tab == 0 ? QStringList { u"Text3"_s, u"Text4"_s }
                                         : QStringList { u"Text6"_s, u"Text5"_s };
    showTab(*m_form, tab);
    for (int i = 0; i < inputs.size(); ++i) {
        if (!typed[i].isNull())
            typeInto(*m_form, inputs[i], typed[i]);
    }
    click(*m_form, tab == 0 ? u"Command1"_s : u"Command2"_s);

    QCOMPARE(textOf(*m_form, outputs[0]), results[0]);
    QCOMPARE(textOf(*m_form, outputs[1]), results[1]);
    QVERIFY(failureReports(*m_form).isEmpty());
}

void TestForm1Behaviour::picksResolutionFromList()
{
    m_form = startForm();
    pickFromList(*m_form, u"Combo2"_s, u"300"_s);
    QCOMPARE(textOf(*m_form, u"Combo2"_s), u"300"_s);
    click(*m_form, u"Command2"_s);
    QCOMPARE(textOf(*m_form, u"Text6"_s), u"33"_s);
    QCOMPARE(textOf(*m_form, u"Text5"_s), u"22"_s);

    // The first entry can be picked too, although the list began with none current.
    pickFromList(*m_form, u"Combo2"_s, u"72"_s);
    QCOMPARE(textOf(*m_form, u"Combo2"_s), u"72"_s);
}

void TestForm1Behaviour::failedRequestChangesNothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("zero dpi") << u"Combo2"_s << u"0"_s
                              << u"Impossibile calcolare: la risoluzione non può essere zero."_s;
    QTest::newRow("empty dpi") << u"Combo2"_s << QString()
                               << u"Impossibile calcolare: la risoluzione non può essere zero."_s;
    QTest::newRow("vertical overflows")
        << u"Text7"_s << u"1e308"_s << u"Impossibile calcolare: il numero è troppo grande."_s;
    QTest::newRow("unreadably large")
        << u"Text8"_s << u"1e999"_s << u"Impossibile calcolare: il numero è troppo grande."_s;
}

void TestForm1Behaviour::failedRequestChangesNothing()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    m_form = startForm();
    click(*m_form, u"Command2"_s);
    typeInto(*m_form, field, typed);
    const QStringList before = allTexts(*m_form);

    click(*m_form, u"Command2"_s);

    QCOMPARE(allTexts(*m_form), before);
    QCOMPARE(textOf(*m_form, u"Text6"_s), u"41"_s);
    const QList<QMessageBox*> reports = failureReports(*m_form);
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.front()->text(), message);
    QCOMPARE(reports.front()->windowTitle(), u"CONVERTITORE PIXEL CM PER STAMPE"_s);
    QCOMPARE(reports.front()->icon(), QMessageBox::Warning);

    // The program goes on: once the box is closed, the next request is computed.
    reports.front()->close();
    QTRY_VERIFY(failureReports(*m_form).isEmpty());
    typeInto(*m_form, u"Combo2"_s, u"300"_s);
    typeInto(*m_form, u"Text8"_s, u"3888"_s);
    typeInto(*m_form, u"Text7"_s, u"2592"_s);
    click(*m_form, u"Command2"_s);
    QCOMPARE(textOf(*m_form, u"Text6"_s), u"33"_s);
    QCOMPARE(textOf(*m_form, u"Text5"_s), u"22"_s);
}

void TestForm1Behaviour::nothingButAClickWritesResults()
{
    m_form = startForm();
    const QStringList initial = allTexts(*m_form);
    showTab(*m_form, 0);
    showTab(*m_form, 1);
    pickFromList(*m_form, u"Combo1"_s, u"300"_s);
    typeInto(*m_form, u"Text8"_s, u"1000"_s);
    typeInto(*m_form, u"Text8"_s, u"3888"_s);
    QStringList expected = initial;
    expected[2] = u"300"_s;
    QCOMPARE(allTexts(*m_form), expected);

    click(*m_form, u"Command2"_s);
    const QStringList afterClick = allTexts(*m_form);
    click(*m_form, u"Command2"_s);
    QCOMPARE(allTexts(*m_form), afterClick);

    // A result box that the user edits is never read; the next click overwrites it.
    typeInto(*m_form, u"Text6"_s, u"999"_s);
    showTab(*m_form, 0);
    showTab(*m_form, 1);
    QCOMPARE(textOf(*m_form, u"Text6"_s), u"999"_s);
    click(*m_form, u"Command2"_s);
    QCOMPARE(allTexts(*m_form), afterClick);
}

void TestForm1Behaviour::enterAndEscapeDoNothing()
{
    m_form = startForm();
    typeInto(*m_form, u"Text8"_s, u"5184"_s);
    QTest::keyClick(find(*m_form, u"Text8"_s), Qt::Key_Return);
    QTest::keyClick(find(*m_form, u"Text8"_s), Qt::Key_Enter);
    QTest::keyClick(find(*m_form, u"Text8"_s), Qt::Key_Escape);
    QCOMPARE(textOf(*m_form, u"Text6"_s), u"0"_s);
    QVERIFY(m_form->isVisible());
}

// Neither button is a default one, but the one with the focus is pressed by Space or Enter, as
// on Windows, in GTK and on the web.
void TestForm1Behaviour::keysOnAFocusedButtonPressIt_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Space") << Qt::Key_Space << Qt::KeyboardModifiers();
    QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::newRow("Enter on the keypad")
        << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void TestForm1Behaviour::keysOnAFocusedButtonPressIt()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    m_form = startForm();
    typeInto(*m_form, u"Text8"_s, u"5184"_s);
    QWidget* button = find(*m_form, u"Command2"_s);
    button->setFocus();
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(button, key, modifiers);
    QCOMPARE(textOf(*m_form, u"Text6"_s), u"55"_s);
}

QTEST_MAIN(TestForm1Behaviour)
#include "tst_form1behaviour.moc"
