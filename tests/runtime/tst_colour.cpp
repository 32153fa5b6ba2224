#include "runtime/colour.h"

#include <QColor>
#include <QTest>

using namespace volvenda;

class ColourTest final : public QObject
{
    Q_OBJECT

private slots:
    void namesColoursInWords_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("words");
        const std::pair<const char *, const char *> rows[] {{"#1f6f6a", "dark teal"}, {"#e08020", "orange"},
            {"#ff0000", "red"}, {"#f01060", "red"}, {"#ffb0c0", "pink"}, {"#5c3310", "brown"},
            {"#5a7090", "greyish blue"}, {"#303848", "dark greyish blue"}, {"#101060", "dark blue"},
            {"#b8d8b8", "light greyish green"}, {"#000000", "black"}, {"#ffffff", "white"}, {"#646464", "grey"},
            {"#303030", "dark grey"}, {"#c8c8c8", "light grey"}, {"#7000c0", "purple"}, {"#e000d0", "magenta"},
            {"#d0e000", "yellow"}};
        for (const auto &[colour, words] : rows)
            QTest::newRow(colour) << QColor(colour) << QString(words);
    }
    void namesColoursInWords()
    {
        QFETCH(QColor, colour);
        QFETCH(QString, words);
        QCOMPARE(colourInWords(composeColour(colour.red(), colour.green(), colour.blue())), words);
    }
};

QTEST_GUILESS_MAIN(ColourTest)
#include "tst_colour.moc"
