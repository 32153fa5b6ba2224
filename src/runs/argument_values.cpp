#include "argument_values.h"

#include "output/printable.h"
#include "runtime/locale_number.h"
#include "runtime/runtime_error.h"

#include <QLocale>

#include <algorithm>

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

QString readRadius(const QString &name, const Argument &argument, double &value)
{
    bool outOfRange = false;
    try {
        if (argument.utf8) {
            value = readNumber(argument.text, commandLineLocale());
            // Too small for a double, a number reads as 0, which it is not:
            // refused as one too large is.
            outOfRange = value == 0 && !readExactDecimal(argument.text, commandLineLocale()).digits.empty();
            if (!outOfRange)
                return {};
        }
    } catch (const RuntimeError &error) {
        outOfRange = error.kind() == ErrorKind::Overflow;
    }
    return (outOfRange ? QStringLiteral("%1 is out of range: %2") : QStringLiteral("%1 is not a number: %2"))
        .arg(name, argument.quoted());
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

QString readRadii(const Argument &R1, const Argument &R2, const Argument &R3, const QString &suffix, Radii &radii)
{
    for (const QString &refusal : {readRadius(QStringLiteral("R1") + suffix, R1, radii.R1),
             readRadius(QStringLiteral("R2") + suffix, R2, radii.R2),
             readRadius(QStringLiteral("R3") + suffix, R3, radii.R3)})
        if (!refusal.isEmpty())
            return refusal;
    return {};
}

QString readColour(const QString &name, const Argument &argument, COLORREF &value)
{
    const QString hex = argument.text.startsWith(u'#') ? argument.text.mid(1) : argument.text;
    const bool digits = hex.size() == 6 && std::all_of(hex.begin(), hex.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
    if (!digits)
        return QStringLiteral("%1 takes six hex digits RRGGBB, not %2").arg(name, argument.quoted());
    const uint rgb = hex.toUInt(nullptr, 16);
    value = composeColour(int((rgb >> 16U) & 0xFFU), int((rgb >> 8U) & 0xFFU), int(rgb & 0xFFU));
    return {};
}

} // namespace volvenda
