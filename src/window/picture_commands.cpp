#include "picture_commands.h"

#include "picture_description.h"
#include "remedies.h"

#include "runtime/arithmetic.h"
#include "runtime/clock.h"
#include "runtime/locale_number.h"
#include "trace/reference_circle.h"

#include <cmath>
#include <new>
#include <utility>

namespace volvenda {

PictureCommands::PictureCommands(qreal devicePixelRatio)
    : m_surface(CanvasSize, devicePixelRatio, Qt::white)
    , m_drawing(m_surface, CanvasSize, Qt::white)
{
    m_surface.setPresentHandler([this](const QRect &changed) {
        if (m_present)
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
        m_state.X0 = CentreX;
        m_state.Y0 = CentreY;
        m_state.Dt = ParameterStep;
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
            m_drawing.ClearSurface();
            m_content = PictureContent();
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

std::optional<CommandFailure> PictureCommands::setDevicePixelRatio(qreal ratio)
{
    return run([&] { m_surface.setDevicePixelRatio(ratio); });
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
