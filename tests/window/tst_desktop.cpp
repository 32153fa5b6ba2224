#include "window/legible_palette.h"
#include "window/main_window.h"
#include "window/program_options.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>

using namespace volvenda;

namespace {

// Posted, not sent: they wait in the queue as clicks and keys wait while a run
// draws, and the next pass of the loop delivers them in order.
void post(QWidget *window, const QString &action)
{
    auto *target = window->findChild<QWidget *>(action == "Space" ? "R11" : action == "typing" ? "R22" : action);
    if (action == "assistive Clear") // a queued call, not an input event
        QMetaObject::invokeMethod(window->findChild<QWidget *>("Clear"), "click", Qt::QueuedConnection);
    else if (action == "close box")
        QCoreApplication::postEvent(window, new QCloseEvent);
    else if (action == "Space" || action == "typing")
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, 0, {}, action == "Space" ? " " : "x"));
    else
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                target, new QMouseEvent(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, {}));
}

} // namespace

// The window on real desktops: how it ends, how it reads on any theme, and its command line.
class DesktopTest final : public QObject
{
    Q_OBJECT

private slots:
    void inputQueuedBehindTheEnd_data()
    {
        QTest::addColumn<QString>("R11");
        QTest::addColumn<QStringList>("queued");
        QTest::newRow("no end, so acted on: Start draws") << "120" << QStringList {"Start"};
        QTest::newRow("no end, so acted on: typing edits") << "120" << QStringList {"typing"};
        QTest::newRow("Space, Start") << "120" << QStringList {"Space", "Start"};
        QTest::newRow("End, Clear of 50x") << "50x" << QStringList {"End", "Clear"};
        QTest::newRow("Space, assistive Clear of 50x") << "50x" << QStringList {"Space", "assistive Clear"};
        QTest::newRow("close box, typing, Space, End") << "120" << QStringList {"close box", "typing", "Space", "End"};
    }
    void inputQueuedBehindTheEnd()
    {
        QFETCH(QString, R11);
        QFETCH(QStringList, queued);
        int ended = 0;
        QStringList errors;
        const auto end = [&ended] { ++ended, MainWindow::quitProgram(); };
        MainWindow window(end, [&errors](QWidget *, const QString &text) { errors << text; });
        window.show();
        window.findChild<QLineEdit *>("R11")->setText(R11);
        const QImage picture = window.surface().image();
        for (const QString &action : queued)
            post(&window, action);
        const bool ends = queued.size() > 1; // and then the real end leaves the event loop
        QTimer watchdog; // should it not stop, it stops with a status the test rejects
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(3); });
        watchdog.start(20'000);
        QCOMPARE(ends ? QApplication::exec() : 0, 0);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(window.surface().image() != picture || !errors.isEmpty()
                || window.findChild<QLineEdit *>("R22")->text() != "33",
            !ends);
        QCOMPARE(std::pair(window.isEnding(), ended), std::pair(ends, ends ? 1 : 0));
    }

    void legibleOnAnyTheme()
    {
        // A dark theme's light text would vanish on the fields' white: replaced.
        // A light theme's near-black text reads: kept, with a window already
        // open when the theme changes and a new one alike.
        const QPalette original = QApplication::palette();
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
        for (const auto &[window, text, keeps] :
            {std::tuple("#323232", "#f0f0f0", false), std::tuple("#eeeeee", "#0a0a0a", true)}) {
            MainWindow before({}, {});
            const QColor ink(text);
            const QColor paper(window);
            QPalette theme {ink, paper, paper.lighter(), paper.darker(), paper, ink, ink, paper, paper};
            theme.setColor(QPalette::Highlight, "#308cc6");
            theme.setColor(QPalette::HighlightedText, text);
            QApplication::setPalette(theme);
            MainWindow after({}, {});
            for (const MainWindow *shown : {&before, &after})
                for (const char *name : {"Метка1", "R22"}) {
                    const QPalette palette = shown->findChild<QWidget *>(QString::fromUtf8(name))->palette();
                    const QPalette::ColorRole role
                        = name[0] == 'R' ? QPalette::Text : QPalette::WindowText; // the cursor's too
                    const QColor selection = palette.color(QPalette::Inactive, QPalette::Highlight);
                    QCOMPARE(palette.color(name[0] == 'R' ? QPalette::Base : QPalette::Window), QColor(Qt::white));
                    QVERIFY(contrastRatio(palette.color(role), Qt::white) >= 4.5);
                    QVERIFY(
                        contrastRatio(palette.color(QPalette::Inactive, QPalette::HighlightedText), selection) >= 4.5);
                    QVERIFY(contrastRatio(selection, Qt::white) >= 3);
                    QCOMPARE(palette.color(role) == QColor(text), keeps);
                }
        }
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        const QString hint = "volvenda: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is "
                             "set); to run it on a virtual X server: sudo apt-get install xvfb xauth && xvfb-run -a "
            + QFileInfo(VOLVENDA_WINDOW).canonicalFilePath();
        QTest::newRow("--version") << QStringList {"--version"} << 0 << "volvenda 1.00\n";
        const QString cannot = "volvenda: cannot write to standard output: ";
        QTest::newRow("--version to a full disk") << QStringList {"--version", ">/dev/full"} << 1
                                                  << cannot + QString::fromLocal8Bit(std::strerror(ENOSPC)) + "\n";
        QTest::newRow("--help to a closed output")
            << QStringList {"--help", ">&-"} << 1 << cannot + QString::fromLocal8Bit(std::strerror(EBADF)) + "\n";
        QTest::newRow("-h among Qt's") << QStringList {"-style", "fusion", "-h"} << 0 << "Usage: volvenda [options]";
        QTest::newRow("unknown, one line") << QStringList {"-frob"} << 2 << "volvenda: Unknown option 'frob'. Try";
        QTest::newRow("no display: the real path, quoted for a shell")
            << QStringList {"-style", "it's"} << 1 << hint + " -style 'it'\\''s'\n";
        QTest::newRow("past the display check, -platform for Qt") << QStringList {
            "-platform", "none"} << -1 << "qt.qpa.plugin: Could not find the Qt platform plugin \"none\"";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        // Without a display; a last argument such as ">&-" redirects standard output.
        const QString redirect = arguments.constLast().startsWith(u'>') ? arguments.takeLast() : QString();
        QProcess volvenda;
        volvenda.start("sh",
            QStringList {"-c", "exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$@\" " + redirect, "sh",
                VOLVENDA_WINDOW}
                + arguments);
        QVERIFY(volvenda.waitForFinished(60'000));
        const QString shown = volvenda.readAllStandardOutput() + volvenda.readAllStandardError();
        QVERIFY2(shown.startsWith(output) && (status != 2 || shown.count('\n') == 1), qPrintable(shown));
        // Help lists the toolkit's options worth knowing, not the obscure ones.
        if (output.startsWith("Usage"))
            QVERIFY(shown.contains("-platform <name[:options]>") && !shown.contains("-sync"));
        QCOMPARE(volvenda.exitStatus() == QProcess::CrashExit ? -1 : volvenda.exitCode(), status);
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
