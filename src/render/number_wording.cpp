#include "number_wording.h"

#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>

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
    // The shortest spelling that reads back as the number, with an exponent
    // only for the very large and the very small: 120, -45, 600000, 1e+39.
    const auto shortest = [](double value) {
        const double magnitude = std::fabs(value);
        const bool plain = magnitude == 0.0 || (magnitude >= 1e-4 && magnitude < 1e15);
        std::array<char, 64> text {};
        const std::to_chars_result written = std::to_chars(text.data(), text.data() + text.size(), value,
            plain ? std::chars_format::fixed : std::chars_format::scientific);
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(written.ptr - text.data()));
    };
    return QStringLiteral("run %1 (R1 %2, R2 %3, R3 %4)")
        .arg(QString::number(index + 1), shortest(radii.R1), shortest(radii.R2), shortest(radii.R3));
}

} // namespace volvenda
