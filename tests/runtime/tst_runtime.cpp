#include "support/cases.h"

#include "runtime/arithmetic.h"
#include "runtime/color.h"
#include "runtime/leading_number.h"
#include "runtime/locale_number.h"
#include "runtime/runtime_error.h"
#include "runtime/system_reason.h"

#include <QColor>
#include <QLocale>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <variant>

using namespace volvenda;

namespace {

using MaybeError = std::optional<ErrorKind>;
constexpr ErrorKind mismatch = ErrorKind::TypeMismatch;
constexpr ErrorKind overflow = ErrorKind::Overflow;
constexpr double inf = std::numeric_limits<double>::infinity();

// Runs a conversion and tells the kind of error it raised, if any.
template<typename Function>
MaybeError errorOf(Function &&function)
{
    try {
        function();
    } catch (const RuntimeError &error) {
        return error.kind();
    }
    return std::nullopt;
}

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

} // namespace

class RuntimeTest final : public QObject
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
            {"junk after the number", {"12abc", 12, mismatch}},
            {"exponent", {"3.25E-2", 0.0325, 0.0325}},
            {"e and sign without digits", {"2e-", 2, mismatch}},
            {"sign apart from its digits", {"- 5", 0, mismatch}},
            {"empty", {"", 0, mismatch}},
            {"correctly rounded tie to even", {"9007199254740993", 9007199254740992.0, 9007199254740992.0}},
            {"below double", {"1e-400", 0, 0.0}},
            {"leading zeros, then tiny", {"0.000000000000000000001e-300", 0, 0.0}},
            {"tiny by its zeros, whatever the exponent", {"0." + QString(400, u'0') + "1e50", 0, 0.0}},
            {"beyond double", {"-1e400", -inf, overflow}},
            {"long digit string beyond double", {QString(400, u'9'), inf, overflow}},
            {"largest single, exactly", {"3.4028234663852886e38", 3.4028234663852886e38, 3.4028234663852886e38}},
            {"beyond single only", {"-1e39", -1e39, -1e39, QLocale::c(), true}},
            {"grouped with fraction", {"1,000.25", 1, 1000.25}},
            {"short group", {"1,5", 1, mismatch}},
            {"German decimal comma", {"-1.000,25", -1, -1000.25, german}},
            {"German point is no decimal mark", {"1.5", 1.5, mismatch, german}},
            {"Arabic-Indic digits", {"\u0661\u0662\u0660", 0, 120.0, QLocale(QLocale::Arabic, QLocale::Egypt)}},
            {"groups where the locale rejects them", {"1,000", 1, mismatch, ungrouped}},
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
        QCOMPARE(errorOf([&] { value = readNumber(row.text, row.locale); }), error);
        float single = 0.0F;
        QCOMPARE(errorOf([&] { single = readSingle(row.text, row.locale); }),
            row.singleOverflows ? MaybeError(overflow) : error);
        if (!error) {
            QCOMPARE(value, std::get<double>(row.strict));
            if (!row.singleOverflows)
                QCOMPARE(single, static_cast<float>(value));
            // Clear's narrowing: infinite beyond single precision, never an error.
            QCOMPARE(
                narrowToSingle(value), row.singleOverflows ? static_cast<float>(std::copysign(inf, value)) : single);
        }
    }

    void roundsHalfToEvenInto16Bits_data()
    {
        addRows<Rounding>({
            {"two and a half down", {2.5, 2}},
            {"just above a half", {2.5000001, 3}},
            {"smallest tie stays even", {-32768.5, -32768}},
            {"tie above largest", {32767.5, 0, overflow}},
            {"below smallest", {-32769, 0, overflow}},
            {"not a number", {std::nan(""), 0, overflow}},
        });
    }
    void roundsHalfToEvenInto16Bits()
    {
        QFETCH(Rounding, row);
        int rounded = 0;
        QCOMPARE(errorOf([&] { rounded = roundToInt16(row.value); }), row.error);
        QCOMPARE(rounded, int(row.rounded));
    }

    void namesColoursInWords_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("words");
        const std::pair<const char *, const char *> rows[] {{"#1f6f6a", "dark teal"}, {"#e08020", "orange"},
            {"#ff0000", "red"}, {"#f01060", "red"}, {"#ffb0c0", "pink"}, {"#5c3310", "brown"},
            {"#5a7090", "greyish blue"}, {"#303848", "dark greyish blue"}, {"#101060", "dark blue"},
            {"#b8d8b8", "light greyish green"}, {"#000000", "black"}, {"#ffffff", "white"}, {"#646464", "grey"},
            {"#303030", "dark grey"}, {"#c8c8c8", "light grey"}, {"#7000c0", "purple"}, {"#e000d0", "magenta"},
            {"#d0e000", "yellow"}};
        for (const auto &[colour, words] : rows)
            QTest::newRow(colour) << QColor(colour) << QString(words);
    }
    void namesColoursInWords()
    {
        QFETCH(QColor, colour);
        QFETCH(QString, words);
        QCOMPARE(colourInWords(composeColor(colour.red(), colour.green(), colour.blue())), words);
    }

    void givesTheSystemsReasonInAnyCharset_data()
    {
        // Locales whose charset is not UTF-8, where the system's words
        // (Russian, Japanese, French) cannot be shown as they come.
        QTest::addColumn<QByteArray>("locale");
        for (const char *locale : {"ru_RU.KOI8-R", "ru_RU.CP1251", "ja_JP.EUC-JP", "fr_FR.ISO-8859-1"})
            QTest::newRow(locale) << QByteArray(locale);
    }
    void givesTheSystemsReasonInAnyCharset()
    {
        QFETCH(QByteArray, locale);
        const QByteArray before = std::setlocale(LC_ALL, nullptr);
        const auto restore = qScopeGuard([&before] { std::setlocale(LC_ALL, before.constData()); });
        if (!std::setlocale(LC_ALL, locale.constData()))
            QSKIP("the locale is not installed here");
        QCOMPARE(volvenda::systemReason(ENOSPC), QStringLiteral("No space left on device"));
    }
};

QTEST_GUILESS_MAIN(RuntimeTest)
#include "tst_runtime.moc"
