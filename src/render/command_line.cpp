#include "command_line.h"

#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace volvenda {

namespace {

constexpr int largestScale = 16;

// The period as the decimal mark, no group separators: a command line is not a form.
QLocale commandLineLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    return locale;
}

// A negative number such as -80 is a radius, not an option.
bool looksLikeNumber(const QString &argument)
{
    return argument.size() > 1 && argument[0] == u'-' && (argument[1].isDigit() || argument[1] == u'.');
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

class Parser
{
public:
    explicit Parser(const QStringList &arguments)
        : m_arguments(arguments)
    {
    }

    CommandLine parse();

private:
    // The value of an option given as "--name value" or "--name=value".
    std::optional<QString> valueOf(const QString &option, const std::optional<QString> &inlineValue);
    bool fail(const QString &message)
    {
        if (m_result.error.isEmpty())
            m_result.error = message;
        return false;
    }
    bool takeOption(const QString &argument);
    bool takeRadius(const QString &name, const QString &text, double &value, ExactDecimal *exact = nullptr);
    bool checkOutput();

    const QStringList &m_arguments;
    qsizetype m_next = 0;
    CommandLine m_result;
    QStringList m_positional;
    bool m_help = false;
    bool m_version = false;
};

std::optional<QString> Parser::valueOf(const QString &option, const std::optional<QString> &inlineValue)
{
    if (inlineValue)
        return inlineValue;
    if (m_next >= m_arguments.size()) {
        fail(QStringLiteral("%1 needs a value").arg(option));
        return std::nullopt;
    }
    return m_arguments[m_next++];
}

bool Parser::takeOption(const QString &argument)
{
    QString name = argument;
    std::optional<QString> inlineValue;
    if (const qsizetype equals = argument.indexOf(u'='); argument.startsWith(QLatin1String("--")) && equals > 0) {
        name = argument.left(equals);
        inlineValue = argument.mid(equals + 1);
    }
    RenderOptions &options = m_result.options;

    const bool isSwitch = name == QLatin1String("--help") || name == QLatin1String("--version")
        || name == QLatin1String("--until-closed") || name == QLatin1String("--no-reference");
    if (isSwitch && inlineValue)
        return fail(QStringLiteral("%1 takes no value").arg(name));

    if (name == QLatin1String("-h") || name == QLatin1String("--help")) {
        m_help = true;
    } else if (name == QLatin1String("-v") || name == QLatin1String("--version")) {
        m_version = true;
    } else if (name == QLatin1String("--until-closed")) {
        options.untilClosed = true;
    } else if (name == QLatin1String("--no-reference")) {
        options.reference = false;
    } else if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
        const std::optional<QString> value = valueOf(name, inlineValue);
        if (!value || value->isEmpty())
            return fail(QStringLiteral("%1 needs a file name").arg(name));
        options.output = *value;
    } else if (name == QLatin1String("--color")) {
        const std::optional<QString> value = valueOf(name, inlineValue);
        if (!value)
            return false;
        const QString hex = value->startsWith(u'#') ? value->mid(1) : *value;
        const std::optional<qulonglong> rgb = unsignedNumber(hex, 16, 0xFFFFFF);
        if (hex.size() != 6 || !rgb)
            return fail(QStringLiteral("--color takes six hex digits RRGGBB, not '%1'").arg(*value));
        options.colour = composeColor(int((*rgb >> 16U) & 0xFFU), int((*rgb >> 8U) & 0xFFU), int(*rgb & 0xFFU));
    } else if (name == QLatin1String("--seed")) {
        const std::optional<QString> value = valueOf(name, inlineValue);
        if (!value)
            return false;
        const std::optional<qulonglong> seed = unsignedNumber(*value, 10, 0xFFFFFFFFULL);
        if (!seed)
            return fail(QStringLiteral("--seed takes a whole number from 0 to 4294967295, not '%1'").arg(*value));
        options.seed = static_cast<std::uint32_t>(*seed);
    } else if (name == QLatin1String("--scale")) {
        const std::optional<QString> value = valueOf(name, inlineValue);
        if (!value)
            return false;
        const std::optional<qulonglong> scale = unsignedNumber(*value, 10, largestScale);
        if (!scale || *scale < 1)
            return fail(
                QStringLiteral("--scale takes a whole number from 1 to %1, not '%2'").arg(largestScale).arg(*value));
        options.scale = static_cast<int>(*scale);
    } else {
        return fail(QStringLiteral("unknown option '%1'").arg(argument));
    }
    return true;
}

bool Parser::takeRadius(const QString &name, const QString &text, double &value, ExactDecimal *exact)
{
    try {
        const QLocale locale = commandLineLocale();
        value = readNumber(text, locale);
        if (exact)
            *exact = readExactDecimal(text, locale);
        return true;
    } catch (const RuntimeError &error) {
        if (error.kind() == ErrorKind::Overflow)
            return fail(QStringLiteral("%1 is out of range: '%2'").arg(name, text));
        return fail(QStringLiteral("%1 is not a number: '%2'").arg(name, text));
    }
}

bool Parser::checkOutput()
{
    RenderOptions &options = m_result.options;
    if (options.output.isEmpty())
        return fail(QStringLiteral("no output file: give one with -o FILE.png or -o FILE.svg"));
    const QFileInfo info(options.output);
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("png"))
        options.format = ImageFormat::Png;
    else if (suffix == QLatin1String("svg"))
        options.format = ImageFormat::Svg;
    else
        return fail(QStringLiteral("the output file must end in .png or .svg: '%1'").arg(options.output));
    if (!info.absoluteDir().exists())
        return fail(QStringLiteral("the folder of the output file does not exist: '%1'")
                        .arg(QDir::toNativeSeparators(info.absolutePath())));
    if (info.isDir())
        return fail(QStringLiteral("the output is a folder, not a file: '%1'").arg(options.output));
    if (options.format == ImageFormat::Svg && options.scale != 1)
        return fail(QStringLiteral("--scale applies to PNG output only"));
    return true;
}

CommandLine Parser::parse()
{
    bool optionsEnded = false;
    while (m_next < m_arguments.size()) {
        const QString argument = m_arguments[m_next++];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.startsWith(u'-') && !looksLikeNumber(argument)) {
            if (!takeOption(argument))
                return m_result;
        } else {
            m_positional << argument;
        }
    }

    if (m_help) {
        m_result.action = CommandLine::Action::Help;
        return m_result;
    }
    if (m_version) {
        m_result.action = CommandLine::Action::Version;
        return m_result;
    }

    if (m_positional.size() != 3) {
        if (m_positional.size() > 3)
            fail(QStringLiteral("too many arguments: '%1'").arg(m_positional[3]));
        else
            fail(QStringLiteral("three radii are needed, R1 R2 R3; %1 given").arg(m_positional.size()));
        return m_result;
    }
    RenderOptions &options = m_result.options;
    if (!takeRadius(QStringLiteral("R1"), m_positional[0], options.R1, &options.R1Exact)
        || !takeRadius(QStringLiteral("R2"), m_positional[1], options.R2, &options.R2Exact)
        || !takeRadius(QStringLiteral("R3"), m_positional[2], options.R3) || !checkOutput())
        return m_result;
    m_result.action = CommandLine::Action::Render;
    return m_result;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    return Parser(arguments).parse();
}

QString usageText()
{
    return QStringLiteral(
        "Usage: volvenda-render [options] R1 R2 R3\n"
        "Draws the epitrochoid of the fixed radius R1, the rolling radius R2 and the pen\n"
        "distance R3 into a PNG or SVG file, as the Volvenda window draws it.\n"
        "\n"
        "  -o, --output FILE   where to write; the format follows the extension: .png or .svg\n"
        "  --color RRGGBB      the curve's colour (hex); without it, a random colour\n"
        "  --seed N            seed the random colour, so the same command gives the same file\n"
        "  --scale K           PNG only: K device pixels per logical pixel (1 to 16; default 1)\n"
        "  --until-closed      trace on until the curve closes, instead of stopping where the window stops\n"
        "  --no-reference      leave out the grey reference circle\n"
        "  -h, --help          show this help\n"
        "  -v, --version       show the version\n"
        "\n"
        "Example: volvenda-render -o curve.png --scale 2 120 33 40\n");
}

} // namespace volvenda
