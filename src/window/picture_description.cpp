#include "picture_description.h"

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
    QString text = m_circle ? QStringLiteral("Grey circle, radius %1.").arg(shortest(*m_circle))
                            : QStringLiteral("No grey circle.");
    if (m_runs.empty())
        return text + QStringLiteral(" No curves.");
    QStringList runs;
    for (const Run &run : m_runs) {
        QString words = QStringLiteral("R1 %1, R2 %2, R3 %3 in %4 (%5)")
                            .arg(shortest(run.radii.R1), shortest(run.radii.R2), shortest(run.radii.R3),
                                colourInWords(run.colour), toQColor(run.colour).name());
        if (!run.stoppedBy.isEmpty())
            words += QStringLiteral(", stopped part-way by \"%1\"").arg(run.stoppedBy);
        runs << words;
    }
    const QString count
        = m_runs.size() == 1 ? QStringLiteral("1 curve") : QStringLiteral("%1 curves").arg(m_runs.size());
    return text + QLatin1Char(' ') + count + QStringLiteral(": ") + runs.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace volvenda
