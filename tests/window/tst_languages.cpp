#include "support/cases.h"
#include "window_harness.h"

#include "runtime/catalogue.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMap>
#include <QStyleOptionButton>

using namespace volvenda;

namespace {

// An environment, as "NAME=value" words, and the buttons' words it shows.
struct Language
{
    QStringList environment;
    QStringList buttons;
};

// The description's count of curves after so many runs, and its words.
struct Plural
{
    QString locale;
    int runs = 0;
    QString count;
};

void load(const QStringList &environment)
{
    QMap<QString, QString> variables;
    for (const QString &word : environment)
        variables[word.section(u'=', 0, 0)] = word.section(u'=', 1);
    loadCatalogue(wantedLanguages([&](const char *name) { return variables.value(QLatin1String(name)); }));
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
        const QStringList english {"Start", "Clear", "End"};
        const QStringList german {"Start", "Neu", "Ende"};
        addRows<Language>({
            {"C locale: the specification's words", {{"LC_ALL=C", "LANGUAGE=de"}, english}},
            {"C.UTF-8", {{"LANG=C.UTF-8", "LANGUAGE=fr"}, english}},
            {"no locale set", {{}, english}},
            {"German", {{"LANG=de_DE.UTF-8"}, german}},
            {"French", {{"LANG=fr_FR.UTF-8"}, {"Tracer", "Vider", "Fin"}}},
            {"Spanish", {{"LANG=es_ES.UTF-8"}, {"Iniciar", "Borrar", "Salir"}}},
            {"Russian", {{"LANG=ru_RU.UTF-8"}, {"Старт", "Сброс", "Стоп"}}},
            {"Japanese", {{"LANG=ja_JP.UTF-8"}, {"開始", "消去", "終了"}}},
            {"Austria's German", {{"LANG=de_AT.UTF-8@euro"}, german}},
            {"LANGUAGE's order wins", {{"LANG=de_DE.UTF-8", "LANGUAGE=fr:de"}, {"Tracer", "Vider", "Fin"}}},
            {"LANGUAGE's first with a catalogue", {{"LANG=fr_FR.UTF-8", "LANGUAGE=pt_BR:sv:de"}, german}},
            {"English in LANGUAGE", {{"LANG=de_DE.UTF-8", "LANGUAGE=en_GB:de"}, english}},
            {"LC_ALL over LANG", {{"LANG=ja_JP.UTF-8", "LC_ALL=es_ES.UTF-8"}, {"Iniciar", "Borrar", "Salir"}}},
            {"LC_MESSAGES over LANG", {{"LANG=ja_JP.UTF-8", "LC_MESSAGES=de_CH.UTF-8"}, german}},
            {"no catalogue: English", {{"LANG=pt_BR.UTF-8"}, english}},
        });
    }
    void buttonsSpeakTheLanguage()
    {
        QFETCH(Language, row);
        load(row.environment);
        WindowHarness harness;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(harness.control(QStringList {"Start", "Clear", "End"}[i])->property("text"), row.buttons[i]);
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
            const qreal width = QFontMetricsF(button->font()).horizontalAdvance(button->text());
            QVERIFY2(
                width <= room.width(), qPrintable(button->text() + " is wider than " + QString::number(room.width())));
        }
    }

    void descriptionCountsInPluralForms_data()
    {
        addRows<Plural>({
            {"English, one", {"C", 1, "radius 120. 1 curve: R1 120"}},
            {"English, two", {"C", 2, "radius 120. 2 curves: R1 120"}},
            {"Russian, one", {"ru_RU.UTF-8", 1, "радиус 120. 1 кривая: R1 120"}},
            {"Russian, two", {"ru_RU.UTF-8", 2, "радиус 120. 2 кривые: R1 120"}},
            {"Russian, five", {"ru_RU.UTF-8", 5, "радиус 120. 5 кривых: R1 120"}},
            {"Russian, twenty-one", {"ru_RU.UTF-8", 21, "радиус 120. 21 кривая: R1 120"}},
            {"Japanese, one form", {"ja_JP.UTF-8", 2, "半径 120。曲線 2 本: R1 120"}},
        });
    }
    void descriptionCountsInPluralForms()
    {
        QFETCH(Plural, row);
        load({"LANG=" + row.locale});
        PictureDescription description;
        description.wipe(120);
        for (int run = 0; run < row.runs; ++run) {
            description.beginRun({120, 33, 40}, composeColour(31, 111, 106));
            description.finishRun();
        }
        QVERIFY2(description.text().contains(row.count), qPrintable(description.text()));
    }

    void toolkitSpeaksTheLanguageToo()
    {
        load({"LANG=de_DE.UTF-8"});
        // The save dialog's buttons, from Qt's own catalogue.
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }
};

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
