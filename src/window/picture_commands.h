#pragma once

#include "drawing/raster_surface.h"
#include "drawing/recording_surface.h"
#include "runs/runs_file.h"
#include "runtime/random_generator.h"
#include "runtime/runtime_error.h"
#include "trace/start_command.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace volvenda {

// Why a command stopped: the error's own words, then what to do about it
// (empty where there is nothing more to say).
struct CommandFailure
{
    QString error;
    QString remedy;
};

// The window's commands and the state they share, with no widget: the
// picture as pixels and as vectors, the runs it holds, the random colours,
// and the history that Undo and Redo walk, of any depth: a step is the run
// it added, or the runs it replaced, never a picture. Each command runs at a boundary
// that turns a run-time error into the CommandFailure it returns; what was
// drawn before the error stays, and is presented either way.
class PictureCommands final
{
public:
    explicit PictureCommands(qreal devicePixelRatio);

    // Whoever shows the picture: told of each changed rectangle as it is
    // presented, and once of the whole canvas after a redraw.
    void setPresentHandler(RasterSurface::PresentHandler handler);

    // The remedy, when given, says what to do about an error of the given kind.
    using Remedy = std::function<QString(ErrorKind)>;
    std::optional<CommandFailure> run(const std::function<void()> &command, const Remedy &remedy = {});

    // Seeds the colours and draws the grey circle of R1 read strictly as a
    // single; the first state of the picture, which nothing undoes.
    std::optional<CommandFailure> startUp(const QString &R11);
    // Traces the fields' curve over the picture, one step of history.
    std::optional<CommandFailure> start(const FieldTexts &fields);
    // Wipes the picture and draws the grey circle of |R1| again; one step of
    // history that keeps what it wiped.
    std::optional<CommandFailure> clear(const QString &R11);
    // Takes back the last step, or does again the last one taken back, and
    // redraws the picture from its runs at once: pixel for pixel what the
    // step had before it, or after it. The random colours go on as they were.
    // Nothing happens when there is no such step.
    std::optional<CommandFailure> undo();
    std::optional<CommandFailure> redo();
    [[nodiscard]] bool canUndo() const { return !m_done.empty(); }
    [[nodiscard]] bool canRedo() const { return !m_undone.empty(); }
    std::optional<CommandFailure> setDevicePixelRatio(qreal ratio);
    // Replaces the picture with the runs of a runs file, drawn at once, as
    // one step of history; a run without a colour takes the next random one.
    // A file that cannot be read, or has a bad line, leaves it as it was.
    std::optional<CommandFailure> openRuns(const QString &path);
    // Writes the picture's runs as a runs file, whole or not at all.
    std::optional<CommandFailure> saveRuns(const QString &path);

    [[nodiscard]] const RasterSurface &surface() const { return m_surface; }
    // The same picture as vectors.
    [[nodiscard]] const VectorSurface &drawing() const { return m_drawing.record(); }
    [[nodiscard]] const TraceState &state() const { return m_state; }
    [[nodiscard]] const PictureContent &content() const { return m_content; }
    // The picture in words, for those who cannot see it.
    [[nodiscard]] QString description() const;

private:
    // A Start's step holds nothing while it is done, and its run once it is
    // undone; a step that replaced the picture holds the runs it does not show.
    struct Step
    {
        bool replaces = false;
        DrawnRun run;
        PictureContent other;
    };
    // Starts a step of history, forgetting what was undone.
    Step &record(bool replaces);
    // Takes the last step of from back or forward, and keeps it in to.
    void swapStep(std::vector<Step> &from, std::vector<Step> &to);
    // The circle and the runs drawn again from nothing, shown once. A run
    // that fails is kept as far as it gets, with its error.
    void redraw();

    TraceState m_state;
    RandomGenerator m_random;
    RasterSurface m_surface;
    // Where the commands draw: on the surface shown, and recorded for SVG.
    RecordingSurface m_drawing;
    PictureContent m_content;
    std::vector<Step> m_done;
    std::vector<Step> m_undone;
    RasterSurface::PresentHandler m_present;
    bool m_redrawing = false;
};

} // namespace volvenda
