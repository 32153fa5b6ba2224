#include "picture_description.h"

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
    QString text = m_circle ? QStringLiteral("Grey circle, radius %1.").arg(shortestSpelling(*m_circle))
                            : QStringLiteral("No grey circle.");
    if (m_runs.empty())
        return text + QStringLiteral(" No curves.");
    QStringList runs;
    for (const Run &run : m_runs) {
        QString words = QStringLiteral("%1 in %2 (%3)")
                            .arg(radiiInWords(run.radii), colourInWords(run.colour), toQColor(run.colour).name());
        if (!run.stoppedBy.isEmpty())
            words += QStringLiteral(", stopped part-way by \"%1\"").arg(run.stoppedBy);
        runs << words;
    }
    const QString count
        = m_runs.size() == 1 ? QStringLiteral("1 curve") : QStringLiteral("%1 curves").arg(m_runs.size());
    return text + QLatin1Char(' ') + count + QStringLiteral(": ") + runs.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace volvenda
