#include "picture_commands.h"

#include "picture_description.h"
#include "remedies.h"

#include "output/atomic_file.h"
#include "output/printable.h"
#include "runtime/arithmetic.h"
#include "runtime/catalogue.h"
#include "runtime/clock.h"
#include "runtime/locale_number.h"
#include "trace/reference_circle.h"

#include <QFile>
#include <QScopeGuard>

#include <cmath>
#include <new>
#include <utility>

namespace volvenda {

PictureCommands::PictureCommands(qreal devicePixelRatio)
    : m_surface(CanvasSize, devicePixelRatio, Qt::white)
    , m_drawing(m_surface, CanvasSize, Qt::white)
{
    m_surface.setPresentHandler([this](const QRect &changed) {
        if (m_present && !m_redrawing)
            m_present(changed);
    });
}

void PictureCommands::setPresentHandler(RasterSurface::PresentHandler handler)
{
    m_present = std::move(handler);
}

std::optional<CommandFailure> PictureCommands::run(const std::function<void()> &command, const Remedy &remedy)
{
    // The command boundary: a run-time error ends the command, what it drew
    // stays, and the window goes on. No exception crosses the event loop.
    std::optional<CommandFailure> failure;
    try {
        command();
    } catch (const RuntimeError &error) {
        failure = CommandFailure {error.errorText(), remedy ? remedy(error.kind()) : QString()};
        if (failure->remedy.isEmpty())
            failure->remedy = outOfMemoryRemedy(error.kind());
    } catch (const std::bad_alloc &) {
        failure = CommandFailure {
            RuntimeError(ErrorKind::OutOfMemory).errorText(), outOfMemoryRemedy(ErrorKind::OutOfMemory)};
    } catch (const std::exception &error) {
        failure = CommandFailure {QString::fromLocal8Bit(error.what()), QString()};
    }
    // Whatever the command drew is on screen before anything is reported.
    m_drawing.Present();
    return failure;
}

std::optional<CommandFailure> PictureCommands::startUp(const QString &R11)
{
    return run([&] {
        m_random.reseed(secondsSinceMidnight());
        // The centre and the step every run is traced with.
        m_state = TraceState {};
        const float radius = readSingle(R11);
        drawReferenceCircle(m_drawing, radius);
        m_content.circle = radius;
    });
}

std::optional<CommandFailure> PictureCommands::start(const FieldTexts &fields)
{
    bool tracing = false;
    std::optional<CommandFailure> failure = run(
        [&] {
            const TracePlan plan = readStartCommand(m_state, fields, m_random);
            m_content.runs.push_back(DrawnRun {plan.radii, plan.colour, QString()});
            try {
                record(false);
            } catch (...) {
                m_content.runs.pop_back();
                throw;
            }
            tracing = true;
            drawStartCommand(m_state, plan, m_drawing);
            tracing = false;
        },
        [&](ErrorKind kind) { return startRemedy(kind, fields); });
    // The run stays in the picture as far as it got.
    if (failure && tracing)
        m_content.runs.back().failure = failure->error;
    return failure;
}

std::optional<CommandFailure> PictureCommands::clear(const QString &R11)
{
    return run(
        [&] {
            record(true).other = std::exchange(m_content, PictureContent());
            m_drawing.ClearSurface();
            // The thin pen is taken before the radius is read, and kept when it cannot be.
            m_drawing.PenWidth(ReferencePenWidth);
            // Read strictly as a double and made non-negative; a radius beyond single
            // precision becomes infinite, and the surface draws nothing for it.
            const float radius = narrowToSingle(std::fabs(readNumber(R11)));
            drawReferenceCircle(m_drawing, radius);
            m_content.circle = radius;
        },
        [&](ErrorKind kind) { return clearRemedy(kind, R11); });
}

std::optional<CommandFailure> PictureCommands::undo()
{
    return run([this] { swapStep(m_done, m_undone); });
}

std::optional<CommandFailure> PictureCommands::redo()
{
    return run([this] { swapStep(m_undone, m_done); });
}

PictureCommands::Step &PictureCommands::record(bool replaces)
{
    m_done.push_back(Step {replaces, {}, {}});
    m_undone.clear();
    return m_done.back();
}

void PictureCommands::swapStep(std::vector<Step> &from, std::vector<Step> &to)
{
    if (from.empty())
        return;
    // Room first, so that running out of memory leaves the history as it was.
    if (to.size() == to.capacity())
        to.reserve(2 * to.size() + 1);
    Step &step = from.back();
    if (step.replaces) {
        std::swap(m_content, step.other);
    } else if (&from == &m_done) {
        step.run = std::move(m_content.runs.back());
        m_content.runs.pop_back();
    } else {
        m_content.runs.push_back(std::move(step.run));
    }
    to.push_back(std::move(step));
    from.pop_back();
    redraw();
}

void PictureCommands::redraw()
{
    // As start-up, Clear and each Start drew them, but without showing each step.
    m_redrawing = true;
    const auto shown = qScopeGuard([this] { m_redrawing = false; });
    m_drawing.ClearSurface();
    m_drawing.PenWidth(ReferencePenWidth);
    if (m_content.circle)
        drawReferenceCircle(m_drawing, *m_content.circle);
    // The parameter is the loop's own; the last colour picked stays the state's.
    TraceState state = m_state;
    for (DrawnRun &run : m_content.runs) {
        try {
            drawStartCommand(state, TracePlan {run.radii, run.colour, TraceEnd, false}, m_drawing);
        } catch (const RuntimeError &error) {
            // A run that failed stops where it stopped the first time; one
            // from a file fails here first.
            if (error.kind() == ErrorKind::OutOfMemory)
                throw;
            if (run.failure.isEmpty())
                run.failure = error.errorText();
        }
    }
    m_redrawing = false;
    if (m_present)
        m_present(QRect(QPoint(0, 0), CanvasSize));
}

std::optional<CommandFailure> PictureCommands::setDevicePixelRatio(qreal ratio)
{
    return run([&] { m_surface.setDevicePixelRatio(ratio); });
}

std::optional<CommandFailure> PictureCommands::openRuns(const QString &path)
{
    return run(
        [&] {
            const QString shown = QLatin1Char('\'') + printable(path) + QLatin1Char('\'');
            const RunsFile file = readRunsFile(QFile::encodeName(path), shown, LargestRunCount);
            if (file.runs.empty() && !file.circleGiven)
                throw RuntimeError(ErrorKind::BadArgument, translate("Window", "%1 holds no runs").arg(shown));
            PictureContent opened {circleOf(file.circleGiven, file.circle, file.runs), {}};
            for (const Run &run : file.runs)
                opened.runs.push_back(
                    DrawnRun {run.radii, run.colour ? *run.colour : pickRunColour(m_state, m_random), {}});
            record(true).other = std::exchange(m_content, std::move(opened));
            redraw();
        },
        [](ErrorKind) { return translate("Window", "The picture stays as it was."); });
}

std::optional<CommandFailure> PictureCommands::saveRuns(const QString &path)
{
    return run([&] { writeFileAtomically(path, runsFileText(m_content)); });
}

QString PictureCommands::description() const
{
    PictureDescription description;
    description.wipe(m_content.circle ? std::optional(std::fabs(*m_content.circle)) : std::nullopt);
    for (const DrawnRun &run : m_content.runs) {
        description.beginRun(run.radii, run.colour);
        if (run.failure.isEmpty())
            description.finishRun();
        else
            description.stopRun(run.failure);
    }
    return description.text();
}

} // namespace volvenda
