#include "output/printable.h"

#include <QTest>

using namespace volvenda;

class PrintableTest final : public QObject
{
    Q_OBJECT

private slots:
    void escapesWhatATerminalActsOn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *what, const QByteArray &bytes, const char *shown) {
            QTest::newRow(what) << bytes << QString::fromUtf8(shown);
        };
        row("plain text", "curve 1.png", "curve 1.png");
        row("escape sequence", "\x1b[2J", "\\x1b[2J");
        row("newline, tab, return", "a\nb\tc\r", "a\\nb\\tc\\r");
        row("backslash", "a\\x41", "a\\\\x41");
        row("not UTF-8", "\xff.png", "\\xff.png");
        row("truncated sequence", "\xc3", "\\xc3");
        row("overlong slash", "\xc0\xaf", "\\xc0\\xaf");
        row("letters of other scripts", "é漢😀", "é漢😀");
        row("C1 control", "\xc2\x9b", "\\u009b");
        row("embedding and override marks", "a\u202a\u202eb", "a\\u202a\\u202eb");
        row("byte-order mark first, kept", "\ufeffcurve.jpg", "\\ufeffcurve.jpg");
        row("zero-width space and soft hyphen", "a\u200bb\u00adc", "a\\u200bb\\u00adc");
        row("a tag beyond the first plane, then a digit", "\U000e00011", "\\U000e00011");
    }

    void escapesWhatATerminalActsOn()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(printable(bytes), shown);
        if (QByteArrayView(bytes).isValidUtf8())
            QCOMPARE(printable(decodeUtf8(bytes)), shown);
        // Text can hold what UTF-8 cannot: halves of a pair, alone, even where
        // the other half lies just past the end.
        const QChar halves[] {u'a', QChar(0xD800), QChar(0xDC00), u'b'};
        QCOMPARE(printable(QStringView(halves, 2)), QStringLiteral("a\\ud800"));
        QCOMPARE(printable(QStringView(halves).sliced(2)), QStringLiteral("\\udc00b"));
    }
};

QTEST_GUILESS_MAIN(PrintableTest)
#include "tst_printable.moc"
