#include "picture_description.h"

#include "runtime/catalogue.h"
#include "runtime/number_spelling.h"
#include "trace/radii_wording.h"

#include <QStringList>

#include <cmath>

namespace volvenda {

void PictureDescription::wipe(std::optional<float> circle)
{
    m_circle = circle && std::isfinite(*circle) ? circle : std::nullopt;
    m_runs.clear();
}

void PictureDescription::beginRun(const Radii &radii, COLORREF colour)
{
    m_runs.push_back(Run {radii, colour, false, {}});
}

void PictureDescription::finishRun()
{
    if (!m_runs.empty())
        m_runs.back().finished = true;
}

void PictureDescription::stopRun(const QString &error)
{
    if (!m_runs.empty() && !m_runs.back().finished && m_runs.back().stoppedBy.isEmpty())
        m_runs.back().stoppedBy = error;
}

QString PictureDescription::text() const
{
    const QString circle = m_circle ? translate("Picture", "Grey circle, radius %1.").arg(shortestSpelling(*m_circle))
                                    : translate("Picture", "No grey circle.");
    if (m_runs.empty())
        //: %1 says whether there is a grey circle, and how large it is.
        return translate("Picture", "%1 No curves.").arg(circle);
    QStringList runs;
    for (const Run &run : m_runs) {
        const QString radii = radiiInWords(run.radii);
        const QString colour = colourInWords(run.colour);
        const QString hex = toQColor(run.colour).name();
        if (run.stoppedBy.isEmpty())
            //: A curve: %1 its radii (R1 120, R2 33, R3 40), %2 its colour in words, %3 as #rrggbb.
            runs << translate("Picture", "%1 in %2 (%3)").arg(radii, colour, hex);
        else
            //: As above; %4 is the error that stopped the curve before it was whole.
            runs << translate("Picture", "%1 in %2 (%3), stopped part-way by \"%4\"")
                        .arg(radii, colour, hex, run.stoppedBy);
    }
    //: %1 says whether there is a grey circle; %2 is the curves, each as said above.
    return translate("Picture", "%1 %n curves: %2.", nullptr, int(m_runs.size()))
        .arg(circle, runs.join(translate("Picture", "; ", "between the curves of a list")));
}

} // namespace volvenda
