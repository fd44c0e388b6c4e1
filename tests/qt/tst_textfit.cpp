// SPDX-License-Identifier: MIT
#include "platform/qt/textfit.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using platform::TextRoom;

namespace {

// The answer by trying every half point from the top down.
qreal largestFittingSize(QFont font, const QList<TextRoom>& texts, qreal smallest)
{
    for (qreal size = font.pointSizeF(); size > smallest; size -= 0.5) {
        font.setPointSizeF(size);
        if (platform::textsFit(font, texts))
            return size;
    }
    return smallest;
}

} // namespace

class TestTextFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsTheLargestSize_data();
    void findsTheLargestSize();
};

void TestTextFit::findsTheLargestSize_data()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    for (int width : { 60, 90, 128, 137, 180, 260, 400 }) {
        for (qreal pointSize : { 9.0, 10.0, 12.0 }) {
            const QByteArray tag = "width " + QByteArray::number(width) + ", from "
                + QByteArray::number(pointSize) + " pt";
            QTest::newRow(tag.constData()) << pointSize << width << 17;
        }
    }
    QTest::newRow("too low for any size") << 9.0 << 400 << 4;
    QTest::newRow("from 6.25 pt, too narrow") << 6.25 << 20 << 17;
    QTest::newRow("from 6 pt, too narrow") << 6.0 << 20 << 17;
}

void TestTextFit::findsTheLargestSize()
{
    QFETCH(qreal, pointSize);
    QFETCH(int, width);
    QFETCH(int, height);

    QFont font(u"DejaVu Sans"_s);
    font.setPointSizeF(pointSize);
    const QList<TextRoom> texts { { u"Pixel orizzontali necessari"_s, QSize(width, height) },
        { u"Dim Oriz."_s, QSize(width / 2, height) }, { u"CALCOLA"_s, QSize(width, height) } };

    const QFont fitted = platform::largestFittingFont(font, texts, 6.0);
    QCOMPARE(fitted.pointSizeF(), largestFittingSize(font, texts, 6.0));
    QCOMPARE(fitted.family(), font.family());
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
