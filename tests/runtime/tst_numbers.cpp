#include "support/cases.h"

#include "runtime/arithmetic.h"
#include "runtime/leading_number.h"
#include "runtime/locale_number.h"
#include "runtime/number_spelling.h"
#include "runtime/runtime_error.h"

#include <QLocale>

#include <cmath>
#include <limits>
#include <optional>
#include <variant>

using namespace volvenda;

namespace {

using MaybeError = std::optional<ErrorKind>;
constexpr ErrorKind Mismatch = ErrorKind::TypeMismatch;
constexpr ErrorKind Overflow = ErrorKind::Overflow;
constexpr double Inf = std::numeric_limits<double>::infinity();

// A text as Start reads it (leniently) and as Clear reads it (strictly, in a
// locale): a number or the error raised.
struct Reading
{
    QString text;
    double lenient = 0;
    std::variant<double, ErrorKind> strict;
    QLocale locale = QLocale::c();
    bool singleOverflows = false;
};

// A value rounded to 16 bits, or the error raised.
struct Rounding
{
    double value = 0;
    float rounded = 0;
    MaybeError error = std::nullopt;
};

// A number as the programs spell it for people, as a double or as a float.
struct Spelling
{
    double value = 0;
    QString asDouble;
    QString asFloat;
};

} // namespace

class NumbersTest final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void readsNumbers_data()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        QLocale ungrouped = QLocale::c();
        ungrouped.setNumberOptions(QLocale::RejectGroupSeparator);
        addRows<Reading>({
            {"blanks around", {" \t 120 ", 120, 120.0}},
            {"junk after the number", {"12abc", 12, Mismatch}},
            {"exponent", {"3.25E-2", 0.0325, 0.0325}},
            {"e and sign without digits", {"2e-", 2, Mismatch}},
            {"sign apart from its digits", {"- 5", 0, Mismatch}},
            {"empty", {"", 0, Mismatch}},
            {"correctly rounded tie to even", {"9007199254740993", 9007199254740992.0, 9007199254740992.0}},
            {"below double", {"1e-400", 0, 0.0}},
            {"leading zeros, then tiny", {"0.000000000000000000001e-300", 0, 0.0}},
            {"tiny by its zeros, whatever the exponent", {"0." + QString(400, u'0') + "1e50", 0, 0.0}},
            {"beyond double", {"-1e400", -Inf, Overflow}},
            {"long digit string beyond double", {QString(400, u'9'), Inf, Overflow}},
            {"largest single, exactly", {"3.4028234663852886e38", 3.4028234663852886e38, 3.4028234663852886e38}},
            {"beyond single only", {"-1e39", -1e39, -1e39, QLocale::c(), true}},
            {"grouped with fraction", {"1,000.25", 1, 1000.25}},
            {"short group", {"1,5", 1, Mismatch}},
            {"a group after four digits", {"1234,567", 1234, Mismatch}},
            {"German decimal comma", {"-1.000,25", -1, -1000.25, german}},
            {"German point is no decimal mark", {"1.5", 1.5, Mismatch, german}},
            {"Arabic-Indic digits", {"\u0661\u0662\u0660", 0, 120.0, QLocale(QLocale::Arabic, QLocale::Egypt)}},
            {"groups where the locale rejects them", {"1,000", 1, Mismatch, ungrouped}},
        });
    }
    void readsNumbers()
    {
        QFETCH(Reading, row);
        // The lenient reading ignores the user's locale.
        QLocale::setDefault(row.locale);
        QCOMPARE(readLeadingNumber(row.text), row.lenient);

        const MaybeError error
            = std::holds_alternative<ErrorKind>(row.strict) ? std::get<ErrorKind>(row.strict) : MaybeError();
        double value = 0.0;
        QCOMPARE(errorKindOf([&] { value = readNumber(row.text, row.locale); }), error);
        float single = 0.0F;
        QCOMPARE(errorKindOf([&] { single = readSingle(row.text, row.locale); }),
            row.singleOverflows ? MaybeError(Overflow) : error);
        if (!error) {
            QCOMPARE(value, std::get<double>(row.strict));
            if (!row.singleOverflows)
                QCOMPARE(single, static_cast<float>(value));
            // Clear's narrowing: infinite beyond single precision, never an error.
            QCOMPARE(
                narrowToSingle(value), row.singleOverflows ? static_cast<float>(std::copysign(Inf, value)) : single);
        }
    }

    void roundsHalfToEvenInto16Bits_data()
    {
        addRows<Rounding>({
            {"two and a half down", {2.5, 2}},
            {"just above a half", {2.5000001, 3}},
            {"smallest tie stays even", {-32768.5, -32768}},
            {"tie above largest", {32767.5, 0, Overflow}},
            {"below smallest", {-32769, 0, Overflow}},
            {"not a number", {std::nan(""), 0, Overflow}},
        });
    }
    void roundsHalfToEvenInto16Bits()
    {
        QFETCH(Rounding, row);
        int rounded = 0;
        QCOMPARE(errorKindOf([&] { rounded = roundToInt16(row.value); }), row.error);
        QCOMPARE(rounded, int(row.rounded));
    }

    void spellsShortestForPeople_data()
    {
        addRows<Spelling>({
            {"zero keeps its sign", {-0.0, "-0", "-0"}},
            {"whole", {600000, "600000", "600000"}},
            {"smallest written out", {0.0001, "0.0001", "0.0001"}},
            {"just below it", {0.0000999, "9.99e-05", "9.99e-05"}},
            {"largest written out", {999999999999999, "999999999999999", "1e+15"}},
            {"ten to the fifteen", {1e15, "1e+15", "1e+15"}},
            {"a tenth, in its own precision", {0.1, "0.1", "0.1"}},
            {"negative and large", {-1e30, "-1e+30", "-1e+30"}},
        });
    }
    void spellsShortestForPeople()
    {
        QFETCH(Spelling, row);
        QCOMPARE(shortestSpelling(row.value), row.asDouble);
        QCOMPARE(shortestSpelling(static_cast<float>(row.value)), row.asFloat);
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
