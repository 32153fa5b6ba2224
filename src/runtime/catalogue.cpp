#include "catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace volvenda {

namespace {

// Where the build puts the catalogues among the program's resources.
const QString CatalogueFolder = QStringLiteral(":/catalogues/");

// The catalogue loaded, and the English one, which holds only the plural
// forms of the source texts ("1 curve", "2 curves").
struct Catalogues
{
    // None for English.
    std::unique_ptr<QTranslator> chosen;
    QTranslator english;
    QString language = QStringLiteral("en");
    CanShow canShow;
};

Catalogues &catalogues()
{
    static Catalogues loaded;
    return loaded;
}

bool isCLocale(const QString &locale)
{
    return locale == QLatin1String("C") || locale == QLatin1String("POSIX") || locale.startsWith(QLatin1String("C."))
        || locale.startsWith(QLatin1String("C@"));
}

} // namespace

QString processEnvironment(const char *name)
{
    return qEnvironmentVariable(name);
}

QStringList wantedLanguages(const Environment &environment)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    // No locale at all is the C locale too.
    if (locale.isEmpty() || isCLocale(locale))
        return {};
    const QString priorities = environment("LANGUAGE");
    QStringList wanted;
    for (const QString &entry : priorities.isEmpty() ? QStringList {locale} : priorities.split(QLatin1Char(':'))) {
        // de_AT.UTF-8@euro: the language with its region, then the language alone.
        const QString withRegion = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        for (const QString &language : {withRegion, withRegion.section(QLatin1Char('_'), 0, 0)})
            if (!language.isEmpty() && !wanted.contains(language))
                wanted << language;
    }
    return wanted;
}

QString loadCatalogue(const QStringList &wanted, CanShow canShow)
{
    Catalogues &loaded = catalogues();
    loaded.canShow = std::move(canShow);
    loaded.language = QStringLiteral("en");
    loaded.chosen.reset();
    for (const QString &language : wanted) {
        const QString file = CatalogueFolder + QStringLiteral("volvenda_") + language + QStringLiteral(".qm");
        auto catalogue = std::make_unique<QTranslator>();
        if (QFile::exists(file) && catalogue->load(file)) {
            loaded.chosen = std::move(catalogue);
            loaded.language = language;
            break;
        }
    }
    return loaded.language;
}

QString catalogueLanguage()
{
    return catalogues().language;
}

QString translate(const char *context, const char *sourceText, const char *disambiguation, int n)
{
    Catalogues &loaded = catalogues();
    QString text = loaded.chosen ? loaded.chosen->translate(context, sourceText, disambiguation, n) : QString();
    if (!text.isNull() && loaded.canShow && !loaded.canShow(text))
        text.clear();
    // The English plural forms, also before any catalogue is loaded.
    if (text.isEmpty() && n >= 0) {
        if (loaded.english.isEmpty())
            (void)loaded.english.load(CatalogueFolder + QStringLiteral("volvenda_en.qm"));
        text = loaded.english.translate(context, sourceText, disambiguation, n);
    }
    if (text.isEmpty())
        text = QString::fromUtf8(sourceText);
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

void installToolkitCatalogue()
{
    static QTranslator toolkit;
    QCoreApplication::removeTranslator(&toolkit);
    const QString language = catalogueLanguage();
    // Qt's own texts are English already; its catalogues come with Qt
    // (qt6-translations-l10n on Debian), and a missing one leaves them English.
    if (language != QLatin1String("en")
        && toolkit.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
}

} // namespace volvenda
