#include "progress.h"

#include "renderer_name.h"

#include "runtime/catalogue.h"
#include "runtime/terminal_text.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

#include <unistd.h>

namespace volvenda {

Progress::Progress(bool enabled, Output output, Clock clock, qint64 delay)
    : m_enabled(enabled)
    , m_output(std::move(output))
    , m_clock(std::move(clock))
    , m_showFrom(m_enabled ? m_clock() + delay : 0)
{
}

Progress Progress::onStandardError()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return Progress(
        ::isatty(STDERR_FILENO) == 1,
        [](const QByteArray &text) {
            // The line holds no null character: written as text, and at once,
            // since standard error is never buffered.
            std::fputs(text.constData(), stderr);
        },
        [timer] { return timer->elapsed(); });
}

void Progress::report(const char *phase, double fraction)
{
    if (!m_enabled || m_clock() < m_showFrom)
        return;
    const int percent = static_cast<int>(std::floor(std::clamp(fraction, 0.0, 1.0) * 100.0));
    //: A render's progress: %1 is the program's name, %2 what it is doing (drawing, writing), %3 how far, in percent.
    const QByteArray line
        = terminalBytes(translate("Renderer", "%1: %2 %3%")
                            .arg(QLatin1String(RendererName), translate("Renderer", phase), QString::number(percent)));
    if (line == m_shown)
        return;
    // Back to the start of the line, and blanks over what a longer line left.
    const qsizetype leftOver = std::max<qsizetype>(m_shown.size() - line.size(), 0);
    m_output('\r' + line + QByteArray(leftOver, ' ') + QByteArray(leftOver, '\b'));
    m_shown = line;
}

void Progress::clear()
{
    if (m_shown.isEmpty())
        return;
    m_output('\r' + QByteArray(m_shown.size(), ' ') + '\r');
    m_shown.clear();
}

} // namespace volvenda
