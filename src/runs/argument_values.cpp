#include "argument_values.h"

#include "output/printable.h"
#include "runtime/catalogue.h"
#include "runtime/digits.h"
#include "runtime/locale_number.h"
#include "runtime/runtime_error.h"

#include <QLocale>

#include <optional>

namespace volvenda {

namespace {

// The period as the decimal mark, no group separators: a command line is not a form.
QLocale commandLineLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    return locale;
}

} // namespace

double readRadius(const QString &name, const Argument &argument)
{
    bool outOfRange = false;
    try {
        if (argument.utf8) {
            const double value = readNumber(argument.text, commandLineLocale());
            // Too small for a double, a number reads as 0, which it is not:
            // refused as one too large is.
            outOfRange = value == 0 && !readExactDecimal(argument.text, commandLineLocale()).digits.empty();
            if (!outOfRange)
                return value;
        }
    } catch (const RuntimeError &error) {
        outOfRange = error.kind() == ErrorKind::Overflow;
    }
    //: %1 names a radius (R1, R2 or R3), %2 is what was given for it.
    refuseArgument(
        (outOfRange ? translate("Renderer", "%1 is out of range: %2") : translate("Renderer", "%1 is not a number: %2"))
            .arg(name, argument.quoted()));
}

Argument::Argument(const QByteArray &given)
    : bytes(given)
    , utf8(QByteArrayView(given).isValidUtf8())
    , text(utf8 ? decodeUtf8(given) : QString())
{
}

QString Argument::quoted() const
{
    // About a terminal's line: enough to find it by, where a runs file's
    // line may be a megabyte.
    constexpr qsizetype longestEcho = 80;
    return QLatin1Char('\'') + printable(bytes, longestEcho) + QLatin1Char('\'');
}

void refuseArgument(const QString &why)
{
    throw RuntimeError(ErrorKind::BadArgument, why);
}

Radii readRadii(const Argument &R1, const Argument &R2, const Argument &R3, std::size_t run)
{
    const auto named = [run](const char *field) {
        const QString name = QLatin1String(field);
        //: A radius's name, R1, R2 or R3, and the number of the run it is of.
        return run == 0 ? name : translate("Renderer", "%1 of run %2").arg(name, QString::number(run));
    };
    // A braced list is read in order, so the first radius refused is named.
    return Radii {readRadius(named("R1"), R1), readRadius(named("R2"), R2), readRadius(named("R3"), R3)};
}

COLORREF readColour(const QString &name, const Argument &argument)
{
    const QString hex = argument.text.startsWith(u'#') ? argument.text.mid(1) : argument.text;
    const std::optional<qulonglong> rgb = hex.size() == 6 ? readDigits(hex, 0xFFFFFF, 16) : std::nullopt;
    if (!rgb)
        //: %1 names the colour (--color, or the colour of a runs file's line), %2 is what was given.
        refuseArgument(translate("Renderer", "%1 takes six hex digits RRGGBB, not %2").arg(name, argument.quoted()));
    return composeColour(int((*rgb >> 16U) & 0xFFU), int((*rgb >> 8U) & 0xFFU), int(*rgb & 0xFFU));
}

} // namespace volvenda
