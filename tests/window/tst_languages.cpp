#include "support/cases.h"
#include "window_harness.h"

#include "runtime/catalogue.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QStyleOptionButton>

using namespace volvenda;

namespace {

// Loads the catalogues an environment, as "NAME=value" words, asks for.
void load(const QStringList &environment)
{
    loadCatalogue(wantedLanguages([&](const char *name) {
        return environment.filter(QRegularExpression(QStringLiteral("^%1=").arg(name))).value(0).section(u'=', 1);
    }));
    installToolkitCatalogue();
}

} // namespace

class LanguagesTest final : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { load({}); }

    void buttonsSpeakTheLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("buttons");
        const auto row = [](const char *name, const QString &environment, const char *buttons) {
            QTest::newRow(name) << environment.split(' ') << QString::fromUtf8(buttons);
        };
        row("C locale: the program's own English words", "LC_ALL=C LANGUAGE=de", "Start Clear End");
        row("German", "LANG=de_DE.UTF-8", "Start Neu Ende");
        row("French", "LANG=fr_FR.UTF-8", "Tracer Vider Fin");
        row("Spanish", "LANG=es_ES.UTF-8", "Iniciar Borrar Salir");
        row("Russian", "LANG=ru_RU.UTF-8", "Старт Сброс Стоп");
        row("Japanese", "LANG=ja_JP.UTF-8", "開始 消去 終了");
        row("Austria's German", "LANG=de_AT.UTF-8@euro", "Start Neu Ende");
        row("LANGUAGE first, its first with a catalogue", "LANG=fr_FR.UTF-8 LANGUAGE=pt_BR:sv:de", "Start Neu Ende");
        row("LC_ALL first", "LANG=ja_JP.UTF-8 LC_MESSAGES=de_CH.UTF-8 LC_ALL=es_ES.UTF-8", "Iniciar Borrar Salir");
        row("no catalogue: English", "LANG=pt_BR.UTF-8", "Start Clear End");
    }
    void buttonsSpeakTheLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, buttons);
        load(environment);
        WindowHarness harness;
        const auto text = [&harness](const char *name) { return harness.control(name)->property("text").toString(); };
        QCOMPARE(QStringList({text("Start"), text("Clear"), text("End")}).join(' '), buttons);
    }

    // Every catalogue the programs hold, a new one too.
    void buttonsFitTheirWordsWhole_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &catalogue : QDir(":/catalogues").entryList())
            QTest::newRow(qPrintable(catalogue)) << catalogue.section(u'_', 1).section(u'.', 0, 0);
    }
    void buttonsFitTheirWordsWhole()
    {
        QFETCH(QString, language);
        load({"LANGUAGE=" + language, "LANG=en_US.UTF-8"});
        QCOMPARE(catalogueLanguage(), language);
        WindowHarness harness;
        for (auto *button : harness.window.findChildren<QPushButton *>()) {
            if (button->text().front().script() == QChar::Script_Han
                && QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
                QSKIP("no font with Japanese glyphs to measure them in");
            // Where the style draws the words: the size of the button is fixed.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            QVERIFY2(QFontMetricsF(button->font()).horizontalAdvance(button->text()) <= room.width(),
                qPrintable(button->text() + " is wider than " + QString::number(room.width())));
        }
    }

    void descriptionCountsInPluralForms_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("runs");
        QTest::addColumn<QString>("count");
        QTest::newRow("English, one") << "C" << 1 << "radius 120. 1 curve: R1 120";
        QTest::newRow("Russian, one") << "ru_RU.UTF-8" << 1 << "радиус 120. 1 кривая: R1 120";
        QTest::newRow("Russian, two") << "ru_RU.UTF-8" << 2 << "радиус 120. 2 кривые: R1 120";
        QTest::newRow("Russian, five") << "ru_RU.UTF-8" << 5 << "радиус 120. 5 кривых: R1 120";
    }
    void descriptionCountsInPluralForms()
    {
        QFETCH(QString, locale);
        QFETCH(int, runs);
        QFETCH(QString, count);
        load({"LANG=" + locale});
        PictureDescription description;
        description.wipe(120);
        for (int run = 0; run < runs; ++run) {
            description.beginRun({120, 33, 40}, composeColour(31, 111, 106));
            description.finishRun();
        }
        QVERIFY2(description.text().contains(count), qPrintable(description.text()));
    }

    void saveDialogSpeaksTheLanguageInQtsOwnWords()
    {
        load({"LANG=de_DE.UTF-8"});
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
