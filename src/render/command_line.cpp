#include "command_line.h"

#include "number_wording.h"
#include "renderer_name.h"

#include "runs/argument_values.h"
#include "runs/runs_file.h"

#include "output/printable.h"
#include "runtime/catalogue.h"
#include "runtime/digits.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <vector>

namespace volvenda {

namespace {

// A negative number such as -80 is a radius, not an option; so are the
// spellings of infinity and not-a-number after a minus, to be refused as a
// radius as they are without it.
bool looksLikeNumber(const QByteArray &argument)
{
    if (argument.size() < 2 || argument[0] != '-')
        return false;
    const QByteArray rest = argument.mid(1).toLower();
    return isAsciiDigit(QLatin1Char(rest[0])) || rest[0] == '.' || rest == "inf" || rest == "infinity" || rest == "nan";
}

// Digits with at most one period among or before them, and nothing else: no
// sign, exponent or blanks.
std::optional<double> plainDecimal(const QString &text)
{
    qsizetype digits = 0;
    qsizetype periods = 0;
    for (const QChar c : text) {
        digits += isAsciiDigit(c) ? 1 : 0;
        periods += c == u'.' ? 1 : 0;
    }
    if (digits == 0 || periods > 1 || digits + periods != text.size())
        return std::nullopt;
    return QLocale::c().toDouble(text);
}

// What the arguments ask for: the options, and help or the version instead.
struct Given
{
    RenderOptions options;
    // Each --color, for the runs in order.
    std::vector<COLORREF> colours;
    bool help = false;
    bool version = false;
    // Given for a --page, and refused without one.
    std::optional<double> margin;
    std::optional<double> pen;
    bool scaleGiven = false;
};

// The sizes of paper a --page may name, upright, in millimetres.
struct PaperSize
{
    const char *name;
    double width;
    double height;
};
constexpr std::array PaperSizes {
    PaperSize {"A4", 210.0, 297.0},
    PaperSize {"A3", 297.0, 420.0},
    PaperSize {"A5", 148.0, 210.0},
    PaperSize {"letter", 215.9, 279.4},
};

// A named size in any case, or WIDTHxHEIGHT in millimetres.
QSizeF readPageSize(const Argument &value)
{
    for (const PaperSize &paper : PaperSizes)
        if (value.text.compare(QLatin1String(paper.name), Qt::CaseInsensitive) == 0)
            return {paper.width, paper.height};
    // 210x297, 210X297 or 210×297, as people write it.
    const QStringList sides = value.text.split(QRegularExpression(QStringLiteral("[xX\u00d7]")));
    const auto side = [&](qsizetype index) {
        const std::optional<double> millimetres = sides.size() == 2 ? plainDecimal(sides[index]) : std::nullopt;
        return millimetres && *millimetres >= SmallestPageSide && *millimetres <= LargestPageSide ? millimetres
                                                                                                  : std::nullopt;
    };
    const std::optional<double> width = side(0);
    const std::optional<double> height = side(1);
    if (!width || !height)
        refuseArgument(translate("Renderer",
            "--page takes A4, A3, A5, letter or WIDTHxHEIGHT in millimetres, each from %1 to %2, such as "
            "210x297, not %3")
                           .arg(QString::number(SmallestPageSide), QString::number(LargestPageSide), value.quoted()));
    return {*width, *height};
}

// An option the renderer takes: its name, its short name (empty for none),
// whether it takes a value (after it, or after '=' for the long name) and
// what it sets. set refuses a bad value; it is handed the option as it was
// spelled, and an empty value for a switch.
struct Option
{
    const char *name;
    const char *shortName;
    bool takesValue;
    void (*set)(Given &given, const Argument &value, const QString &spelled);
};

constexpr std::array KnownOptions {
    Option {"--help", "-h", false, [](Given &given, const Argument &, const QString &) { given.help = true; }},
    Option {"--version", "-v", false, [](Given &given, const Argument &, const QString &) { given.version = true; }},
    Option {"--until-closed", "", false,
        [](Given &given, const Argument &, const QString &) { given.options.untilClosed = true; }},
    Option {"--no-reference", "", false,
        [](Given &given, const Argument &, const QString &) { given.options.reference = false; }},
    Option {"--loop", "", false, [](Given &given, const Argument &, const QString &) { given.options.loop = true; }},
    Option {"--animate", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const std::optional<double> seconds = plainDecimal(value.text);
            if (!seconds || *seconds < ShortestAnimation || *seconds > LongestAnimation)
                refuseArgument(
                    translate("Renderer", "--animate takes seconds from %1 to %2, such as 2.5, not %3")
                        .arg(QString::number(ShortestAnimation), QString::number(LongestAnimation), value.quoted()));
            given.options.animate = seconds;
        }},
    Option {"--fit", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const std::optional<qulonglong> margin = readDigits(value.text, LargestFitMargin);
            if (!margin)
                refuseArgument(translate("Renderer", "--fit takes a margin in whole pixels from 0 to %1, not %2")
                                   .arg(LargestFitMargin)
                                   .arg(value.quoted()));
            given.options.fit = static_cast<int>(*margin);
        }},
    Option {"--output", "-o", true,
        [](Given &given, const Argument &value, const QString &spelled) {
            if (value.bytes.isEmpty())
                refuseArgument(translate("Renderer", "%1 needs a file name").arg(spelled));
            // Read any other way, the name would be another file's.
            if (!value.utf8)
                refuseArgument(
                    translate("Renderer", "the output file's name is not UTF-8 text: %1").arg(value.quoted()));
            given.options.output = value.text;
        }},
    Option {"--color", "", true,
        [](Given &given, const Argument &value, const QString &) {
            given.colours.push_back(readColour(QStringLiteral("--color"), value));
        }},
    Option {"--runs", "", true,
        [](Given &given, const Argument &value, const QString &) {
            if (value.bytes.isEmpty())
                refuseArgument(translate("Renderer", "--runs needs a file name, or - for standard input"));
            if (given.options.runsFile)
                refuseArgument(translate("Renderer", "--runs is given once, not again with %1").arg(value.quoted()));
            given.options.runsFile = value.bytes;
        }},
    Option {"--seed", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const std::optional<qulonglong> seed = readDigits(value.text, LargestSeed);
            if (!seed)
                refuseArgument(translate("Renderer", "--seed takes a whole number from 0 to %1, not %2")
                                   .arg(LargestSeed)
                                   .arg(value.quoted()));
            given.options.seed = static_cast<std::uint32_t>(*seed);
        }},
    Option {"--scale", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const std::optional<qulonglong> scale = readDigits(value.text, LargestScale);
            if (!scale || *scale < 1)
                refuseArgument(translate("Renderer", "--scale takes a whole number from 1 to %1, not %2")
                                   .arg(LargestScale)
                                   .arg(value.quoted()));
            given.options.scale = static_cast<int>(*scale);
            given.scaleGiven = true;
        }},
    Option {"--page", "", true,
        [](Given &given, const Argument &value, const QString &) {
            given.options.page = PlotterPage {readPageSize(value), 0.0, 0.0};
        }},
    Option {"--margin", "", true,
        [](Given &given, const Argument &value, const QString &) {
            given.margin = plainDecimal(value.text);
            if (!given.margin || *given.margin > LargestPageMargin)
                refuseArgument(translate("Renderer", "--margin takes millimetres from 0 to %1, such as 15, not %2")
                                   .arg(QString::number(LargestPageMargin), value.quoted()));
        }},
    Option {"--pen", "", true,
        [](Given &given, const Argument &value, const QString &) {
            given.pen = plainDecimal(value.text);
            if (!given.pen || *given.pen < SmallestPen || *given.pen > LargestPen)
                refuseArgument(
                    translate("Renderer", "--pen takes a width in millimetres from %1 to %2, such as 0.3, not %3")
                        .arg(QString::number(SmallestPen), QString::number(LargestPen), value.quoted()));
        }},
};

// Reads the arguments in one pass, refusing the first bad one.
class Parser
{
public:
    explicit Parser(const QList<QByteArray> &arguments)
    {
        m_arguments.reserve(arguments.size());
        for (const QByteArray &argument : arguments)
            m_arguments.emplace_back(argument);
    }

    CommandLine parse();

private:
    // The value of an option given as "--name value" or "--name=value".
    Argument valueOf(const QString &option, const std::optional<Argument> &inlineValue);
    void takeOption(const Argument &argument);
    void takeRuns();
    void checkOutput();
    void checkPage();

    std::vector<Argument> m_arguments;
    std::size_t m_next = 0;
    Given m_given;
    std::vector<Argument> m_positional;
};

Argument Parser::valueOf(const QString &option, const std::optional<Argument> &inlineValue)
{
    if (inlineValue)
        return *inlineValue;
    if (m_next >= m_arguments.size())
        refuseArgument(translate("Renderer", "%1 needs a value").arg(option));
    return m_arguments[m_next++];
}

void Parser::takeOption(const Argument &argument)
{
    QByteArray name = argument.bytes;
    std::optional<Argument> inlineValue;
    if (const qsizetype equals = name.indexOf('='); name.startsWith("--") && equals > 0) {
        inlineValue.emplace(name.mid(equals + 1));
        name.truncate(equals);
    }
    const auto option = std::find_if(KnownOptions.begin(), KnownOptions.end(),
        [&name](const Option &known) { return name == known.name || (*known.shortName && name == known.shortName); });
    if (option == KnownOptions.end())
        refuseArgument(translate("Renderer", "unknown option %1").arg(argument.quoted()));
    const QString spelled = QString::fromLatin1(name);
    if (!option->takesValue && inlineValue)
        refuseArgument(translate("Renderer", "%1 takes no value").arg(spelled));
    option->set(m_given, option->takesValue ? valueOf(spelled, inlineValue) : Argument(QByteArray()), spelled);
}

void Parser::takeRuns()
{
    RenderOptions &options = m_given.options;
    const std::size_t radii = m_positional.size();
    if (radii < 3 && !(radii == 0 && options.runsFile))
        refuseArgument(translate("Renderer", "three radii are needed, R1 R2 R3; %1 given").arg(radii));
    if (radii % 3 != 0)
        refuseArgument(translate("Renderer", "three radii are needed for each run, R1 R2 R3; %1 given").arg(radii));
    if (radii / 3 > LargestRunCount)
        refuseArgument(
            translate("Renderer", "%1 runs are more than the limit of %2").arg(radii / 3).arg(LargestRunCount));
    for (std::size_t at = 0; at < radii; at += 3) {
        // A single run's radii are named as the window names its fields.
        options.runs.push_back(
            {readRadii(m_positional[at], m_positional[at + 1], m_positional[at + 2], radii == 3 ? 0 : at / 3 + 1),
                std::nullopt});
    }
    const std::vector<COLORREF> &colours = m_given.colours;
    if (colours.size() > options.runs.size()) {
        //: How often --color is given: once, twice, 3 times.
        const QString given = translate("Renderer", "%n times", nullptr, int(colours.size()));
        const QString runs = translate("Renderer", "%n runs", nullptr, int(options.runs.size()));
        // The runs of a runs file have their colours on their lines.
        if (options.runsFile)
            refuseArgument(translate("Renderer",
                "more colours than runs: --color given %1, for %2 given as arguments; it "
                "colours only those, and a run of the --runs file has its colour on its line")
                               .arg(given, runs));
        refuseArgument(translate("Renderer", "more colours than runs: --color given %1, for %2").arg(given, runs));
    }
    for (std::size_t run = 0; run < colours.size(); ++run)
        options.runs[run].colour = colours[run];
}

void Parser::checkOutput()
{
    RenderOptions &options = m_given.options;
    if (options.output.isEmpty())
        refuseArgument(translate("Renderer", "no output file: give one with -o FILE.png, -o FILE.svg or -o FILE.gif"));
    const std::optional<PictureFormat> format = formatOfName(options.output);
    if (!format)
        refuseArgument(translate("Renderer", "the output file must end in .png, .svg or .gif: '%1'")
                           .arg(printable(QStringView(options.output))));
    options.format = *format;
    checkPage();
    if (options.format == PictureFormat::Svg && options.scale != 1)
        refuseArgument(translate("Renderer", "--scale applies to PNG and GIF output only"));
    if (options.format == PictureFormat::Gif && !options.animate)
        refuseArgument(translate("Renderer",
            "a GIF is written as an animation: give --animate SECONDS (a still "
            "picture is best as .png)"));
    if (options.loop && !options.animate)
        refuseArgument(translate("Renderer", "--loop repeats an animation: it needs --animate"));
}

// A page is a still SVG drawing sized in millimetres, which the options for
// pixels and motion would contradict.
void Parser::checkPage()
{
    RenderOptions &options = m_given.options;
    if (!options.page) {
        if (m_given.margin || m_given.pen)
            refuseArgument(translate("Renderer", "%1 is for a plotter's page: it needs --page")
                               .arg(QLatin1String(m_given.margin ? "--margin" : "--pen")));
        return;
    }
    if (options.format != PictureFormat::Svg)
        refuseArgument(translate("Renderer", "--page applies to SVG output only"));
    if (options.fit)
        refuseArgument(translate("Renderer", "--page fills the page with what is drawn: it takes no --fit"));
    if (m_given.scaleGiven)
        refuseArgument(translate("Renderer", "--page sizes the picture in millimetres: it takes no --scale"));
    if (options.animate)
        refuseArgument(translate("Renderer",
            "--page is for plotters, which draw a still picture: it takes no "
            "--animate"));
    PlotterPage &page = *options.page;
    page.margin = m_given.margin.value_or(DefaultPageMargin);
    page.pen = m_given.pen.value_or(DefaultPen);
    const double room = std::min(page.size.width(), page.size.height()) - 2.0 * page.margin - page.pen;
    if (room < SmallestPictureSide)
        refuseArgument(translate("Renderer",
            "margins of %1 mm and a pen of %2 mm leave %3 mm of the %4 x %5 mm page for the picture, less than "
            "%6 mm; smaller margins, a thinner pen or a larger page leave more")
                           .arg(QString::number(page.margin), QString::number(page.pen),
                               QString::number(std::max(room, 0.0)), QString::number(page.size.width()),
                               QString::number(page.size.height()), QString::number(SmallestPictureSide)));
}

CommandLine Parser::parse()
{
    bool optionsEnded = false;
    while (m_next < m_arguments.size()) {
        const Argument &argument = m_arguments[m_next++];
        if (!optionsEnded && argument.bytes == "--")
            optionsEnded = true;
        else if (!optionsEnded && argument.bytes.startsWith('-') && !looksLikeNumber(argument.bytes))
            takeOption(argument);
        else
            m_positional.push_back(argument);
    }
    if (m_given.help)
        return {CommandLine::Action::Help, {}};
    if (m_given.version)
        return {CommandLine::Action::Version, {}};
    takeRuns();
    checkOutput();
    return {CommandLine::Action::Render, m_given.options};
}

} // namespace

CommandLine parseCommandLine(const QList<QByteArray> &arguments)
{
    return Parser(arguments).parse();
}

// The manual page is made from this text by help2man, which turns the
// "Options:" and "Examples:" headings into the page's sections and sets the
// "$ " lines in type for commands. "Exit status:" is cut from its page, which
// has the section written out. The page is made from the English text; each
// paragraph is a text of its own in the catalogues. The limits are the
// program's own, and so is the canvas's size.
QString usageText()
{
    const QString name = QLatin1String(RendererName);
    return QStringList {
        //: --help's paragraphs, each ending in a line break, its lines about as long as the English ones. The
        //: options' lines keep the option itself, and what it does in one column after it.
        translate("Help",
            "Usage: %1 [options] R1 R2 R3 [R1 R2 R3 ...]\n"
            "Draws the epitrochoid of the fixed radius R1, the rolling radius R2 and the pen\n"
            "distance R3 into a PNG, SVG or GIF file, as the Volvenda window draws it. Each\n"
            "further three radii are one more press of Start over the same picture, drawn\n"
            "in order, each curve in a colour of its own; the grey circle is the first R1's.\n")
            .arg(name),
        translate("Help",
            "Options:\n"
            "  -o, --output FILE   where to write; the format follows the extension: .png, .svg or .gif\n"
            "  --color RRGGBB      a curve's colour (hex), given once for each run given as\n"
            "                      an argument, in order; a run without one takes a random\n"
            "                      colour (a runs file gives a run's colour on its line)\n"
            "  --seed N            seed the random colours, so the same command gives the same file\n"
            "  --runs FILE         draw the runs of FILE (- for standard input) after those given\n"
            "                      as arguments: one a line, R1 R2 R3 and maybe a colour RRGGBB;\n"
            "                      blank lines and lines that begin with # are skipped; a line\n"
            "                      'circle R' or 'circle none' gives the grey circle instead of\n"
            "                      the first run's R1 (the window's Save Runs As writes such files)\n"
            "  --scale K           PNG and GIF only: K device pixels per logical pixel (1 to %1; default 1)\n"
            "  --until-closed      trace each curve on until it closes, instead of stopping where the window stops\n"
            "  --no-reference      leave out the grey reference circle\n"
            "  --animate SECONDS   the curves draw themselves one after another, at one pace,\n"
            "                      over SECONDS together, %2 to %3, in frames of at least\n"
            "                      %5 ms: an SVG or an animated PNG (a viewer that does not\n"
            "                      animate shows them finished), or a GIF, which needs it\n"
            "  --loop              with --animate: draw them again and again, a second apart\n"
            "  --fit MARGIN        cut to what is drawn, MARGIN pixels (0 to %4) round it\n")
                .arg(QString::number(LargestScale), QString::number(ShortestAnimation),
                    QString::number(LongestAnimation), QString::number(LargestFitMargin),
                    QString::number(ShortestFrame * 10))
            //: The options for a plotter's page, which follow the other options in the same columns.
            + translate("Help",
                "  --page SIZE         SVG for a pen plotter: a page of SIZE, A4, A3, A5, letter or\n"
                "                      WxH in millimetres (%1 to %2 each way, such as 210x297)\n"
                "  --margin MM         with --page: the blank margin (0 to %3 mm; default %4)\n"
                "  --pen MM            with --page: the pen's width (%5 to %6 mm; default %7)\n")
                  .arg(QString::number(SmallestPageSide), QString::number(LargestPageSide),
                      QString::number(LargestPageMargin), QString::number(DefaultPageMargin),
                      QString::number(SmallestPen), QString::number(LargestPen), QString::number(DefaultPen))
            //: The last options, in the same columns as the others.
            + translate("Help",
                "  -h, --help          show this help\n"
                "  -v, --version       show the version\n"),
        translate("Help",
            "Without --fit the picture is the window's canvas, %1 x %2 pixels. --fit cuts\n"
            "that canvas to the box of what is drawn on it (all the curves, and the grey\n"
            "circle unless --no-reference), widths of the strokes included; MARGIN is in\n"
            "logical pixels, so --scale multiplies it too. What the canvas cuts off stays\n"
            "cut off. If nothing at all lands on the canvas, there is no picture: the run\n"
            "fails.\n")
            .arg(QString::number(CanvasSize.width()), QString::number(CanvasSize.height())),
        translate("Help",
            "With --page the picture fills a page for a plotter, in millimetres: the grey\n"
            "circle (unless --no-reference) in a layer of its own named '% reference circle',\n"
            "which plotting software skips, then each run in a layer named by its number in\n"
            "drawing order and its radii ('1 R1 120 R2 33 R3 40'), one path in its colour,\n"
            "as wide as the pen, with no fill and no background. The canvas cuts the curves\n"
            "as in the PNG and SVG pictures; the box of what is left (the lines' middles)\n"
            "fills the room inside the margins and half the pen, centred, its shape kept.\n"
            "The margins leave the picture at least %1 mm each way. A page takes no --fit,\n"
            "--scale or --animate.\n")
            .arg(QString::number(SmallestPictureSide)),
        translate("Help",
            "A run without a colour of its own takes the one the window's Start would pick\n"
            "at that press, so the same --seed gives the same colours, and fixing one run's\n"
            "colour leaves the others' as they were. Radii in FILE are written as on the\n"
            "command line; its lines may end in LF, CRLF or CR alone, and a byte-order mark\n"
            "before the first is skipped. A bad line is named by its number, before any\n"
            "drawing, and shown with spaces other than the plain one as escapes (\\u00a0),\n"
            "cut to about a line of a terminal. A radius beyond a double's range or too\n"
            "small for one (1e309, 1e-400; 0 is a number) is refused, and so is -inf, read\n"
            "as a radius.\n"),
        translate("Help",
            "FILE is a new name or an existing regular file (or a symbolic link to one),\n"
            "which is replaced only by a complete new file, keeping its permissions, its\n"
            "access ACL and user.* attributes, and its owner and group where the writer\n"
            "may set them (a hard link to the old file keeps the old picture). A file whose\n"
            "user.* attributes the writer may not read, and so could not keep, is refused\n"
            "before any work, as is another's file in a sticky folder such as /tmp, which\n"
            "only its owner may replace there. A limit on file size (ulimit -f) fails the\n"
            "run as a full disk does. A run that is killed while it writes may leave a\n"
            "temporary file beside it, named FILE.XXXXXX (FILE cut to 32 bytes); it can be\n"
            "deleted. A picture has at most %1 runs, and a runs file at most %2 MB. The\n"
            "runs together trace at most %3 steps with --until-closed, and a PNG or GIF\n"
            "picture takes at most about three seconds of drawing, its frames included\n"
            "(fewer steps at higher scales or with more frames), and %4 pixels a frame;\n"
            "more is refused before any drawing.\n")
            .arg(QString::number(LargestRunCount), QString::number(LargestRunsFileSize / Megabyte),
                withThousands(LargestSegmentCount), roughly(LargestPicturePixels)),
        translate("Help",
            "Exit status:\n"
            "  0 written; 1 a run-time error (\"Division by zero\", \"Overflow\", naming the\n"
            "  run when there are several), too much work, too little memory (\"Out of\n"
            "  memory\"), nothing to fit, or the file or standard output could not be\n"
            "  written; 2 a bad argument or line of the runs file, or an output that is not\n"
            "  a regular file or a new name.\n"),
        translate("Help",
            "Examples:\n"
            "The window's first picture with twice as many pixels each way, for a screen\n"
            "of high density:\n"
            "  $ %1 -o curve.png --scale 2 120 33 40\n")
            .arg(name),
        translate("Help",
            "The window's curve drawing itself over four seconds, and again after a\n"
            "second's pause, for ever:\n"
            "  $ %1 -o growing.svg --animate 4 --loop 120 33 40\n")
            .arg(name),
        translate("Help",
            "The same as a GIF, for a chat or an issue tracker, drawing itself once over\n"
            "five seconds; with -o growing.png, an animated PNG:\n"
            "  $ %1 -o growing.gif --animate 5 120 33 40\n")
            .arg(name),
        translate("Help",
            "Three presses of Start layered over one grey circle, the first two curves in\n"
            "dark teal and orange, the third in a random colour:\n"
            "  $ %1 -o layers.png --color 1f6f6a --color e08020 120 33 40 120 -45 80 100 20 60\n")
            .arg(name),
        translate("Help",
            "The window's first picture at scale 2, cut to the curve and the grey circle\n"
            "with 8 logical pixels round them:\n"
            "  $ %1 -o cut.png --fit 8 --scale 2 120 33 40\n")
            .arg(name),
        translate("Help",
            "The window's first picture on a page of A4 for a pen plotter, with margins of\n"
            "20 mm and a pen 0.5 mm wide:\n"
            "  $ %1 -o plot.svg --page A4 --margin 20 --pen 0.5 120 33 40\n")
            .arg(name),
    }
        .join(QLatin1Char('\n'));
}

void addRunsFile(RenderOptions &options)
{
    if (!options.runsFile)
        return;
    const QByteArray &name = *options.runsFile;
    const QString shown = name == "-" ? translate("Renderer", "standard input")
                                      : QLatin1Char('\'') + printable(name) + QLatin1Char('\'');
    const RunsFile file = readRunsFile(name, shown, LargestRunCount - options.runs.size());
    if (file.runs.empty() && options.runs.empty() && !file.circleGiven)
        refuseArgument(translate("Renderer", "%1 holds no runs, and none are given as arguments").arg(shown));
    options.runs.insert(options.runs.end(), file.runs.begin(), file.runs.end());
    options.circleGiven = file.circleGiven;
    options.circle = file.circle;
}

} // namespace volvenda
