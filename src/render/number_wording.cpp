#include "number_wording.h"

#include "trace/radii_wording.h"

#include <QLocale>

namespace volvenda {

QString withThousands(double value)
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions({});
    return locale.toString(value, 'f', 0);
}

QString roughly(double value)
{
    if (value >= 1e9)
        return QString::number(value / 1e9, 'g', 3) + QStringLiteral(" billion");
    if (value >= 1e6)
        return QString::number(value / 1e6, 'g', 3) + QStringLiteral(" million");
    return withThousands(value);
}

QString runInWords(std::size_t index, const Radii &radii)
{
    return QStringLiteral("run %1 (%2)").arg(QString::number(index + 1), radiiInWords(radii));
}

} // namespace volvenda
