#include "number_wording.h"

#include "runtime/catalogue.h"
#include "runtime/number_spelling.h"
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
        //: A number of pixels, such as 1.5 billion; %1 is written with a period.
        return translate("Renderer", "%1 billion").arg(QString::number(value / 1e9, 'g', 3));
    if (value >= 1e6)
        return translate("Renderer", "%1 million").arg(QString::number(value / 1e6, 'g', 3));
    return withThousands(value);
}

QString runInWords(std::size_t index, const Radii &radii)
{
    //: %1 is the run's number, %2 its radii.
    return translate("Renderer", "run %1 (%2)").arg(QString::number(index + 1), radiiInWords(radii));
}

QString layerName(std::size_t index, const Radii &radii)
{
    //: A plotter's layer: the run's radii, written without commas as plotting software shows layer names.
    return QString::number(index + 1) + QLatin1Char(' ')
        + translate("Plotter", "R1 %1 R2 %2 R3 %3")
              .arg(shortestSpelling(radii.R1), shortestSpelling(radii.R2), shortestSpelling(radii.R3));
}

QString circleLayerName()
{
    //: A plotter's layer that holds the grey circle under the curves, a guide the plotter does not draw.
    return QStringLiteral("% ") + translate("Plotter", "reference circle");
}

} // namespace volvenda
