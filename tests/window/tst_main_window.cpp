#include "support/cases.h"
#include "support/pictures.h"
#include "support/renderer.h"

#include "window/legible_palette.h"
#include "window/main_window.h"
#include "window/program_options.h"

#include "runtime/arithmetic.h"
#include "runtime/process_setup.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace volvenda;

namespace {

// A main window whose program end and error reports are recorded instead of
// quitting or showing a modal box, and whose file dialog answers choice.
struct WindowHarness
{
    int ended = 0;
    QStringList errors;
    QStringList proposals;
    ChosenFile choice;
    MainWindow window {[this] { ++ended; }, [this](QWidget *, const QString &text) { errors << text; },
        [this](QWidget *, const QString &proposal) {
            proposals << proposal;
            return choice;
        }};

    QWidget *control(const QString &name) { return window.findChild<QWidget *>(name); }
    QLineEdit *field(const char *name) { return window.findChild<QLineEdit *>(QString::fromLatin1(name)); }
    void click(const char *button)
    {
        QTest::mouseClick(window.findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    }

    // Shows the window and gives it the keyboard. Under a bare X server no
    // window manager activates it, so ask for it.
    [[nodiscard]] bool showActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window);
    }

    [[nodiscard]] const QImage &picture() const { return window.surface().image(); }
    void trigger(const char *action) { window.findChild<QAction *>(QString::fromLatin1(action))->trigger(); }
    // What the window shows, controls and all, in device pixels.
    [[nodiscard]] QImage shown() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// The run colour the window picked last.
QColor runColour(const MainWindow &window)
{
    const TraceState &state = window.state();
    return toQColor(composeColor(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue)));
}

// A colour as the picture's description gives it.
QString colourOf(const QColor &colour)
{
    return colourInWords(composeColor(colour.red(), colour.green(), colour.blue())) + " (" + colour.name() + ")";
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// A command run after one Start with a text in R1: the radius of the grey
// circle then drawn (0 for none, -1 for the picture left as it was) and the error reported.
struct Command
{
    QString button;
    QString R11;
    double radius = 0;
    // The error reported, as far as it names the field, and the picture's description after it.
    QString error;
    QString description;
};

// A key pressed at a control, and the command it runs.
struct Key
{
    QString control;
    QKeySequence key;
    QString runs;
};

// Counts the paints a widget gets, to see each step reach the screen.
class PaintCounter final : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// A file chosen after one Start with the radii: the files written, and the errors reported (%1: the file).
struct Save
{
    ChosenFile chosen;
    QStringList written;
    QString radii = "120 33 40";
    // Left out of most rows, which g++ warns of unless it has an initializer.
    QStringList errors = {}; // NOLINT(readability-redundant-member-init)
};

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

class MainWindowTest final : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandInARowAndSayWhatTheyAre()
    {
        WindowHarness harness;
        // Left to right, with the role and description a screen reader reads
        // (how it begins); each field is named by its label, the rest by their text.
        const std::tuple<const char *, QAccessible::Role, const char *> controls[] {
            {"Start", QAccessible::Button, "traces"}, {"Метка1", QAccessible::StaticText, ""},
            {"R11", QAccessible::EditableText, "radius of the fixed circle"}, {"Метка2", QAccessible::StaticText, ""},
            {"R22", QAccessible::EditableText, "radius of the rolling circle; negative rolls it inside"},
            {"Метка3", QAccessible::StaticText, ""},
            {"R33", QAccessible::EditableText, "distance of the pen from the rolling circle's centre"},
            {"Clear", QAccessible::Button, "wipes"}, {"End", QAccessible::Button, "ends the program; the Space key"}};
        QRect row;
        QString label;
        for (const auto &[name, role, description] : controls) {
            QWidget *control = harness.control(QString::fromUtf8(name));
            QVERIFY2(control && control->isVisibleTo(&harness.window), name);
            // Clear of the default curve (y from 57 on); a label reaches a pixel into its field.
            QVERIFY2(control->x() >= row.right() && control->geometry().bottom() < 57, name);
            // One row: all along the same top edge.
            QCOMPARE(control->y(), harness.control("Start")->y());
            row |= control->geometry();
            // Their own font, not the larger one of the window.
            QCOMPARE(control->font().weight(), QFont::Bold);
            QCOMPARE(control->font().pointSizeF(), 9.75);
            QAccessibleInterface *part = accessible(control);
            QCOMPARE(part->role(), role);
            QCOMPARE(
                part->text(QAccessible::Name), role == QAccessible::EditableText ? label : control->property("text"));
            // The fields' words as given; a button's say what it does.
            const QString words = QString::fromUtf8(description);
            QCOMPARE(part->text(QAccessible::Description).left(words.size()), words);
            label = control->property("text").toString();
            // A label is an opaque box that takes no focus.
            QVERIFY(!qobject_cast<QLabel *>(control)
                || (control->focusPolicy() == Qt::NoFocus && control->autoFillBackground()));
            if (auto *button = qobject_cast<QPushButton *>(control))
                QVERIFY(!button->autoDefault() && !button->isDefault());
        }
        QVERIFY(row.left() > 0 && row.right() < 400);
        QCOMPARE(harness.window.font().pointSizeF(), 13.5);
        QCOMPARE(accessible(&harness.window)->role(), QAccessible::Window);
        QCOMPARE(accessible(&harness.window)->text(QAccessible::Name), QStringLiteral("Volvenda"));
        QAccessibleInterface *picture = accessible(harness.window.childAt(200, 250));
        QCOMPARE(picture->role(), QAccessible::Graphic);
        QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Picture"));
    }

    void opensWithTheCircleAndTheFocusInR1()
    {
        WindowHarness harness;
        QVERIFY(harness.window.minimumSize() == QSize(400, 445) && harness.window.maximumSize() == QSize(400, 445));
        // One grey circle, one logical pixel wide at every ratio, and nothing else.
        QCOMPARE(differences(harness.picture(), {120}), QString());
        QCOMPARE(harness.window.surface().penWidth(), 1);

        QVERIFY(harness.showActive());
        if (QGuiApplication::platformName() == "wayland" && !harness.window.isActiveWindow())
            QSKIP("this Wayland compositor gives no window the keyboard (headless weston has no seat)");
        QCOMPARE(QApplication::focusWidget(), harness.field("R11"));
        for (const char *next : {"Start", "R22", "R33", "Clear", "End", "R11"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
    }

    void startShowsEveryStepOverTheCircle()
    {
        WindowHarness harness;
        // The icon waits for the first frame, which does not need it.
        QVERIFY(harness.window.windowIcon().isNull());
        harness.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&harness.window));
        QTRY_COMPARE(harness.window.windowIcon().availableSizes().size(), 5);
        PaintCounter counter;
        harness.window.childAt(200, 250)->installEventFilter(&counter);
        harness.click("Start");
        // One paint per segment during the click itself: the event loop never ran.
        QVERIFY2(counter.paints >= 804, qPrintable(QString::number(counter.paints)));

        QCOMPARE(
            differences(harness.picture(), {120, {{epitrochoid(120, 33, 40), runColour(harness.window)}}}), QString());

        // Below the controls the window shows the surface pixel for pixel.
        const QRect belowControls(0, qRound(45 * qApp->devicePixelRatio()), qRound(400 * qApp->devicePixelRatio()),
            qRound(400 * qApp->devicePixelRatio()));
        QCOMPARE(harness.shown().copy(belowControls), harness.picture().copy(belowControls));
    }

    void errorBoxSaysWhatToDo()
    {
        // The box the program shows: the error's words, and under them the remedy.
        QString shown;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text() + '|' + box->informativeText();
                box->accept();
            }
        });
        closer.start(10);
        MainWindow::showErrorBox(nullptr, "Division by zero\nR1 is 0: the fixed circle needs a radius other than 0.");
        QCOMPARE(shown, "Division by zero|R1 is 0: the fixed circle needs a radius other than 0.");
    }

    void commandsAfterStart_data()
    {
        // The error: its words, then the field and what it holds; after them,
        // what to do. The description: %1 and %2 the runs' colours in words.
        const QString runs = "Grey circle, radius 120. 2 curves: R1 120, R2 33, R3 40 in %1; R1 ";
        const QString none = "No grey circle. No curves.";
        addRows<Command>({
            {"start-up radius", {"Clear", "120", 120, "", "Grey circle, radius 120. No curves."}},
            {"negative", {"Clear", "-80", 80, "", "Grey circle, radius 80. No curves."}},
            {"fraction", {"Clear", "60.5", 60.5, "", "Grey circle, radius 60.5. No curves."}},
            {"grouped in the locale", {"Clear", "1,000", 1000, "", "Grey circle, radius 1000. No curves."}},
            {"beyond single precision: drawn nowhere", {"Clear", "1e39", 0, "", none}},
            {"junk after the number", {"Clear", "50abc", 0, "Type mismatch\nR1 is 50abc: ", none}},
            {"empty", {"Clear", "", 0, "Type mismatch\nR1 is empty: ", none}},
            {"beyond double", {"Clear", "1e400", 0, "Overflow\nR1 is 1e400: ", none}},
            // A failed run keeps what was drawn before it: the curve of the first run.
            {"Start with R1 empty",
                {"Start", "", -1, "Division by zero\nR1 is empty: ",
                    runs + "0, R2 33, R3 40 in %2, stopped part-way by \"Division by zero\"."}},
            {"Start with R1 beyond single",
                {"Start", "1e39", -1,
                    "Overflow\nR1 is 1e39: ", runs + "1e+39, R2 33, R3 40 in %2, stopped part-way by \"Overflow\"."}},
            {"Start with a tiny R1",
                {"Start", "1e-310", -1, "Overflow\nR1 is 1e-310: ",
                    runs + "1e-310, R2 33, R3 40 in %2, stopped part-way by \"Overflow\"."}},
            {"Start again", {"Start", "100", -2, "", runs + "100, R2 33, R3 40 in %2."}},
        });
    }
    void commandsAfterStart()
    {
        QFETCH(Command, row);
        WindowHarness harness;
        harness.window.show();
        harness.click("Start");
        const QImage afterStart = harness.picture();
        const QString first = colourOf(runColour(harness.window));
        harness.field("R11")->setText(row.R11);
        harness.click(qPrintable(row.button));
        // One error, with more to say after the field.
        QVERIFY2(row.error.isEmpty() ? harness.errors.isEmpty()
                                     : harness.errors.size() == 1 && harness.errors[0].startsWith(row.error)
                    && harness.errors[0].size() > row.error.size() + 10,
            qPrintable(harness.errors.join("")));
        QCOMPARE(harness.window.surface().penWidth(), row.button == "Clear" ? 1 : 2);
        if (row.radius >= 0)
            QCOMPARE(differences(harness.picture(), {row.radius}), QString());
        else if (row.radius == -1)
            QCOMPARE(harness.picture(), afterStart);
        QCOMPARE(accessible(harness.window.childAt(200, 250))->text(QAccessible::Description),
            row.description.contains(u'%') ? row.description.arg(first, colourOf(runColour(harness.window)))
                                           : row.description);

        // The window goes on after an error.
        QCOMPARE(harness.ended, 0);
        harness.field("R11")->setText("120");
        harness.click("Clear");
        QCOMPARE(differences(harness.picture(), {120}), QString());
    }

    void keysRunTheCommands_data()
    {
        // Return and Enter press a focused button; a field takes them, and
        // Escape, as it would; the Space key ends the program from anywhere.
        addRows<Key>({
            {"Return on Start", {"Start", Qt::Key_Return, "Start"}},
            {"keypad Enter on Clear", {"Clear", Qt::KeypadModifier | Qt::Key_Enter, "Clear"}},
            {"Return on End", {"End", Qt::Key_Return, "End, ended"}},
            {"Ctrl+Return on Start", {"Start", Qt::ControlModifier | Qt::Key_Return, ""}},
            {"Return in R1", {"R11", Qt::Key_Return, ""}},
            {"Enter in R2", {"R22", Qt::Key_Enter, ""}},
            {"Escape in R3", {"R33", Qt::Key_Escape, ""}},
            {"Space in R1", {"R11", Qt::Key_Space, "ended"}},
            {"Space on Start", {"Start", Qt::Key_Space, "ended"}},
        });
    }
    void keysRunTheCommands()
    {
        QFETCH(Key, row);
        WindowHarness harness;
        harness.window.show();
        QWidget *control = harness.control(row.control);
        control->setFocus();
        QStringList ran;
        for (const char *name : {"Start", "Clear", "End"})
            connect(harness.window.findChild<QPushButton *>(name), &QPushButton::clicked, &harness.window,
                [&ran, name] { ran << name; });
        auto *field = qobject_cast<QLineEdit *>(control);
        // Other characters edit a field as usual and run nothing.
        const QString typed = field ? field->text() + QStringLiteral("5x-") : QString();
        QTest::keyClicks(control, "5x-");
        const QImage picture = harness.picture();
        QTest::keySequence(control, row.key);
        if (harness.ended > 0)
            ran << "ended";
        QCOMPARE(ran.join(", "), row.runs);
        if (field)
            QCOMPARE(field->text(), typed);
        if (!ran.contains("Start") && !ran.contains("Clear"))
            QCOMPARE(harness.picture(), picture);
    }

    void fieldsShowTheirWholeFrame()
    {
        // Where a label meets its field, the field's own left column shows.
        WindowHarness harness;
        harness.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&harness.window));
        const QImage shown = harness.shown();
        for (const char *name : {"R11", "R22", "R33"}) {
            QLineEdit *field = harness.field(name);
            const QImage own = field->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QPoint corner = field->pos() * qApp->devicePixelRatio();
            QCOMPARE(shown.copy(corner.x(), corner.y(), 1, own.height()), own.copy(0, 0, 1, own.height()));
        }
    }

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

    void svgIsTheRenderersAfterSeveralStarts()
    {
        // After start-up with the first run's radii in the fields, a Start for each run.
        QTemporaryDir folder;
        WindowHarness harness;
        QStringList arguments {"-o", folder.filePath("rendered.svg")};
        for (const char *run : {"120 33 40", "-80 30 20.5", "150 40 60", "120 33 40"}) {
            const QStringList radii = QString::fromLatin1(run).split(u' ');
            for (const char *name : {"R11", "R22", "R33"})
                harness.field(name)->setText(radii[name[1] - '1']);
            harness.click("Start");
            arguments << "--color" << runColour(harness.window).name().mid(1) << radii;
        }
        harness.choice = {folder.filePath("window.svg"), PictureFormat::Svg};
        harness.trigger("savePicture");
        QCOMPARE(render(arguments).err, QString());
        QCOMPARE(contents(folder.filePath("window.svg")), contents(folder.filePath("rendered.svg")));
    }

    void keepsThePictureAtAFileSizeLimit()
    {
        // As the program sets itself up where it starts.
        prepareProcess();
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.png");
        QVERIFY(writeEarlier(path));
        WindowHarness harness;
        harness.click("Start");
        const QImage picture = harness.picture();
        harness.choice = {path, PictureFormat::Png};
        rlimit unlimited = {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        const rlimit small = {4096, unlimited.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        harness.trigger("savePicture");
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &unlimited), 0);
        QCOMPARE(harness.errors, QStringList {"cannot write '" + path + "': " + systemReason(EFBIG)});
        QCOMPARE(contents(path), QByteArray("an earlier picture"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"kept.png"});
        QCOMPARE(harness.picture(), picture);
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

    void keysAndRightClicks_data()
    {
        // Keys pressed at a control (the picture when unnamed), or a menu event
        // or a screen reader's action sent to it, and what opens.
        QTest::addColumn<QStringList>("asked");
        for (const QStringList &row : {QStringList {"", "mouse menu event", "picture menu"},
                 {"R11", "Menu", "picture menu"}, {"Start", "Shift+F10", "picture menu"}, {"Start", "F10", "nothing"},
                 {"R22", "keyboard menu event", "picture menu"}, {"R33", "mouse menu event", "field menu"},
                 {"R33", "Ctrl+S", "file dialog"}, {"", "show menu action", "picture menu"}})
            QTest::newRow(qPrintable(row[1] + " at " + (row[0].isEmpty() ? "the picture" : row[0]))) << row;
    }
    void keysAndRightClicks()
    {
        QFETCH(QStringList, asked);
        const QString &control = asked[0];
        const QString &keys = asked[1];
        const QString &opens = asked[2];
        WindowHarness harness;
        if (!harness.showActive() || !harness.window.isActiveWindow())
            QSKIP("no window gets the keyboard here (headless weston has no seat)");
        QWidget *target = control.isEmpty() ? harness.window.childAt(200, 250) : harness.control(control);
        const auto reason = keys.startsWith("mouse") ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard;
        QContextMenuEvent event(reason, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        if (keys.endsWith("menu event"))
            QApplication::sendEvent(target, &event);
        else if (keys.endsWith("action"))
            accessible(target)->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        else
            QTest::keySequence(target, QKeySequence(keys));
        QWidget *popup = QApplication::activePopupWidget();
        const QString opened = harness.proposals.isEmpty() ? "nothing" : "file dialog";
        // The picture's menu, as a screen reader reads it too.
        QAccessibleInterface *menu = popup ? accessible(popup) : nullptr;
        const bool ours = menu && menu->role() == QAccessible::PopupMenu && menu->text(QAccessible::Name) == "Picture"
            && menu->childCount() == 2 && menu->child(0)->text(QAccessible::Name) == "Copy Picture"
            && menu->child(1)->text(QAccessible::Name) == "Save Picture As…";
        if (popup)
            popup->close();
        QCOMPARE(popup ? (ours ? "picture menu" : "field menu") : opened, opens);
    }

    // The window on real desktops: how it ends, how it reads on any theme, and its command line.
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
        // On the fields' white a dark theme's light text, and a grey just short
        // of reading (4.48 : 1), are replaced; near-black is kept. Alike in a
        // window open when the theme changes and in a new one.
        const QPalette original = QApplication::palette();
        const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });
        for (const auto &[window, text, keeps] : {std::tuple("#323232", "#f0f0f0", false),
                 std::tuple("#eeeeee", "#0a0a0a", true), std::tuple("#eeeeee", "#777777", false)}) {
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
        QTest::newRow("--version to a full disk")
            << QStringList {"--version", ">/dev/full"} << 1 << cannot + systemReason(ENOSPC) + "\n";
        QTest::newRow("--help to a closed output")
            << QStringList {"--help", ">&-"} << 1 << cannot + systemReason(EBADF) + "\n";
        QTest::newRow("-h among Qt's") << QStringList {"-style", "fusion", "-h"} << 0 << "Usage: volvenda [options]";
        QTest::newRow("unknown, one line") << QStringList {"-frob"} << 2 << "volvenda: Unknown option 'frob'. Try";
        QTest::newRow("no display, no arguments") << QStringList {} << 1 << hint + "\n";
        QTest::newRow("no display: the real path, quoted for a shell")
            << QStringList {"-style", "it's"} << 1 << hint + " -style 'it'\\''s'\n";
        // Under a limit of address space that leaves too little, before the
        // toolkit fails: room for a helper's stack per processor counts, and
        // a thread's default stack is 4 GB here.
        QTest::newRow("too little memory") << QStringList {"ulimit -s 4194304; ulimit -v 2097152;", "-platform",
            "offscreen"} << 1 << "volvenda: Out of memory: the window needs about ";
        QTest::newRow("past the display check, -platform for Qt") << QStringList {
            "-platform", "none"} << -1 << "qt.qpa.plugin: Could not find the Qt platform plugin \"none\"";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        // Without a display; a last argument such as ">&-" redirects standard
        // output, and a first one such as "ulimit …;" sets limits.
        const QString redirect
            = !arguments.isEmpty() && arguments.constLast().startsWith(u'>') ? arguments.takeLast() : QString();
        const QString limits
            = !arguments.isEmpty() && arguments.constFirst().startsWith("ulimit") ? arguments.takeFirst() : QString();
        if (!limits.isEmpty() && underAddressSanitizer)
            QSKIP("the address sanitizer reserves more address space than the limit");
        // A runtime folder of its own, of which the toolkit would otherwise warn first.
        QTemporaryDir runtime;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess volvenda;
        volvenda.setProcessEnvironment(environment);
        volvenda.start("sh",
            QStringList {"-c", limits + "exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$@\" " + redirect,
                "sh", VOLVENDA_WINDOW}
                + arguments);
        QVERIFY(volvenda.waitForFinished(60'000));
        const QString shown = volvenda.readAllStandardOutput() + volvenda.readAllStandardError();
        QVERIFY2(shown.startsWith(output) && (status != 2 || shown.count('\n') == 1), qPrintable(shown));
        // Help lists the toolkit's options worth knowing, not the obscure ones.
        if (output.startsWith("Usage"))
            QVERIFY(shown.contains("Draws epitrochoids") && shown.contains("-platform <name[:options]>")
                && !shown.contains("-sync"));
        QCOMPARE(volvenda.exitStatus() == QProcess::CrashExit ? -1 : volvenda.exitCode(), status);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
