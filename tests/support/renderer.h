#pragma once

#include "support/cases.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <optional>

#include <sys/stat.h>

// The renderer's exit status and what it wrote on standard output and error.
struct Rendered
{
    int status = -1;
    QString out;
    QString err;
};

// Runs the renderer (VOLVENDA_RENDER) as a user would, in the working folder,
// without a display, with input on its standard input.
inline Rendered render(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VOLVENDA_RENDER), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError())};
}

// Makes a new, empty folder the working one, for every test and row: the renderer writes there too.
[[nodiscard]] inline bool workInNewFolder(std::optional<QTemporaryDir> &folder)
{
    folder.emplace();
    return folder->isValid() && QDir::setCurrent(folder->path());
}

// Arguments, the exit status they give and a part of the message.
struct Answer
{
    QStringList arguments;
    int status = 0;
    QString message;
};

// Runs the renderer in a folder that holds the earlier pictures kept.png and
// kept.svg and a pipe, pipe.png: help and version come on standard output; a
// bad argument (status 2) or a failure (status 1) in one line on standard
// error; and nothing in the folder is touched.
inline void checkAnswerKeepsTheFiles(const Answer &row)
{
    for (const char *name : {"kept.png", "kept.svg"})
        QVERIFY(writeEarlier(QString::fromLatin1(name)));
    QCOMPARE(::mkfifo("pipe.png", 0600), 0);
    const Rendered result = render(row.arguments);
    QCOMPARE(result.status, row.status);
    const QString &answer = row.status == 0 ? result.out : result.err;
    QVERIFY2(answer.contains(row.message), qPrintable(answer));
    if (row.status != 0)
        QVERIFY2(answer.startsWith(QLatin1String("volvenda-render: ")) && answer.count(u'\n') == 1, qPrintable(answer));
    QCOMPARE(contents(QStringLiteral("kept.png")), QByteArray("an earlier picture"));
    QCOMPARE(contents(QStringLiteral("kept.svg")), QByteArray("an earlier picture"));
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList {"kept.png", "kept.svg", "pipe.png"}));
}
