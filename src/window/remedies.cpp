#include "remedies.h"

#include "output/printable.h"
#include "runtime/catalogue.h"
#include "runtime/leading_number.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace volvenda {

namespace {

// A field's text for a message: as typed, with what a terminal would act on
// escaped, or "empty".
QString shown(const QString &text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() ? translate("Remedies", "empty", "a field with nothing in it")
                             : printable(QStringView(trimmed));
}

} // namespace

QString startRemedy(ErrorKind kind, const FieldTexts &fields)
{
    if (kind == ErrorKind::DivisionByZero)
        //: %1 is what the field R1 holds, as typed.
        return translate("Remedies", "R1 is %1: the fixed circle needs a radius other than 0.").arg(shown(fields.R11));
    if (kind != ErrorKind::Overflow)
        return {};
    // The largest number sends the curve beyond range, unless all are modest
    // and a tiny R1 does, by dividing.
    const std::array<std::pair<const char *, const QString *>, 3> named {
        std::pair("R1", &fields.R11), std::pair("R2", &fields.R22), std::pair("R3", &fields.R33)};
    const auto largest = std::max_element(named.begin(), named.end(), [](const auto &a, const auto &b) {
        return std::fabs(readLeadingNumber(*a.second)) < std::fabs(readLeadingNumber(*b.second));
    });
    if (std::fabs(readLeadingNumber(*largest->second)) < 1e30)
        return translate("Remedies",
            "R1 is %1: a fixed circle so small sends the curve beyond the range of numbers; a larger R1 draws it.")
            .arg(shown(fields.R11));
    //: %1 is a field's name, R1, R2 or R3; %2 what it holds.
    return translate("Remedies",
        "%1 is %2: the curve would reach beyond the range of single precision (about 3.4e38); smaller numbers "
        "draw it.")
        .arg(QLatin1String(largest->first), shown(*largest->second));
}

QString outOfMemoryRemedy(ErrorKind kind)
{
    return kind == ErrorKind::OutOfMemory ? translate("Remedies",
               "The window goes on with what it has; close other programs to free memory, then try "
               "again.")
                                          : QString();
}

QString startUpRemedy(ErrorKind kind)
{
    return kind == ErrorKind::OutOfMemory ? translate("Remedies",
               "there is not enough memory for the window's picture; close other programs to free memory, then open "
               "it again")
                                          : QString();
}

QString clearRemedy(ErrorKind kind, const QString &R11)
{
    if (kind == ErrorKind::TypeMismatch)
        //: %2 is a number written as the user's language settings write it, such as 60.5 or 60,5.
        return translate("Remedies",
            "R1 is %1: Clear needs a number there, written as your language settings write numbers, such as %2.")
            .arg(shown(R11), QLocale::system().toString(60.5));
    if (kind == ErrorKind::Overflow)
        return translate("Remedies", "R1 is %1: Clear needs a number below about 1.8e308.").arg(shown(R11));
    return {};
}

} // namespace volvenda
