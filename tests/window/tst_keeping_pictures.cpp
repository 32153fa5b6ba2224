#include "support/cases.h"
#include "support/pictures.h"
#include "support/renderer.h"
#include "window_harness.h"

#include "window/picture_export.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace volvenda;

namespace {

// A file chosen after one Start with the radii: the files written, and the errors reported (%1: the file).
struct Save
{
    ChosenFile chosen;
    QStringList written;
    QString radii = "120 33 40";
    // Left out of most rows, which g++ warns of unless it has an initializer.
    QStringList errors = {}; // NOLINT(readability-redundant-member-init)
};

} // namespace

// Saving and copying the window's picture.
class KeepingPicturesTest final : public QObject
{
    Q_OBJECT

private slots:
    void savesThePictureAsShown_data()
    {
        const QString tooLong = "cannot write '%1': " + systemReason(ENAMETOOLONG);
        addRows<Save>({
            {"PNG by its extension", {{"a.png", PictureFormat::Svg}, {"a.png"}}},
            {"SVG by its extension in capitals", {{"b.SVG", PictureFormat::Png}, {"b.SVG"}}},
            {"no extension: the filter's", {{"c", PictureFormat::Svg}, {"c.svg"}}},
            {"another extension: the filter's added", {{"d.v2", PictureFormat::Png}, {"d.v2.png"}}},
            // From the centre out of the picture, then beyond single precision.
            {"a run that failed part-way",
                {{"e.svg", PictureFormat::Svg}, {"e.svg"}, "1e38 1e38 2e38",
                    {"Overflow\nR3 is 2e38: the curve would reach beyond the range of single precision (about "
                     "3.4e38); smaller numbers draw it."}}},
            {"name too long", {{QString(300, u'n') + ".png", PictureFormat::Png}, {}, "120 33 40", {tooLong}}},
            {"a named pipe, refused as by the renderer",
                {{"pipe.png", PictureFormat::Png}, {}, "120 33 40", {"cannot write '%1': it is a named pipe"}}},
        });
    }
    void savesThePictureAsShown()
    {
        QFETCH(Save, row);
        QTemporaryDir folder;
        WindowHarness harness;
        // An earlier run, gone with Clear from the SVG too.
        harness.click("Start");
        harness.click("Clear");
        const QStringList radii = row.radii.split(u' ');
        for (const char *name : {"R11", "R22", "R33"})
            harness.field(name)->setText(radii[name[1] - '1']);
        harness.click("Start");
        const QImage picture = harness.picture();
        harness.choice = {folder.filePath(row.chosen.path), row.chosen.filter};
        if (row.chosen.path == "pipe.png")
            QCOMPARE(::mkfifo(QFile::encodeName(harness.choice.path).constData(), 0600), 0);
        harness.trigger("savePicture");
        harness.trigger("copyPicture");
        QCOMPARE(harness.errors, row.errors.replaceInStrings("%1", harness.choice.path));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), row.written);
        QCOMPARE(harness.picture(), picture);
        if (row.written.isEmpty())
            return;
        const QByteArray saved = contents(folder.filePath(row.written[0]));
        const bool png = row.written[0].endsWith(QLatin1String("png"));
        if (png) {
            // The surface pixel for pixel, its ratio recorded as 96 dpi a logical pixel.
            QImage image = QImage::fromData(saved, "PNG");
            QCOMPARE(image.dotsPerMeterX(), qRound(96 / 0.0254 * qApp->devicePixelRatio()));
            image.setDevicePixelRatio(qApp->devicePixelRatio());
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32), picture);
        } else {
            // The circle and the one run since Clear, whole or as far as it got.
            const SvgDrawing drawing = readSvg(saved);
            QCOMPARE(drawing.circles, QList<double> {120});
            QCOMPARE(drawing.paths.value(0).second, runColour(harness.window));
            QVERIFY(!row.errors.isEmpty() || drawing.paths.value(0).first == epitrochoid(120, 33, 40));
        }
        // The folder and format used are proposed next time.
        harness.choice = {};
        harness.trigger("savePicture");
        QCOMPARE(harness.proposals.back(), folder.filePath(png ? "volvenda.png" : "volvenda.svg"));
        if (QGuiApplication::platformName() == "wayland")
            QSKIP("headless weston has no clipboard without a seat");
        // Copied as the same PNG and SVG, and as an image.
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->data(png ? "image/png" : "image/svg+xml"), saved);
    }

    void runsFilesGiveThePictureBack_data()
    {
        // Commands in one window, whose runs are saved and opened in another,
        // and drawn by the renderer into the same SVG as the window's.
        QTest::addColumn<QStringList>("given");
        for (const char *row : {"Start 120 33 40, Start -80 30 20.5, Start 150 40 60, Start 120 33 40",
                 "Start 120 33 40, Clear 60, Start 50 20 10", "Start 0 33 40, Start 120 33 40",
                 "Start 120 33 40, Clear 1e39"})
            QTest::newRow(row) << QString::fromLatin1(row).split(QStringLiteral(", "));
    }
    void runsFilesGiveThePictureBack()
    {
        QFETCH(QStringList, given);
        QTemporaryDir folder;
        WindowHarness saved;
        for (const QString &command : given) {
            const QStringList words = command.split(u' ');
            for (qsizetype field = 1; field < words.size(); ++field)
                saved.field(qPrintable(QStringLiteral("R%1%1").arg(field)))->setText(words[field]);
            saved.click(qPrintable(words[0]));
        }
        saved.runsChoice = folder.filePath("kept.volvenda");
        saved.choice = {folder.filePath("window.svg"), PictureFormat::Svg};
        saved.trigger("saveRuns");
        saved.trigger("savePicture");
        const QByteArray runs = contents(saved.runsChoice);
        QVERIFY2(runs.startsWith("# Volvenda 1.00") && runs.contains("# failed") == given[0].startsWith("Start 0"),
            runs.constData());
        // The same picture, pixel for pixel, with the last run's radii in the fields.
        WindowHarness opened;
        opened.runsChoice = saved.runsChoice;
        opened.trigger("openRuns");
        QCOMPARE(opened.errors, saved.errors.mid(given[0].startsWith("Start 0") ? 1 : 0));
        QCOMPARE(opened.picture(), saved.picture());
        if (given.last().startsWith("Start"))
            QCOMPARE(
                opened.field("R11")->text() + ' ' + opened.field("R22")->text() + ' ' + opened.field("R33")->text(),
                given.last().mid(6));
        // The renderer draws it as the window saved it.
        QCOMPARE(render({"--runs", saved.runsChoice, "-o", folder.filePath("rendered.svg")}).err, QString());
        QCOMPARE(contents(folder.filePath("rendered.svg")), contents(folder.filePath("window.svg")));
    }

    void proposesAFolderThatIsThere()
    {
        // The last used, the pictures folder, HOME and the account's home, each
        // proposed while it is there, the next when it is gone or HOME unset.
        QTemporaryDir scratch;
        const QString home = scratch.filePath("home");
        const QString pictures = QDir(home).filePath("Pictures");
        const QString lastUsed = scratch.filePath("last used");
        QVERIFY(QDir().mkpath(pictures) && QDir().mkpath(lastUsed));
        const QByteArray was[] {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME")};
        const auto restore = qScopeGuard([&] { qputenv("HOME", was[0]), qputenv("XDG_CONFIG_HOME", was[1]); });
        qunsetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home));
        const QString account = QFile::decodeName(::getpwuid(::getuid())->pw_dir);
        QCOMPARE(proposedFolder(lastUsed), lastUsed);
        for (const auto &[gone, next] :
            {std::pair(lastUsed, pictures), std::pair(pictures, home), std::pair(home, account)}) {
            // Only ever a folder of the scratch folder's.
            QVERIFY(gone.startsWith(scratch.path() + '/') && QDir(gone).removeRecursively());
            QCOMPARE(proposedFolder(lastUsed), next);
        }
        qunsetenv("HOME");
        QCOMPARE(proposedFolder(lastUsed), account);
    }
};

QTEST_MAIN(KeepingPicturesTest)
#include "tst_keeping_pictures.moc"
