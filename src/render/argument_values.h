#pragma once

#include "runtime/color.h"

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
    // Quoted for a message, with what a terminal would act on escaped.
    [[nodiscard]] QString quoted() const;
};

// The values runs are made of, wherever they are given. Each returns why the
// argument is refused, naming it as name, or an empty text once value is set.

// A radius, such as "120", "-45" or "1e-3": a number with the period as the
// decimal mark and nothing else around it.
[[nodiscard]] QString readRadius(const QString &name, const Argument &argument, double &value);

// A colour as six hex digits RRGGBB, with or without a '#' before them.
[[nodiscard]] QString readColour(const QString &name, const Argument &argument, COLORREF &value);

} // namespace volvenda
