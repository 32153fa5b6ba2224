#include "picture_description.h"

#include "runtime/catalogue.h"

#include <QStringList>

#include <array>
#include <charconv>
#include <cmath>

namespace volvenda {

namespace {

// The shortest spelling that reads back as the number: 120, -45, 60.5, 1e+39.
template<typename Real>
QString shortest(Real value)
{
    std::array<char, 32> text {};
    const std::to_chars_result written = std::to_chars(text.data(), text.data() + text.size(), value);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(written.ptr - text.data()));
}

} // namespace

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
    const QString circle = m_circle ? translate("Picture", "Grey circle, radius %1.").arg(shortest(*m_circle))
                                    : translate("Picture", "No grey circle.");
    if (m_runs.empty())
        //: %1 says whether there is a grey circle, and how large it is.
        return translate("Picture", "%1 No curves.").arg(circle);
    QStringList runs;
    for (const Run &run : m_runs) {
        const QString R1 = shortest(run.radii.R1);
        const QString R2 = shortest(run.radii.R2);
        const QString R3 = shortest(run.radii.R3);
        const QString colour = colourInWords(run.colour);
        const QString hex = toQColor(run.colour).name();
        if (run.stoppedBy.isEmpty())
            //: A curve: its three radii, then its colour in words and as #rrggbb.
            runs << translate("Picture", "R1 %1, R2 %2, R3 %3 in %4 (%5)").arg(R1, R2, R3, colour, hex);
        else
            //: As above; %6 is the error that stopped the curve before it was whole.
            runs << translate("Picture", "R1 %1, R2 %2, R3 %3 in %4 (%5), stopped part-way by \"%6\"")
                        .arg(R1, R2, R3, colour, hex, run.stoppedBy);
    }
    //: %1 says whether there is a grey circle; %2 is the curves, each as said above.
    return translate("Picture", "%1 %n curves: %2.", nullptr, int(m_runs.size()))
        .arg(circle, runs.join(translate("Picture", "; ", "between the curves of a list")));
}

} // namespace volvenda
