// SPDX-License-Identifier: MIT
#include "platform/arithmetic.h"
#include "platform/failuremessage.h"
#include "platform/runtimeerror.h"
#include "testsupport.h"

#include <cfloat>

using namespace Qt::Literals::StringLiterals;
using Kind = platform::RuntimeError::Kind;

Q_DECLARE_METATYPE(Kind)

class TestArithmetic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void computes_data();
    void computes();
    void fails_data();
    void fails();
    void failureMessages();
};

namespace {
enum class Operation { Multiply, Divide };

double apply(Operation operation, double a, double b)
{
    return operation == Operation::Multiply ? platform::Multiply(a, b) : platform::Divide(a, b);
}
} // namespace

Q_DECLARE_METATYPE(Operation)

void TestArithmetic::computes_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");

    QTest::newRow("multiply") << Operation::Multiply << 3888.0 << 2.54 << 9875.52;
    QTest::newRow("multiply to the largest") << Operation::Multiply << DBL_MAX << 1.0 << DBL_MAX;
    QTest::newRow("multiply underflows to zero") << Operation::Multiply << 1e-300 << 1e-300 << 0.0;
    QTest::newRow("multiply by zero") << Operation::Multiply << DBL_MAX << 0.0 << 0.0;
    QTest::newRow("divide") << Operation::Divide << 18.0 << 2.54 << 7.0866141732283463;
    QTest::newRow("divide zero") << Operation::Divide << 0.0 << 240.0 << 0.0;
    QTest::newRow("divide underflows to zero") << Operation::Divide << 1e-300 << 1e300 << 0.0;
}

void TestArithmetic::computes()
{
    QFETCH(Operation, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);

    COMPARE_EXACTLY(apply(operation, a, b), expected);
}

void TestArithmetic::fails_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<Kind>("kind");

    QTest::newRow("multiply overflows") << Operation::Multiply << 1e308 << 10.0 << Kind::Overflow;
    QTest::newRow("multiply overflows negative")
        << Operation::Multiply << -1e308 << 10.0 << Kind::Overflow;
    QTest::newRow("divide overflows") << Operation::Divide << 1e308 << 1e-10 << Kind::Overflow;
    QTest::newRow("divide by zero") << Operation::Divide << 1.0 << 0.0 << Kind::DivisionByZero;
    QTest::newRow("divide by minus zero")
        << Operation::Divide << 1.0 << -0.0 << Kind::DivisionByZero;
    QTest::newRow("zero by zero") << Operation::Divide << 0.0 << 0.0 << Kind::DivisionByZero;
}

void TestArithmetic::fails()
{
    QFETCH(Operation, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(Kind, kind);

    try {
        const double result = apply(operation, a, b);
        QFAIL(qPrintable(u"gave %1 instead of failing"_s.arg(result)));
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.kind(), kind);
    }
}

void TestArithmetic::failureMessages()
{
    const QString zero = platform::failureMessage(platform::RuntimeError(Kind::DivisionByZero));
    const QString large = platform::failureMessage(platform::RuntimeError(Kind::Overflow));
    QCOMPARE(zero, u"Impossibile calcolare: la risoluzione non può essere zero."_s);
    QVERIFY(large.contains(u"troppo grande"_s));
}

QTEST_GUILESS_MAIN(TestArithmetic)
#include "tst_arithmetic.moc"
