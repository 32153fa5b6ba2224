#include "program_options.h"

#include "drawing/picture_memory.h"
#include "runtime/catalogue.h"
#include "runtime/runtime_error.h"
#include "runtime/version.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <array>
#include <cmath>

namespace volvenda {

namespace {

struct ToolkitOption
{
    const char *name;
    // Empty for a switch.
    const char *valueName;
    // Empty keeps the option out of --help; it is still let through. A
    // source text of the catalogue.
    const char *description;
};

// The options the toolkit itself reads from the command line (QGuiApplication,
// QApplication and the X platform plugin).
constexpr std::array ToolkitOptions {
    ToolkitOption {"platform", "name[:options]",
        QT_TRANSLATE_NOOP("Options", "Opens the window through this platform plugin: xcb, wayland, ...")},
    ToolkitOption {"display", "display", QT_TRANSLATE_NOOP("Options", "Opens the window on this X display.")},
    ToolkitOption {
        "style", "style", QT_TRANSLATE_NOOP("Options", "Draws the buttons in this widget style, such as Fusion.")},
    ToolkitOption {"platformtheme", "theme",
        QT_TRANSLATE_NOOP("Options", "Takes colours and fonts from this platform theme, such as gtk3.")},
    ToolkitOption {"platformpluginpath", "path", ""},
    ToolkitOption {"plugin", "plugin", ""},
    ToolkitOption {"qwindowgeometry", "geometry",
        QT_TRANSLATE_NOOP("Options", "Opens the window at this place on an X screen, such as +100+50.")},
    ToolkitOption {"geometry", "geometry", ""},
    ToolkitOption {"qwindowicon", "icon", ""},
    ToolkitOption {"qwindowtitle", "title", ""},
    ToolkitOption {"session", "session", ""},
    ToolkitOption {"stylesheet", "file", ""},
    ToolkitOption {"qmljsdebugger", "port", ""},
    ToolkitOption {"fontengine", "engine", ""},
    ToolkitOption {"dialogs", "kind", ""},
    ToolkitOption {"name", "name", ""},
    ToolkitOption {"visual", "id", ""},
    ToolkitOption {"widgetcount", "", ""},
    ToolkitOption {"reverse", "", ""},
    ToolkitOption {"nograb", "", ""},
    ToolkitOption {"dograb", "", ""},
    ToolkitOption {"sync", "", ""},
};

ProgramOptions refuse(const QString &why)
{
    return {ProgramOptions::Action::Refuse,
        //: %1 is the program's name, %2 what is wrong with its arguments.
        translate("Options", "%1: %2 Try '%1 --help'.").arg(QLatin1String(ProgramName), why) + QLatin1Char('\n'), {},
        {}, {}};
}

// Quoted for a POSIX shell only where it has to be, so the usual path reads as it is.
QString shellQuoted(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:=+,@%-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace

ProgramOptions parseProgramOptions(const QStringList &arguments)
{
    // The usual start, from a menu or a launcher: nothing to parse, and no
    // parser to build before the window.
    if (arguments.size() <= 1)
        return {ProgramOptions::Action::OpenWindow, {}, {}, {}, {}};
    QCommandLineParser parser;
    parser.setApplicationDescription(translate("Options", "Draws epitrochoids: type R1, R2 and R3 and press Start."));
    // The toolkit's options are single-dash words: -platform is one option, not
    // -p -l -a -t -f -o -r -m.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        translate("Options", "Displays this help and exits."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")}, translate("Options", "Displays the version and exits."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
        translate("Options", "A runs file to open, as Open Runs does: one run a line, R1 R2 R3 RRGGBB."),
        QStringLiteral("[FILE]"));
    parser.addOption(help);
    parser.addOption(version);
    for (const ToolkitOption &known : ToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(known.name),
            *known.description == '\0' ? QString() : translate("Options", known.description),
            QString::fromLatin1(known.valueName));
        if (*known.description == '\0')
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        // Without an application object the parser cannot name the program.
        QString text = parser.helpText();
        text = translate("Options", "Usage: %1 [options] [FILE]").arg(QLatin1String(ProgramName))
            + text.mid(text.indexOf('\n'));
        return {ProgramOptions::Action::ShowHelp, text, {}, {}, {}};
    }
    if (parser.isSet(version))
        return {ProgramOptions::Action::ShowVersion,
            QStringLiteral("%1 %2\n").arg(QLatin1String(ProgramName), QLatin1String(ProgramVersion)), {}, {}, {}};
    // The window takes one runs file at most.
    if (parser.positionalArguments().size() > 1)
        return refuse(translate("Options", "Unexpected argument '%1'.").arg(parser.positionalArguments().at(1)));
    return {ProgramOptions::Action::OpenWindow, {}, parser.value(QStringLiteral("platform")),
        parser.value(QStringLiteral("display")), parser.positionalArguments().value(0)};
}

bool hasDisplay(const ProgramOptions &options)
{
    // Read one by one: a copy of the whole environment costs more than the rest of this.
    const bool x11 = !options.display.isEmpty() || !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    // The command line wins over the environment, as it does for the toolkit.
    const QString platforms = options.platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : options.platform;
    if (platforms.isEmpty())
        return x11 || wayland;
    // A list of platforms to try in turn, each possibly with options after a colon.
    for (const QString &entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        if (name == QLatin1String("xcb") ? x11 : name.startsWith(QLatin1String("wayland")) ? wayland : true)
            return true;
    }
    return false;
}

QString noDisplayMessage(const QString &programPath, const QStringList &arguments)
{
    QStringList command {QStringLiteral("xvfb-run"), QStringLiteral("-a"), shellQuoted(programPath)};
    for (const QString &argument : arguments)
        command << shellQuoted(argument);
    //: %1 is the program's name, %2 a command to type as it is.
    return translate("Options",
               "%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); to run it on a "
               "virtual X server: sudo apt-get install xvfb xauth && %2")
               .arg(QLatin1String(ProgramName), command.join(QLatin1Char(' ')))
        + QLatin1Char('\n');
}

std::size_t windowAddressSpaceNeed()
{
    // Measured under limits in 1 MB steps on X11 and Wayland, with the
    // accessibility bridge: a Start and the save dialog need about 55 MB on
    // two processors, 16 MB of them for the helpers. The rest is doubled.
    constexpr std::size_t toolkit = std::size_t(96) << 20U;
    return toolkit + paintHelperHeadroom();
}

QString tooLittleMemoryMessage(std::optional<std::size_t> left)
{
    // Without a limit there is nothing to weigh, and start-up asks nothing more.
    if (!left)
        return {};
    const std::size_t need = windowAddressSpaceNeed();
    if (*left >= need)
        return {};
    constexpr double megabyte = 1 << 20U;
    //: %1 is the program's name, %2 the error "Out of memory"; %3 and %4 are sizes in megabytes.
    return translate("Options",
               "%1: %2: the window needs about %3 MB of address space beyond the program itself, and the limit "
               "(ulimit -v) leaves %4 MB; raise the limit to open it")
               .arg(QLatin1String(ProgramName), RuntimeError(ErrorKind::OutOfMemory).errorText())
               .arg(std::ceil(double(need) / megabyte))
               .arg(std::floor(double(*left) / megabyte))
        + QLatin1Char('\n');
}

void prepareToolkit()
{
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT"))
        qputenv("QT_WAYLAND_FRAME_CALLBACK_TIMEOUT", "0");
}

} // namespace volvenda
