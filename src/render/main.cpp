// volvenda-render: the window's curves as PNG and SVG files, from the command line.

#include "animation.h"
#include "command_line.h"
#include "planning.h"
#include "progress.h"
#include "renderer_name.h"

#include "runs/runs_file.h"

#include "drawing/raster_surface.h"
#include "output/animation_writing.h"
#include "output/atomic_file.h"
#include "output/file_target.h"
#include "output/picture_writing.h"
#include "output/plotter_svg.h"
#include "output/standard_output.h"
#include "runtime/catalogue.h"
#include "runtime/clock.h"
#include "runtime/process_setup.h"
#include "runtime/random_generator.h"
#include "runtime/runtime_error.h"
#include "runtime/system_reason.h"
#include "runtime/terminal_text.h"
#include "runtime/version.h"
#include "trace/start_command.h"

#include <QCoreApplication>

#include <clocale>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

using namespace volvenda;

namespace {

enum ExitStatus { Success = 0, Failure = 1, BadArguments = 2 };

// 2 for what the user is to put right in the command: an argument, a line of
// the runs file, an output that is no file to write; 1 for the rest.
ExitStatus exitStatusOf(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::BadArgument:
    case ErrorKind::FileRefused:
        return BadArguments;
    case ErrorKind::TypeMismatch:
    case ErrorKind::Overflow:
    case ErrorKind::DivisionByZero:
    case ErrorKind::OutOfMemory:
    case ErrorKind::FileWriteFailed:
    case ErrorKind::WorkRefused:
        return Failure;
    }
    return Failure;
}

// The one line that reports a failure, and the status the command ends with.
int complain(const RuntimeError &error)
{
    QString message = error.errorText();
    if (error.kind() == ErrorKind::BadArgument)
        //: %1 says what is wrong with the arguments.
        message = translate("Renderer", "%1 (see --help)").arg(message);
    std::fprintf(stderr, "%s: %s\n", RendererName, terminalBytes(message).constData());
    return exitStatusOf(error.kind());
}

// Output nobody receives is a failure, as for any standard tool.
int printOut(const QByteArray &text)
{
    const SystemResult<void> written = writeStandardOutput(text);
    if (!written)
        throw RuntimeError(ErrorKind::FileWriteFailed,
            translate("Renderer", "cannot write to standard output: %1").arg(systemReason(written.error())));
    return Success;
}

// Each run's colour: its own, or else the one the window's Start would pick
// at that press, from one generator and state for the whole picture, so that
// fixing one run's colour leaves the others' as they were.
std::vector<COLORREF> runColours(const RenderOptions &options)
{
    RandomGenerator random(options.seed.value_or(0));
    if (!options.seed)
        random.reseed(secondsSinceMidnight());
    TraceState state;
    std::vector<COLORREF> colours;
    for (const Run &run : options.runs) {
        const COLORREF picked = pickRunColour(state, random);
        colours.push_back(run.colour.value_or(picked));
    }
    return colours;
}

void drawAndWrite(const RenderOptions &options, const PictureRequest &request, AtomicFile &file, Progress &progress)
{
    const auto drawing = [&](double done) { progress.report(QT_TRANSLATE_NOOP("Renderer", "drawing"), done); };
    const auto writing = [&](double done) { progress.report(QT_TRANSLATE_NOOP("Renderer", "writing"), done); };
    SvgOptions svg;
    svg.view = request.view;
    svg.drawingSeconds = options.animate;
    svg.loop = options.loop;
    bool written = false;
    if (options.page) {
        LayeredDrawing surface(CanvasSize);
        drawPicture(request, surface, drawing);
        written = writePlotterSvg(surface, layerNames(request), file.device(), *options.page);
    } else if (options.format == PictureFormat::Svg) {
        VectorSurface surface(CanvasSize, Qt::white);
        drawPicture(request, surface, drawing);
        written = writePicture(file.device(), options.format, {nullptr, &surface}, svg);
    } else {
        // Saved, never shown: the compact format, three bytes a pixel.
        RasterSurface surface(CanvasSize, request.view, options.scale, Qt::white, QImage::Format_RGB888);
        if (!request.frames.empty()) {
            const std::unique_ptr<AnimationWriter> writer
                = animationWriter(options.format, file.device(), {pictureColours(request, Qt::white), options.loop});
            written = drawAnimation(request, surface, *writer, drawing) && writer->finish(surface.image());
        } else {
            drawPicture(request, surface, drawing);
            written = writePicture(file.device(), options.format, {&surface.image(), nullptr}, svg, writing);
        }
    }
    // A failed write is kept by the device and reported here.
    file.commit(written);
}

void render(const RenderOptions &options)
{
    // Before any work: what the name names, then the work, then whether
    // the folder takes a new file.
    checkFileTarget(options.output);
    const PictureRequest request = planPicture(options, runColours(options));
    AtomicFile file(options.output);
    // Its line is wiped when it goes, before any error below is shown.
    Progress progress = Progress::onStandardError();
    drawAndWrite(options, request, file, progress);
}

int renderCommand(int argc, char *argv[])
{
    // The arguments as the system gave them: decoding them first would turn
    // bytes that are not UTF-8 into other characters, and a file name into another.
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);

    // Answered before the application object opens any file: with standard
    // output closed, the first file opened would take its place.
    const CommandLine commandLine = parseCommandLine(arguments);
    switch (commandLine.action) {
    case CommandLine::Action::Help:
        return printOut(terminalBytes(usageText()));
    case CommandLine::Action::Version:
        return printOut(QByteArray(RendererName) + ' ' + ProgramVersion + '\n');
    case CommandLine::Action::Render:
        break;
    }
    // The system's reasons in the user's language from the first one: the
    // application object would set the locale only after the runs file is
    // read, and a reason about it would be in another language than the rest.
    std::setlocale(LC_ALL, "");
    // All the runs are known before any work. Read before the application
    // object opens a file, which with standard input closed would be read
    // as the runs instead.
    RenderOptions options = commandLine.options;
    addRunsFile(options);
    // It only ever draws into images: no window system, so no display needed.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(RendererName));
    QCoreApplication::setApplicationVersion(QLatin1String(ProgramVersion));
    render(options);
    return Success;
}

} // namespace

int main(int argc, char *argv[])
{
    prepareProcess();
    // Every message in the user's language, as far as the terminal's
    // character set holds it (KOI8-R holds Russian, not German); the rest in
    // English. The character set is the locale's, taken here; the rest of the
    // locale is taken later, as before.
    std::setlocale(LC_CTYPE, "");
    loadCatalogue(wantedLanguages(), terminalCanShow);
    try {
        return renderCommand(argc, argv);
    } catch (const RuntimeError &error) {
        return complain(error);
    } catch (const std::bad_alloc &) {
        // Wherever the memory ran out, from reading the runs file to writing
        // the picture, the earlier file is kept: the new one was never put
        // in its place.
        return complain(RuntimeError(ErrorKind::OutOfMemory));
    }
}
