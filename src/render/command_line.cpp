#include "command_line.h"

#include "output/printable.h"
#include "runtime/locale_number.h"
#include "runtime/runtime_error.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <array>
#include <vector>

namespace volvenda {

namespace {

constexpr int largestScale = 16;
constexpr int largestMargin = 1000;
// An animation from a tenth of a second (quicker is a flash) to an hour.
constexpr double shortestAnimation = 0.1;
constexpr double longestAnimation = 3600.0;

// The period as the decimal mark, no group separators: a command line is not a form.
QLocale commandLineLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    return locale;
}

// A negative number such as -80 is a radius, not an option.
bool looksLikeNumber(const QByteArray &argument)
{
    return argument.size() > 1 && argument[0] == '-'
        && ((argument[1] >= '0' && argument[1] <= '9') || argument[1] == '.');
}

// Digits only, no sign or blanks, in the given base, up to largest.
std::optional<qulonglong> unsignedNumber(const QString &text, int base, qulonglong largest)
{
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [base](QChar c) {
        return c.isDigit() || (base == 16 && QStringLiteral("abcdefABCDEF").contains(c));
    });
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, base);
    if (!digitsOnly || !ok || value > largest)
        return std::nullopt;
    return value;
}

// Digits with at most one period among or before them, and nothing else: no
// sign, exponent or blanks.
std::optional<double> plainDecimal(const QString &text)
{
    qsizetype digits = 0;
    qsizetype periods = 0;
    for (const QChar c : text) {
        digits += (c >= u'0' && c <= u'9') ? 1 : 0;
        periods += c == u'.' ? 1 : 0;
    }
    if (digits == 0 || periods > 1 || digits + periods != text.size())
        return std::nullopt;
    return QLocale::c().toDouble(text);
}

// An argument as given and as text; text is empty for bytes that are not UTF-8.
struct Argument
{
    QByteArray bytes;
    bool utf8 = true;
    QString text;

    explicit Argument(const QByteArray &given)
        : bytes(given)
        , utf8(QByteArrayView(given).isValidUtf8())
        , text(utf8 ? decodeUtf8(given) : QString())
    {
    }
    // Quoted for a message, with what a terminal would act on escaped.
    [[nodiscard]] QString quoted() const { return QLatin1Char('\'') + printable(bytes) + QLatin1Char('\''); }
};

// What the arguments ask for: the options, and help or the version instead.
struct Given
{
    RenderOptions options;
    bool help = false;
    bool version = false;
};

// An option the renderer takes: its name, its short name (empty for none),
// whether it takes a value (after it, or after '=' for the long name) and
// what it sets. set returns why the value is refused, or nothing; it is
// handed the option as it was spelled, and an empty value for a switch.
struct Option
{
    const char *name;
    const char *shortName;
    bool takesValue;
    QString (*set)(Given &given, const Argument &value, const QString &spelled);
};

constexpr std::array options {
    Option {"--help", "-h", false,
        [](Given &given, const Argument &, const QString &) {
            given.help = true;
            return QString();
        }},
    Option {"--version", "-v", false,
        [](Given &given, const Argument &, const QString &) {
            given.version = true;
            return QString();
        }},
    Option {"--until-closed", "", false,
        [](Given &given, const Argument &, const QString &) {
            given.options.untilClosed = true;
            return QString();
        }},
    Option {"--no-reference", "", false,
        [](Given &given, const Argument &, const QString &) {
            given.options.reference = false;
            return QString();
        }},
    Option {"--loop", "", false,
        [](Given &given, const Argument &, const QString &) {
            given.options.loop = true;
            return QString();
        }},
    Option {"--animate", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const std::optional<double> seconds = plainDecimal(value.text);
            if (!seconds || *seconds < shortestAnimation || *seconds > longestAnimation)
                return QStringLiteral("--animate takes seconds from 0.1 to 3600, such as 2.5, not %1")
                    .arg(value.quoted());
            given.options.animate = seconds;
            return QString();
        }},
    Option {"--fit", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const std::optional<qulonglong> margin = unsignedNumber(value.text, 10, largestMargin);
            if (!margin)
                return QStringLiteral("--fit takes a margin in whole pixels from 0 to %1, not %2")
                    .arg(largestMargin)
                    .arg(value.quoted());
            given.options.fit = static_cast<int>(*margin);
            return QString();
        }},
    Option {"--output", "-o", true,
        [](Given &given, const Argument &value, const QString &spelled) {
            if (value.bytes.isEmpty())
                return QStringLiteral("%1 needs a file name").arg(spelled);
            // Read any other way, the name would be another file's.
            if (!value.utf8)
                return QStringLiteral("the output file's name is not UTF-8 text: %1").arg(value.quoted());
            given.options.output = value.text;
            return QString();
        }},
    Option {"--color", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const QString hex = value.text.startsWith(u'#') ? value.text.mid(1) : value.text;
            const std::optional<qulonglong> rgb = unsignedNumber(hex, 16, 0xFFFFFF);
            if (hex.size() != 6 || !rgb)
                return QStringLiteral("--color takes six hex digits RRGGBB, not %1").arg(value.quoted());
            given.options.colour
                = composeColor(int((*rgb >> 16U) & 0xFFU), int((*rgb >> 8U) & 0xFFU), int(*rgb & 0xFFU));
            return QString();
        }},
    Option {"--seed", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const std::optional<qulonglong> seed = unsignedNumber(value.text, 10, 0xFFFFFFFFULL);
            if (!seed)
                return QStringLiteral("--seed takes a whole number from 0 to 4294967295, not %1").arg(value.quoted());
            given.options.seed = static_cast<std::uint32_t>(*seed);
            return QString();
        }},
    Option {"--scale", "", true,
        [](Given &given, const Argument &value, const QString &) {
            const std::optional<qulonglong> scale = unsignedNumber(value.text, 10, largestScale);
            if (!scale || *scale < 1)
                return QStringLiteral("--scale takes a whole number from 1 to %1, not %2")
                    .arg(largestScale)
                    .arg(value.quoted());
            given.options.scale = static_cast<int>(*scale);
            return QString();
        }},
};

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
    std::optional<Argument> valueOf(const QString &option, const std::optional<Argument> &inlineValue);
    bool fail(const QString &message)
    {
        if (m_result.error.isEmpty())
            m_result.error = message;
        return false;
    }
    bool takeOption(const Argument &argument);
    bool takeRadius(const QString &name, const Argument &argument, double &value);
    bool checkOutput();

    std::vector<Argument> m_arguments;
    std::size_t m_next = 0;
    CommandLine m_result;
    Given m_given;
    std::vector<Argument> m_positional;
};

std::optional<Argument> Parser::valueOf(const QString &option, const std::optional<Argument> &inlineValue)
{
    if (inlineValue)
        return inlineValue;
    if (m_next >= m_arguments.size()) {
        fail(QStringLiteral("%1 needs a value").arg(option));
        return std::nullopt;
    }
    return m_arguments[m_next++];
}

bool Parser::takeOption(const Argument &argument)
{
    QByteArray name = argument.bytes;
    std::optional<Argument> inlineValue;
    if (const qsizetype equals = name.indexOf('='); name.startsWith("--") && equals > 0) {
        inlineValue.emplace(name.mid(equals + 1));
        name.truncate(equals);
    }
    const auto option = std::find_if(options.begin(), options.end(),
        [&name](const Option &known) { return name == known.name || (*known.shortName && name == known.shortName); });
    if (option == options.end())
        return fail(QStringLiteral("unknown option %1").arg(argument.quoted()));
    const QString spelled = QString::fromLatin1(name);
    if (!option->takesValue && inlineValue)
        return fail(QStringLiteral("%1 takes no value").arg(spelled));
    std::optional<Argument> value;
    if (option->takesValue && !(value = valueOf(spelled, inlineValue)))
        return false;
    const QString refusal = option->set(m_given, value.value_or(Argument(QByteArray())), spelled);
    return refusal.isEmpty() || fail(refusal);
}

bool Parser::takeRadius(const QString &name, const Argument &argument, double &value)
{
    try {
        if (argument.utf8) {
            value = readNumber(argument.text, commandLineLocale());
            return true;
        }
    } catch (const RuntimeError &error) {
        if (error.kind() == ErrorKind::Overflow)
            return fail(QStringLiteral("%1 is out of range: %2").arg(name, argument.quoted()));
    }
    return fail(QStringLiteral("%1 is not a number: %2").arg(name, argument.quoted()));
}

bool Parser::checkOutput()
{
    RenderOptions &options = m_given.options;
    if (options.output.isEmpty())
        return fail(QStringLiteral("no output file: give one with -o FILE.png or -o FILE.svg"));
    const std::optional<PictureFormat> format = formatOfName(options.output);
    if (!format)
        return fail(QStringLiteral("the output file must end in .png or .svg: '%1'")
                        .arg(printable(QStringView(options.output))));
    options.format = *format;
    if (options.format == PictureFormat::Svg && options.scale != 1)
        return fail(QStringLiteral("--scale applies to PNG output only"));
    if (options.format == PictureFormat::Png && options.animate)
        return fail(QStringLiteral("--animate applies to SVG output only"));
    if (options.loop && !options.animate)
        return fail(QStringLiteral("--loop repeats an animation: it needs --animate"));
    return true;
}

CommandLine Parser::parse()
{
    bool optionsEnded = false;
    while (m_next < m_arguments.size()) {
        const Argument &argument = m_arguments[m_next++];
        if (!optionsEnded && argument.bytes == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.bytes.startsWith('-') && !looksLikeNumber(argument.bytes)) {
            if (!takeOption(argument))
                return m_result;
        } else {
            m_positional.push_back(argument);
        }
    }

    if (m_given.help) {
        m_result.action = CommandLine::Action::Help;
        return m_result;
    }
    if (m_given.version) {
        m_result.action = CommandLine::Action::Version;
        return m_result;
    }

    if (m_positional.size() != 3) {
        if (m_positional.size() > 3)
            fail(QStringLiteral("too many arguments: %1").arg(m_positional[3].quoted()));
        else
            fail(QStringLiteral("three radii are needed, R1 R2 R3; %1 given").arg(m_positional.size()));
        return m_result;
    }
    RenderOptions &options = m_given.options;
    if (!takeRadius(QStringLiteral("R1"), m_positional[0], options.R1)
        || !takeRadius(QStringLiteral("R2"), m_positional[1], options.R2)
        || !takeRadius(QStringLiteral("R3"), m_positional[2], options.R3) || !checkOutput())
        return m_result;
    m_result.action = CommandLine::Action::Render;
    m_result.options = m_given.options;
    return m_result;
}

} // namespace

CommandLine parseCommandLine(const QList<QByteArray> &arguments)
{
    return Parser(arguments).parse();
}

// The manual page is made from this text by help2man, which turns the
// "Options:" and "Examples:" headings into the page's sections and sets the
// "$ " lines in type for commands. "Exit status:" is cut from its page, which
// has the section written out.
QString usageText()
{
    return QStringLiteral(
        "Usage: volvenda-render [options] R1 R2 R3\n"
        "Draws the epitrochoid of the fixed radius R1, the rolling radius R2 and the pen\n"
        "distance R3 into a PNG or SVG file, as the Volvenda window draws it.\n"
        "\n"
        "Options:\n"
        "  -o, --output FILE   where to write; the format follows the extension: .png or .svg\n"
        "  --color RRGGBB      the curve's colour (hex); without it, a random colour\n"
        "  --seed N            seed the random colour, so the same command gives the same file\n"
        "  --scale K           PNG only: K device pixels per logical pixel (1 to 16; default 1)\n"
        "  --until-closed      trace on until the curve closes, instead of stopping where the window stops\n"
        "  --no-reference      leave out the grey reference circle\n"
        "  --animate SECONDS   SVG only: the curve draws itself over SECONDS, 0.1 to 3600\n"
        "                      (a viewer that does not animate shows it finished)\n"
        "  --loop              with --animate: draw it again and again, a second apart\n"
        "  --fit MARGIN        cut to what is drawn, MARGIN pixels (0 to 1000) round it\n"
        "  -h, --help          show this help\n"
        "  -v, --version       show the version\n"
        "\n"
        "Without --fit the picture is the window's canvas, 400 x 445 pixels. --fit cuts\n"
        "that canvas to the box of what is drawn on it (the curve, and the grey circle\n"
        "unless --no-reference), widths of the strokes included; MARGIN is in logical\n"
        "pixels, so --scale multiplies it too. What the canvas cuts off stays cut off.\n"
        "If nothing at all lands on the canvas, there is no picture: the run fails.\n"
        "\n"
        "FILE is a new name or an existing regular file (or a symbolic link to one),\n"
        "which is replaced only by a complete new file, keeping its permissions, its\n"
        "access ACL and user.* attributes, and its owner and group where the writer\n"
        "may set them (a hard link to the old file keeps the old picture). A limit on\n"
        "file size (ulimit -f) fails the run as a full disk does. A run that is killed\n"
        "while it writes may leave a temporary file beside it, named FILE.XXXXXX (FILE\n"
        "cut to 32 bytes); it can be deleted. --until-closed traces at most 1,000,000\n"
        "steps, and a PNG picture takes at most about three seconds of drawing (fewer\n"
        "steps at higher scales) and 45.6 million pixels; more is refused before any\n"
        "drawing.\n"
        "\n"
        "Exit status:\n"
        "  0 written; 1 a run-time error (\"Division by zero\", \"Overflow\"), too much\n"
        "  work, too little memory (\"Out of memory\"), nothing to fit, or the file or\n"
        "  standard output could not be written; 2 a bad argument, or an output that is\n"
        "  not a regular file or a new name.\n"
        "\n"
        "Examples:\n"
        "The window's first picture with twice as many pixels each way, for a screen\n"
        "of high density:\n"
        "  $ volvenda-render -o curve.png --scale 2 120 33 40\n"
        "\n"
        "The window's curve drawing itself over four seconds, and again after a\n"
        "second's pause, for ever:\n"
        "  $ volvenda-render -o growing.svg --animate 4 --loop 120 33 40\n"
        "\n"
        "The window's first picture at scale 2, cut to the curve and the grey circle\n"
        "with 8 logical pixels round them:\n"
        "  $ volvenda-render -o cut.png --fit 8 --scale 2 120 33 40\n");
}

} // namespace volvenda
