#include "runtime/color.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

using namespace volvenda;

Q_DECLARE_METATYPE(std::optional<volvenda::ErrorKind>)

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// Runs a conversion and reports either its value or the kind of error it raised.
template<typename Function>
std::optional<ErrorKind> errorOf(Function &&function)
{
    try {
        function();
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    return std::nullopt;
}

} // namespace

class NumbersTest final : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberIgnoresLocale();

    void strictNumber_data();
    void strictNumber();
    void strictSingle_data();
    void strictSingle();

    void exactDecimal_data();
    void exactDecimal();
    void rejectsGroupsWhereTheLocaleSaysSo();

    void roundsHalfToEvenInto16Bits_data();
    void roundsHalfToEvenInto16Bits();
    void floorsTowardsMinusInfinity_data();
    void floorsTowardsMinusInfinity();
    void narrowsToSingle_data();
    void narrowsToSingle();
    void narrowsToSingleSaturating_data();
    void narrowsToSingleSaturating();
    void divisionByZero_data();
    void divisionByZero();

    void composesColours_data();
    void composesColours();
    void errorTexts_data();
    void errorTexts();

    void cleanup() { QLocale::setDefault(QLocale::c()); }
};

void NumbersTest::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("whole number") << "120" << 120.0;
    QTest::newRow("leading blanks") << "  \t 42" << 42.0;
    QTest::newRow("negative fraction") << "-7.5" << -7.5;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("junk after the number") << "12abc" << 12.0;
    QTest::newRow("blank inside ends the number") << "1 2" << 1.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("empty text") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("period only") << "." << 0.0;
    QTest::newRow("fraction without whole part") << ".5" << 0.5;
    QTest::newRow("trailing period") << "5." << 5.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent with sign") << "3.25E-2" << 0.0325;
    QTest::newRow("exponent with plus") << "1e+2" << 100.0;
    QTest::newRow("bare e is not an exponent") << "2e" << 2.0;
    QTest::newRow("e and sign without digit") << "2e+" << 2.0;
    QTest::newRow("e then letter") << "2ex" << 2.0;
    QTest::newRow("comma is not a decimal mark") << "1,5" << 1.0;
    QTest::newRow("sign after blanks only before digits") << "- 5" << 0.0;
    QTest::newRow("hex is not read") << "0x10" << 0.0;
    QTest::newRow("infinity spelled is not read") << "Infinity" << 0.0;
    QTest::newRow("nan spelled is not read") << "nan" << 0.0;
    QTest::newRow("correctly rounded tenth") << "0.1" << 0.1;
    QTest::newRow("correctly rounded tie to even") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("long mantissa") << "0.1000000000000000055511151231257827" << 0.1;
    QTest::newRow("beyond double") << "1e400" << inf;
    QTest::newRow("beyond double negative") << "-1e400" << -inf;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << inf;
    QTest::newRow("below double underflows to zero") << "1e-400" << 0.0;
    QTest::newRow("many zeros then digit is tiny") << "0.000000000000000000001e-300" << 0.0;
    QTest::newRow("many digits then negative exponent is huge") << "123456789e-1" << 12345678.9;
    QTest::newRow("largest double") << "1.7976931348623157e308" << std::numeric_limits<double>::max();
}

void NumbersTest::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(readLeadingNumber(text), expected);
}

void NumbersTest::leadingNumberIgnoresLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(readLeadingNumber(u"2.5"), 2.5);
    QCOMPARE(readLeadingNumber(u"2,5"), 2.0);
}

void NumbersTest::strictNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const std::optional<ErrorKind> fine;
    const auto mismatch = std::optional(ErrorKind::TypeMismatch);
    const auto overflow = std::optional(ErrorKind::Overflow);

    QTest::newRow("whole number") << english << "120" << 120.0 << fine;
    QTest::newRow("blanks around") << english << "  120 " << 120.0 << fine;
    QTest::newRow("negative") << english << "-80" << -80.0 << fine;
    QTest::newRow("plus sign") << english << "+5" << 5.0 << fine;
    QTest::newRow("fraction") << english << "1.5" << 1.5 << fine;
    QTest::newRow("grouped thousands") << english << "1,000" << 1000.0 << fine;
    QTest::newRow("grouped with fraction") << english << "1,000.25" << 1000.25 << fine;
    QTest::newRow("exponent") << english << "1e3" << 1000.0 << fine;
    QTest::newRow("negative exponent") << english << "1E-2" << 0.01 << fine;
    QTest::newRow("underflow is zero") << english << "1e-400" << 0.0 << fine;
    QTest::newRow("empty text") << english << "" << 0.0 << mismatch;
    QTest::newRow("blanks only") << english << "   " << 0.0 << mismatch;
    QTest::newRow("junk after the number") << english << "50abc" << 0.0 << mismatch;
    QTest::newRow("letters only") << english << "abc" << 0.0 << mismatch;
    QTest::newRow("short group") << english << "1,5" << 0.0 << mismatch;
    QTest::newRow("long group") << english << "1,0000" << 0.0 << mismatch;
    QTest::newRow("long first group") << english << "1234,567" << 0.0 << mismatch;
    QTest::newRow("trailing group separator") << english << "12," << 0.0 << mismatch;
    QTest::newRow("blank inside") << english << "1 000" << 0.0 << mismatch;
    QTest::newRow("exponent without digits") << english << "1e" << 0.0 << mismatch;
    QTest::newRow("period only") << english << "." << 0.0 << mismatch;
    QTest::newRow("sign only") << english << "-" << 0.0 << mismatch;
    QTest::newRow("double sign") << english << "--1" << 0.0 << mismatch;
    QTest::newRow("inf") << english << "inf" << 0.0 << mismatch;
    QTest::newRow("negative inf upper case") << english << "-INF" << 0.0 << mismatch;
    QTest::newRow("infinity") << english << "Infinity" << 0.0 << mismatch;
    QTest::newRow("nan") << english << "nan" << 0.0 << mismatch;
    QTest::newRow("nan mixed case") << english << "NaN" << 0.0 << mismatch;
    QTest::newRow("beyond double") << english << "1e400" << 0.0 << overflow;
    QTest::newRow("beyond double negative") << english << "-1e400" << 0.0 << overflow;
    QTest::newRow("long digit string beyond double") << english << QString(400, u'9') << 0.0 << overflow;
    QTest::newRow("German decimal comma") << german << "1,5" << 1.5 << fine;
    QTest::newRow("German group point") << german << "1.000" << 1000.0 << fine;
    QTest::newRow("German grouped with fraction") << german << "-1.000,25" << -1000.25 << fine;
    QTest::newRow("German point is not a decimal mark") << german << "1.5" << 0.0 << mismatch;
}

void NumbersTest::strictNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(std::optional<ErrorKind>, error);

    double value = 0.0;
    QCOMPARE(errorOf([&] { value = readNumber(text, locale); }), error);
    if (!error)
        QCOMPARE(value, expected);
}

void NumbersTest::strictSingle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::addColumn<std::optional<ErrorKind>>("error");

    QTest::newRow("start-up radius") << "120" << 120.0F << std::optional<ErrorKind>();
    QTest::newRow("tenth rounded once") << "0.1" << 0.1F << std::optional<ErrorKind>();
    QTest::newRow("largest single") << "3.4028234e38" << std::numeric_limits<float>::max()
                                    << std::optional<ErrorKind>();
    QTest::newRow("beyond single") << "3.5e38" << 0.0F << std::optional(ErrorKind::Overflow);
    QTest::newRow("fine as double, not as single") << "-1e39" << 0.0F << std::optional(ErrorKind::Overflow);
    QTest::newRow("not a number") << "x" << 0.0F << std::optional(ErrorKind::TypeMismatch);
}

void NumbersTest::strictSingle()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    QFETCH(std::optional<ErrorKind>, error);

    float value = 0.0F;
    QCOMPARE(errorOf([&] { value = readSingle(text, QLocale::c()); }), error);
    if (!error)
        QCOMPARE(value, expected);
}

void NumbersTest::exactDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<qlonglong>("exponent");

    QTest::newRow("whole") << "120" << false << "12" << 1LL;
    QTest::newRow("negative") << "-33" << true << "33" << 0LL;
    QTest::newRow("fraction") << "2.50" << false << "25" << -1LL;
    QTest::newRow("leading zeros") << "0.0075" << false << "75" << -4LL;
    QTest::newRow("exponent") << "25e-1" << false << "25" << -1LL;
    QTest::newRow("exponent and fraction") << "0.15e1" << false << "15" << -1LL;
    QTest::newRow("zero") << "0.000" << false << "" << 0LL;
    QTest::newRow("beyond double stays exact") << "1e400" << false << "1" << 400LL;
    QTest::newRow("more digits than double keeps") << "12345678901234567891" << false << "12345678901234567891" << 0LL;
}

void NumbersTest::exactDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, negative);
    QFETCH(QString, digits);
    QFETCH(qlonglong, exponent);
    const ExactDecimal exact = readExactDecimal(text, QLocale::c());
    QCOMPARE(exact.negative, negative);
    QCOMPARE(QString::fromStdString(exact.digits), digits);
    QCOMPARE(exact.exponent, exponent);
}

void NumbersTest::rejectsGroupsWhereTheLocaleSaysSo()
{
    QLocale locale = QLocale::c();
    QCOMPARE(readNumber(u"1,000", locale), 1000.0);
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    QCOMPARE(errorOf([&] { (void)readNumber(u"1,000", locale); }), std::optional(ErrorKind::TypeMismatch));
    QCOMPARE(readNumber(u"1000.5", locale), 1000.5);
}

void NumbersTest::roundsHalfToEvenInto16Bits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("half to zero") << 0.5 << 0 << false;
    QTest::newRow("one and a half up") << 1.5 << 2 << false;
    QTest::newRow("two and a half down") << 2.5 << 2 << false;
    QTest::newRow("negative half") << -0.5 << 0 << false;
    QTest::newRow("negative one and a half") << -1.5 << -2 << false;
    QTest::newRow("negative two and a half") << -2.5 << -2 << false;
    QTest::newRow("just below a half") << 2.4999999 << 2 << false;
    QTest::newRow("just above a half") << 2.5000001 << 3 << false;
    QTest::newRow("colour tie") << 254.5 << 254 << false;
    QTest::newRow("largest") << 32767.0 << 32767 << false;
    QTest::newRow("largest plus less than a half") << 32767.49 << 32767 << false;
    QTest::newRow("smallest") << -32768.0 << -32768 << false;
    QTest::newRow("smallest tie stays even") << -32768.5 << -32768 << false;
    QTest::newRow("tie above largest") << 32767.5 << 0 << true;
    QTest::newRow("below smallest") << -32769.0 << 0 << true;
    QTest::newRow("huge") << 1e300 << 0 << true;
    QTest::newRow("infinity") << inf << 0 << true;
    QTest::newRow("not a number") << std::nan("") << 0 << true;
}

void NumbersTest::roundsHalfToEvenInto16Bits()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QFETCH(bool, overflows);

    int rounded = 0;
    const auto error = errorOf([&] { rounded = roundToInt16(value); });
    QCOMPARE(error, overflows ? std::optional(ErrorKind::Overflow) : std::nullopt);
    if (!overflows)
        QCOMPARE(rounded, expected);
}

void NumbersTest::floorsTowardsMinusInfinity_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("negative fraction") << -2.02 << -3.0;
    QTest::newRow("positive fraction") << 2.99 << 2.0;
    QTest::newRow("negative whole") << -3.0 << -3.0;
    QTest::newRow("tiny negative") << -1e-12 << -1.0;
    QTest::newRow("large") << 1e17 + 0.0 << 1e17;
}

void NumbersTest::floorsTowardsMinusInfinity()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(floorToWhole(value), expected);
}

void NumbersTest::narrowsToSingle_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("ordinary") << 313.0 << false;
    QTest::newRow("largest single") << double(std::numeric_limits<float>::max()) << false;
    QTest::newRow("most negative single") << -double(std::numeric_limits<float>::max()) << false;
    QTest::newRow("beyond single") << 1e39 << true;
    QTest::newRow("beyond single negative") << -1e39 << true;
    QTest::newRow("infinity") << inf << true;
    QTest::newRow("not a number") << std::nan("") << true;
}

void NumbersTest::narrowsToSingle()
{
    QFETCH(double, value);
    QFETCH(bool, overflows);

    float narrowed = 0.0F;
    QCOMPARE(
        errorOf([&] { narrowed = toSingle(value); }), overflows ? std::optional(ErrorKind::Overflow) : std::nullopt);
    if (!overflows)
        QCOMPARE(narrowed, static_cast<float>(value));
}

void NumbersTest::narrowsToSingleSaturating_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<float>("expected");

    constexpr float infinity = std::numeric_limits<float>::infinity();
    QTest::newRow("ordinary") << 120.0 << 120.0F;
    QTest::newRow("largest single") << double(std::numeric_limits<float>::max()) << std::numeric_limits<float>::max();
    QTest::newRow("beyond single") << 1e39 << infinity;
    QTest::newRow("beyond single negative") << -1e300 << -infinity;
    QTest::newRow("infinity") << inf << infinity;
}

void NumbersTest::narrowsToSingleSaturating()
{
    QFETCH(double, value);
    QFETCH(float, expected);
    QCOMPARE(narrowToSingle(value), expected);
}

void NumbersTest::divisionByZero_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");

    QTest::newRow("one by zero") << 1.0 << 0.0;
    QTest::newRow("zero by zero") << 0.0 << 0.0;
    QTest::newRow("by negative zero") << 5.0 << -0.0;
}

void NumbersTest::divisionByZero()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QCOMPARE(errorOf([&] { (void)divide(dividend, divisor); }), std::optional(ErrorKind::DivisionByZero));
}

void NumbersTest::composesColours_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<uint>("expected");

    QTest::newRow("components in their bytes") << 1 << 2 << 3 << 0x030201U;
    QTest::newRow("white") << 255 << 255 << 255 << 0xFFFFFFU;
    QTest::newRow("reference grey") << 100 << 100 << 100 << 0x646464U;
    QTest::newRow("out of range is clamped") << 300 << -5 << 0 << 0x0000FFU;
}

void NumbersTest::composesColours()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(uint, expected);

    const COLORREF colour = composeColor(red, green, blue);
    QCOMPARE(colour, expected);
    const QColor qcolour = toQColor(colour);
    QCOMPARE(QColor(qcolour.red(), qcolour.green(), qcolour.blue()).rgb(),
        QColor(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)).rgb());
}

void NumbersTest::errorTexts_data()
{
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("type mismatch") << ErrorKind::TypeMismatch << "Type mismatch";
    QTest::newRow("overflow") << ErrorKind::Overflow << "Overflow";
    QTest::newRow("division by zero") << ErrorKind::DivisionByZero << "Division by zero";
}

void NumbersTest::errorTexts()
{
    QFETCH(ErrorKind, kind);
    QFETCH(QString, text);
    const RuntimeError error(kind);
    QCOMPARE(error.errorText(), text);
    QCOMPARE(QString::fromLatin1(error.what()), text);
}

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
