#include "radii_wording.h"

#include "runtime/number_spelling.h"

namespace volvenda {

QString radiiInWords(const Radii &radii)
{
    return QStringLiteral("R1 %1, R2 %2, R3 %3")
        .arg(shortestSpelling(radii.R1), shortestSpelling(radii.R2), shortestSpelling(radii.R3));
}

} // namespace volvenda
