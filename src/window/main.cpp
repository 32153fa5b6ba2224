#include "main_window.h"
#include "program_options.h"

#include "remedies.h"

#include "drawing/picture_memory.h"
#include "output/standard_output.h"
#include "runtime/catalogue.h"
#include "runtime/process_setup.h"
#include "runtime/runtime_error.h"
#include "runtime/system_reason.h"
#include "runtime/version.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <new>
#include <optional>

namespace {

// Where the program really is, for a command that works as typed whichever
// way it was started (by PATH, a relative path or a link).
QString programPath(const char *calledAs)
{
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    return executable.isEmpty() ? QFileInfo(QString::fromLocal8Bit(calledAs)).absoluteFilePath() : executable;
}

// A window that cannot be made is said on standard error, and the program
// ends. Not in a message box: with too little memory for the window's
// picture, the toolkit fails to make one and then crashes as it ends.
int failToOpen(const volvenda::RuntimeError &error)
{
    //: %1 is the program's name, %2 the error, %3 what to do about it.
    const QString message
        = volvenda::translate("Options", "%1: %2; %3")
              .arg(QLatin1String(volvenda::ProgramName), error.errorText(), volvenda::startUpRemedy(error.kind()));
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    volvenda::prepareProcess();
    // Before anything is said: --help and a refusal are in the user's language too.
    volvenda::loadCatalogue(volvenda::wantedLanguages());
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    // Before the application object, which would need a display.
    const volvenda::ProgramOptions options = volvenda::parseProgramOptions(arguments);
    switch (options.action) {
    case volvenda::ProgramOptions::Action::ShowHelp:
    case volvenda::ProgramOptions::Action::ShowVersion:
        // Output nobody receives is a failure, as for any standard tool.
        if (const auto written = volvenda::writeStandardOutput(options.text.toLocal8Bit()); !written) {
            //: %1 is the program's name, %2 the system's reason.
            std::fprintf(stderr, "%s\n",
                qPrintable(volvenda::translate("Options", "%1: cannot write to standard output: %2")
                               .arg(QLatin1String(volvenda::ProgramName), volvenda::systemReason(written.error()))));
            return 1;
        }
        return 0;
    case volvenda::ProgramOptions::Action::Refuse:
        std::fputs(qPrintable(options.text), stderr);
        return 2;
    case volvenda::ProgramOptions::Action::OpenWindow:
        break;
    }
    // Without a display the toolkit would abort with a message about plugins;
    // say plainly what is missing instead.
    if (!volvenda::hasDisplay(options)) {
        std::fputs(qPrintable(volvenda::noDisplayMessage(programPath(argv[0]), arguments.mid(1))), stderr);
        return 1;
    }

    // Nor would it come back from too little memory.
    if (const QString refusal = volvenda::tooLittleMemoryMessage(volvenda::addressSpaceLeft()); !refusal.isEmpty()) {
        std::fputs(qPrintable(refusal), stderr);
        return 1;
    }

    volvenda::prepareToolkit();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QLatin1String(volvenda::ProgramName));
    QApplication::setApplicationDisplayName(QStringLiteral("Volvenda"));
    QApplication::setApplicationVersion(QLatin1String(volvenda::ProgramVersion));
    QApplication::setDesktopFileName(QStringLiteral("io.github.volvenda.Volvenda"));

    // The window's picture is taken as it is made.
    std::optional<volvenda::MainWindow> window;
    try {
        window.emplace();
    } catch (const volvenda::RuntimeError &error) {
        return failToOpen(error);
    } catch (const std::bad_alloc &) {
        return failToOpen(volvenda::RuntimeError(volvenda::ErrorKind::OutOfMemory));
    }
    window->show();
    // A bad file still opens the window, with the error box over it.
    if (!options.runsFile.isEmpty())
        QMetaObject::invokeMethod(
            &*window, [&window, &options] { window->openRuns(options.runsFile); }, Qt::QueuedConnection);
    return QApplication::exec();
}
