#include "radii_wording.h"

#include "runtime/catalogue.h"
#include "runtime/number_spelling.h"

namespace volvenda {

QString radiiInWords(const Radii &radii)
{
    //: The three radii of a curve, named as the window's fields are.
    return translate("Radii", "R1 %1, R2 %2, R3 %3")
        .arg(shortestSpelling(radii.R1), shortestSpelling(radii.R2), shortestSpelling(radii.R3));
}

} // namespace volvenda
