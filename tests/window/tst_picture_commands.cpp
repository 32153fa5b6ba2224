#include "support/cases.h"
#include "support/pictures.h"

#include "window/picture_commands.h"

#include "output/picture_writing.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <cerrno>

#include <QTest>

using namespace volvenda;

namespace {

// Runs a command as the window's buttons and menu do, with the fields' texts.
std::optional<CommandFailure> give(PictureCommands &commands, const QString &command)
{
    const QStringList words = command.split(u' ');
    if (words[0] == "Start")
        return commands.start({words.value(1), words.value(2), words.value(3)});
    if (words[0] == "Undo")
        return commands.undo();
    if (words[0] == "Redo")
        return commands.redo();
    return commands.clear(words.value(1));
}

// The picture's SVG file, as Save Picture As writes it.
QByteArray svgOf(const VectorSurface &drawing)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    return writePicture(file, PictureFormat::Svg, {nullptr, &drawing}, {}) ? file.data() : QByteArray();
}

} // namespace

// The window's commands, with no window.
class PictureCommandsTest final : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoShowThePictureOfTheirStep_data()
    {
        QTest::addColumn<QStringList>("given");
        for (const char *row : {"Start 120 33 40, Start -80 30 20.5, Start 150 40 60, Undo, Undo, Redo, Redo, Redo",
                 "Start 120 33 40, Clear 60, Start 60 20 10, Undo, Undo, Redo, Redo",
                 "Start 120 33 40, Clear 50abc, Undo, Redo, Undo", "Undo, Redo, Start 120 33 40",
                 "Start 120 33 40, Start 0 33 40, Start 1e38 1e38 2e38, Undo, Undo, Redo, Redo",
                 "Start 120 33 40, Start 100 20 30, Undo, Start 90 30 20, Redo, Undo, Undo"})
            QTest::newRow(row) << QString::fromLatin1(row).split(QStringLiteral(", "));
    }
    void undoAndRedoShowThePictureOfTheirStep()
    {
        // Each step's picture as it was drawn, step by step; Undo and Redo
        // walk back and forth along them, and a new step forgets those ahead.
        QFETCH(QStringList, given);
        for (const qreal ratio : {1.0, 2.0}) {
            PictureCommands commands(ratio);
            QRect shown;
            commands.setPresentHandler([&shown](const QRect &changed) { shown |= changed; });
            QVERIFY(!commands.startUp("120"));
            QList<std::tuple<QImage, QByteArray, QString>> steps {
                {commands.surface().image(), svgOf(commands.drawing()), commands.description()}};
            qsizetype at = 0;
            for (const QString &command : given) {
                const TraceState before = commands.state();
                shown = QRect();
                const std::optional<CommandFailure> failure = give(commands, command);
                const std::tuple now {commands.surface().image(), svgOf(commands.drawing()), commands.description()};
                if (command == "Undo" || command == "Redo") {
                    const qsizetype to = std::clamp(at + (command == "Undo" ? -1 : 1), qsizetype(0), steps.size() - 1);
                    // Shown whole when there was a step to take; the colour to come is not rewound.
                    QCOMPARE(shown, to == at ? QRect() : QRect(0, 0, 400, 445));
                    QCOMPARE(std::tuple(before.Red, before.Green, before.Blue),
                        std::tuple(commands.state().Red, commands.state().Green, commands.state().Blue));
                    QVERIFY(!failure);
                    at = to;
                    QVERIFY2(now == steps[at], qPrintable(command));
                } else {
                    steps.resize(++at);
                    steps << now;
                }
                QCOMPARE(commands.canUndo(), at > 0);
                QCOMPARE(commands.canRedo(), at < steps.size() - 1);
            }
        }
    }

    void badRunsFilesLeaveThePicture_data()
    {
        // A file's contents (none: no file; "folder": a folder), and the error naming it (%1).
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << QByteArray() << "cannot read '%1': " + systemReason(ENOENT);
        QTest::newRow("a folder") << QByteArray("folder") << "cannot read '%1': " + systemReason(EISDIR);
        QTest::newRow("empty") << QByteArray("# nothing\n") << "'%1' holds no runs";
        QTest::newRow("a bad line") << QByteArray("120 33 40\n120 33\n")
                                    << "line 2 of '%1': a run is R1 R2 R3 and maybe a colour RRGGBB, not '120 33'";
        QTest::newRow("two circles") << QByteArray("circle 5\ncircle none\n")
                                     << "line 2 of '%1': the picture has one circle, given as 'circle R' or "
                                        "'circle none', not 'circle none'";
        QTest::newRow("1001 runs") << QByteArray("1 2 3\n").repeated(1001)
                                   << "line 1001 of '%1': the runs are more than the limit of 1000";
    }
    void badRunsFilesLeaveThePicture()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, error);
        QTemporaryDir folder;
        const QString path = folder.filePath("runs.volvenda");
        QFile file(path);
        QVERIFY(contents.isEmpty()
            || (contents == "folder" ? QDir().mkdir(path)
                                     : file.open(QIODevice::WriteOnly) && file.write(contents) > 0));
        file.close();
        PictureCommands commands(1);
        QVERIFY(!commands.startUp("120") && !commands.start({"120", "33", "40"}));
        const QImage picture = commands.surface().image();
        const std::optional<CommandFailure> failure = commands.openRuns(path);
        QCOMPARE(failure.value_or(CommandFailure()).error, error.arg(path));
        QCOMPARE(failure.value_or(CommandFailure()).remedy, "The picture stays as it was.");
        QCOMPARE(commands.surface().image(), picture);
        // Undo takes back the Start, not the file.
        QVERIFY(!commands.undo() && commands.content().runs.empty());
    }
};

QTEST_GUILESS_MAIN(PictureCommandsTest)
#include "tst_picture_commands.moc"
