#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace volvenda {

// An environment variable's value; empty when it is unset.
using Environment = std::function<QString(const char *name)>;

[[nodiscard]] QString processEnvironment(const char *name);

// The languages the environment asks for, best first, read as GNU programs
// read it: none in the C and POSIX locales, which show the English texts;
// else LANGUAGE's list (fr:de) when it is set, else the locale of LC_ALL,
// LC_MESSAGES or LANG, whichever is set first. Each is given with its region
// and then without it (de_AT, de), its character set and modifier left off.
[[nodiscard]] QStringList wantedLanguages(const Environment &environment = processEnvironment);

// Whether a translated text can be shown where it is going; one that cannot
// is given in English.
using CanShow = std::function<bool(const QString &text)>;

// Loads the catalogue of the first wanted language that has one, in place of
// any loaded before, and returns that language; "en" when none has one, and
// the texts are English. Catalogues are built into the program: nothing is
// read from disk.
QString loadCatalogue(const QStringList &wanted, CanShow canShow = {});

// The language loadCatalogue chose last; "en" before it is called.
[[nodiscard]] QString catalogueLanguage();

// The loaded catalogue's text for an English source text, or the source text
// itself where it has none. With n given, the plural form for n, with %n
// replaced by n. The same arguments as QCoreApplication::translate, which
// lupdate reads alike; unlike it, it needs no application object, so that
// what is said before there is one (--help, a bad argument) is translated too.
[[nodiscard]] QString translate(
    const char *context, const char *sourceText, const char *disambiguation = nullptr, int n = -1);

// Installs Qt's own catalogue of the language loadCatalogue chose, for the
// file dialog, the message boxes' buttons and the fields' context menus, in
// place of one installed before. Needs the application object.
void installToolkitCatalogue();

} // namespace volvenda
