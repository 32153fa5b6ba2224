#include "runtime/system_reason.h"

#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <clocale>

class SystemReasonTest final : public QObject
{
    Q_OBJECT

private slots:
    void givesTheSystemsReasonInAnyCharset_data()
    {
        // Locales whose charset is not UTF-8, where the system's words
        // (Russian, Japanese, French) cannot be shown as they come.
        QTest::addColumn<QByteArray>("locale");
        for (const char *locale : {"ru_RU.KOI8-R", "ru_RU.CP1251", "ja_JP.EUC-JP", "fr_FR.ISO-8859-1"})
            QTest::newRow(locale) << QByteArray(locale);
    }
    void givesTheSystemsReasonInAnyCharset()
    {
        QFETCH(QByteArray, locale);
        const QByteArray before = std::setlocale(LC_ALL, nullptr);
        const auto restore = qScopeGuard([&before] { std::setlocale(LC_ALL, before.constData()); });
        if (!std::setlocale(LC_ALL, locale.constData()))
            QSKIP("the locale is not installed here");
        QCOMPARE(volvenda::systemReason(ENOSPC), QStringLiteral("No space left on device"));
    }
};

QTEST_GUILESS_MAIN(SystemReasonTest)
#include "tst_system_reason.moc"
