// SPDX-License-Identifier: MIT
#include "formfixture.h"

#include <QClipboard>
#include <QElapsedTimer>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int megabyte = 1 << 20;
const QString tooLarge = u"Impossibile calcolare: il numero è troppo grande."_s;
} // namespace

class TestBadInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { m_form.reset(); }

    void pasted_data();
    void pasted();

private:
    std::unique_ptr<FormWindow> m_form;
};

void TestBadInput::pasted_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("horizontal"); // Text6 afterwards
    QTest::addColumn<QString>("report"); // the failure told, if any

    const QString noReport;
    QTest::newRow("1 MB of digits") << u"Text8"_s << QString(megabyte, u'7') << u"0"_s << tooLarge;
    QTest::newRow("1 MB after a number")
        << u"Text8"_s << u"3888"_s + QString(megabyte, u'x') << u"41"_s << noReport;
    QTest::newRow("1 MB of blanks")
        << u"Text8"_s << QString(megabyte / 2, u' ') + u"3888"_s + QString(megabyte / 2, u'\t')
        << u"41"_s << noReport;
    QTest::newRow("1 MB of a fraction")
        << u"Text8"_s << u"0."_s + QString(megabyte, u'0') + u'1' << u"0"_s << noReport;
    QTest::newRow("1 MB of grouped digits")
        << u"Text8"_s << u"1"_s + QString(megabyte / 4, u'.').replace(u"."_s, u".000"_s) << u"0"_s
        << tooLarge;
    QTest::newRow("1 MB in the resolution")
        << u"Combo2"_s << u"240"_s + QString(megabyte, u'9') << u"0"_s << tooLarge;
    QTest::newRow("1 MB of letters as resolution")
        << u"Combo2"_s << QString(megabyte, u'z') << u"0"_s
        << u"Impossibile calcolare: la risoluzione non può essere zero."_s;
    QTest::newRow("100000 digits")
        << u"Text7"_s << u"1"_s + QString(99999, u'0') << u"0"_s << tooLarge;
    QTest::newRow("100000 digit fraction")
        << u"Text8"_s << u"3888."_s + QString(99995, u'4') << u"41"_s << noReport;
    QTest::newRow("control characters first")
        << u"Text8"_s << u"\u0001\u00023888"_s << u"0"_s << noReport;
    QTest::newRow("control characters after")
        << u"Text8"_s << u"3888\u0007\u001b"_s << u"41"_s << noReport;
    QTest::newRow("lone high surrogate first")
        << u"Text8"_s << QString(QChar(0xD800)) + u"3888"_s << u"0"_s << noReport;
    QTest::newRow("lone low surrogate after")
        << u"Text8"_s << u"3888"_s + QChar(0xDFFF) << u"41"_s << noReport;
    QTest::newRow("non-characters") << u"Text8"_s << u"\uFFFE\uFFFF"_s << u"0"_s << noReport;
}

// The text arrives as a paste; the click on "CALCOLA" must compute what the reading rules say
// whatever it holds. How quick it is belongs to the benchmarks; here only a hang fails.
void TestBadInput::pasted()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, horizontal);
    QFETCH(QString, report);

    m_form = startForm();
    QWidget* control = find(*m_form, field);
    QWidget* target = qobject_cast<QComboBox*>(control)
        ? qobject_cast<QComboBox*>(control)->lineEdit()
        : control;
    QApplication::clipboard()->setText(text);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(textOf(*m_form, field).size(), text.size());

    QElapsedTimer timer;
    timer.start();
    click(*m_form, u"Command2"_s);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed < 10000, qPrintable(u"the click took %1 ms"_s.arg(elapsed)));

    QCOMPARE(textOf(*m_form, u"Text6"_s), horizontal);
    const QList<QMessageBox*> reports = failureReports(*m_form);
    QCOMPARE(reports.size(), report.isNull() ? 0 : 1);
    if (!report.isNull())
        QCOMPARE(reports.front()->text(), report);
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
