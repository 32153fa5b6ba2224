#pragma once

#include "runtime/colour.h"
#include "trace/curve.h"

#include <QByteArray>
#include <QString>

namespace volvenda {

// An argument as the system gave it, and as text; text is empty for bytes
// that are not UTF-8. The fields of a runs file are read as arguments too.
struct Argument
{
    QByteArray bytes;
    bool utf8 = true;
    QString text;

    explicit Argument(const QByteArray &given);
    // Quoted for a message, with what a terminal would act on escaped, and
    // cut to about 80 characters.
    [[nodiscard]] QString quoted() const;
};

// Refuses an argument, or a line of a runs file: throws
// RuntimeError(ErrorKind::BadArgument) with why, one line that shows what is
// refused quoted.
[[noreturn]] void refuseArgument(const QString &why);

// The values runs are made of, wherever they are given. Each refuses a bad
// argument as above, naming it as name.

// A radius, named as name in a refusal: a number as for readRadii.
[[nodiscard]] double readRadius(const QString &name, const Argument &argument);

// A run's three radii from three arguments, each such as "120", "-45" or
// "1e-3": a number with the period as the decimal mark and nothing else
// around it, neither beyond a double's range nor too small for one (other
// than 0 itself). A refusal names the first radius refused as its field (R1,
// R2, R3), and with the run's number when run is not 0.
[[nodiscard]] Radii readRadii(const Argument &R1, const Argument &R2, const Argument &R3, std::size_t run);

// A colour as six hex digits RRGGBB, with or without a '#' before them.
[[nodiscard]] COLORREF readColour(const QString &name, const Argument &argument);

} // namespace volvenda
