#include "support/cases.h"
#include "support/pictures.h"

#include "window/main_window.h"

#include "runtime/numbers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

using namespace volvenda;

// Run by ctest at device-pixel ratios 1 and 2: the same logical geometry,
// the picture backed at the ratio.
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

qreal ratio()
{
    return qApp->devicePixelRatio();
}

struct Control
{
    QString kind;
    QString text;
    QRect geometry;
    QString buddy = {};
};

// A command run after one Start with a text in R1: the radius of the grey
// circle then drawn (0 for none, -1 for the picture left as it was) and the error reported.
struct Command
{
    QString button;
    QString R11;
    double radius = 0;
    QString error = {};
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
    QStringList errors = {};
};

} // namespace

class MainWindowTest final : public QObject
{
    Q_OBJECT

private slots:
    void controls_data()
    {
        addRows<Control>({
            {"Start", {"QPushButton", "Start", {8, 8, 57, 25}}},
            {"Метка1", {"QLabel", "R1", {72, 8, 25, 25}, "R11"}},
            {"R11", {"QLineEdit", "120", {96, 8, 41, 24}}},
            {"Метка2", {"QLabel", "R2", {144, 8, 25, 25}, "R22"}},
            {"R22", {"QLineEdit", "33", {168, 8, 41, 24}}},
            {"Метка3", {"QLabel", "R3", {216, 8, 25, 33}, "R33"}},
            {"R33", {"QLineEdit", "40", {240, 8, 41, 23}}},
            {"Clear", {"QPushButton", "Clear", {288, 8, 49, 25}}},
            {"End", {"QPushButton", "End", {352, 8, 41, 25}}},
        });
    }
    void controls()
    {
        QFETCH(Control, row);
        WindowHarness harness;
        QWidget *control = harness.control(QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(control && control->isVisibleTo(&harness.window));
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), row.kind);
        QCOMPARE(control->geometry(), row.geometry);
        QCOMPARE(control->property("text").toString(), row.text);
        const QFont font = control->font();
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.pointSizeF(), 9.75);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());

        if (auto *button = qobject_cast<QPushButton *>(control))
            QVERIFY(!button->autoDefault() && !button->isDefault());
        if (auto *field = qobject_cast<QLineEdit *>(control))
            QCOMPARE(field->palette().color(QPalette::Base), QColor(Qt::white));
        if (auto *label = qobject_cast<QLabel *>(control)) {
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
            QCOMPARE(label->buddy(), harness.control(row.buddy));
            QCOMPARE(label->buddy()->accessibleName(), row.text);
        }
    }

    void opensWithTheCircleAndTheFocusInR1()
    {
        WindowHarness harness;
        QCOMPARE(harness.window.windowTitle(), QStringLiteral("Volvenda"));
        QCOMPARE(harness.window.minimumSize(), QSize(400, 445));
        QCOMPARE(harness.window.maximumSize(), QSize(400, 445));
        // One grey circle, one logical pixel wide at every ratio, and nothing else.
        QVERIFY(isCircle(harness.picture(), {200, 250}, 120, toQColor(ReferenceGray)));
        QCOMPARE(harness.picture(), corePicture(ratio(), 120));
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
        harness.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&harness.window));
        PaintCounter counter;
        harness.window.childAt(200, 250)->installEventFilter(&counter);
        harness.click("Start");
        // One paint per segment during the click itself: the event loop never ran.
        QVERIFY2(counter.paints >= 804, qPrintable(QString::number(counter.paints)));

        // The circle and the curve drawn afresh on the core's surface.
        const WindowState &state = harness.window.state();
        const COLORREF colour = composeColor(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue));
        QCOMPARE(harness.picture(), corePicture(ratio(), 120, TracePlan {Radii {120, 33, 40}, colour}));

        // Below the controls the window shows the surface pixel for pixel.
        const QRect belowControls(0, qRound(45 * ratio()), qRound(400 * ratio()), qRound(400 * ratio()));
        QCOMPARE(harness.shown().copy(belowControls), harness.picture().copy(belowControls));
    }

    void commandsAfterStart_data()
    {
        addRows<Command>({
            {"start-up radius", {"Clear", "120", 120}},
            {"negative", {"Clear", "-80", 80}},
            {"fraction", {"Clear", "60.5", 60.5}},
            {"grouped in the locale", {"Clear", "1,000", 1000}},
            {"beyond single precision: drawn nowhere", {"Clear", "1e39", 0}},
            {"junk after the number", {"Clear", "50abc", 0, "Type mismatch"}},
            {"empty", {"Clear", "", 0, "Type mismatch"}},
            {"beyond double", {"Clear", "1e400", 0, "Overflow"}},
            // A failed run keeps what was drawn before it: the curve of the first run.
            {"Start with R1 empty", {"Start", "", -1, "Division by zero"}},
            {"Start with R1 beyond single", {"Start", "1e39", -1, "Overflow"}},
        });
    }
    void commandsAfterStart()
    {
        QFETCH(Command, row);
        WindowHarness harness;
        harness.window.show();
        harness.click("Start");
        const QImage afterStart = harness.picture();
        harness.field("R11")->setText(row.R11);
        harness.click(qPrintable(row.button));
        QCOMPARE(harness.errors, row.error.isEmpty() ? QStringList() : QStringList {row.error});
        QCOMPARE(harness.window.surface().penWidth(), row.button == "Clear" ? 1 : 2);
        if (row.radius > 0)
            QCOMPARE(harness.picture(), corePicture(ratio(), static_cast<float>(row.radius)));
        else if (row.radius == 0)
            QCOMPARE(harness.picture(), corePicture(ratio(), 0));
        else
            QCOMPARE(harness.picture(), afterStart);

        // The window goes on after an error.
        QCOMPARE(harness.ended, 0);
        harness.field("R11")->setText("120");
        harness.click("Clear");
        QCOMPARE(harness.picture(), corePicture(ratio(), 120));
    }

    void spaceEndsTheProgram_data()
    {
        QTest::addColumn<QString>("target");
        for (const char *name : {"R11", "R22", "R33", "Start", "Clear", "End"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void spaceEndsTheProgram()
    {
        QFETCH(QString, target);
        WindowHarness harness;
        QVERIFY(harness.showActive());
        QWidget *control = harness.control(target);
        control->setFocus();
        auto *field = qobject_cast<QLineEdit *>(control);
        const QImage picture = harness.picture();
        // Other characters edit a field as usual and draw nothing.
        const QString typed = field ? field->text() + QStringLiteral("5x-") : QString();
        QTest::keyClicks(control, "5x-");
        QCOMPARE(harness.ended, 0);
        QSignalSpy clicks(qobject_cast<QPushButton *>(control) ? control : harness.control("Start"), SIGNAL(clicked()));

        // The space ends the program and reaches neither the field nor the button.
        QTest::keyClick(control, Qt::Key_Space);
        QCOMPARE(harness.ended, 1);
        QCOMPARE(field ? field->text() : QString(), typed);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(harness.picture(), picture);
    }

    void endButtonAndCloseBoxEndTheProgram()
    {
        WindowHarness byButton;
        WindowHarness byCloseBox;
        byButton.click("End");
        byCloseBox.window.show();
        QVERIFY(byCloseBox.window.close());
        QCOMPARE(byButton.ended + byCloseBox.ended, 2);
    }

    void savesThePictureAsShown_data()
    {
        const QString tooLong = "cannot write '%1': " + QString::fromLocal8Bit(std::strerror(ENAMETOOLONG));
        addRows<Save>({
            {"PNG by its extension", {{"a.png", PictureFormat::Svg}, {"a.png"}}},
            {"SVG by its extension in capitals", {{"b.SVG", PictureFormat::Png}, {"b.SVG"}}},
            {"no extension: the filter's", {{"c", PictureFormat::Svg}, {"c.svg"}}},
            {"another extension: the filter's added", {{"d.v2", PictureFormat::Png}, {"d.v2.png"}}},
            // From the centre out of the picture, then beyond single precision.
            {"a run that failed part-way", {{"e.svg", PictureFormat::Svg}, {"e.svg"}, "1e38 1e38 2e38", {"Overflow"}}},
            {"name too long", {{QString(300, u'n') + ".png", PictureFormat::Png}, {}, "120 33 40", {tooLong}}},
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
        harness.trigger("savePicture");
        harness.trigger("copyPicture");
        QCOMPARE(harness.errors, row.errors.replaceInStrings("%1", harness.choice.path));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), row.written);
        QCOMPARE(harness.picture(), picture);
        if (row.written.isEmpty())
            return;
        QFile file(folder.filePath(row.written[0]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        const bool png = file.fileName().endsWith(QLatin1String("png"));
        if (png) {
            // The surface pixel for pixel, its ratio recorded as 96 dpi a logical pixel.
            QImage image = QImage::fromData(saved, "PNG");
            QCOMPARE(image.dotsPerMeterX(), qRound(96 / 0.0254 * ratio()));
            image.setDevicePixelRatio(ratio());
            QCOMPARE(image.convertToFormat(QImage::Format_RGB32), picture);
        } else {
            const WindowState &state = harness.window.state();
            const COLORREF colour = composeColor(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue));
            const Radii curve {radii[0].toDouble(), radii[1].toDouble(), radii[2].toDouble()};
            QCOMPARE(saved, coreSvg(120, TracePlan {curve, colour}));
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

    void proposesThePicturesFolderOrHome()
    {
        QTemporaryDir home;
        const QByteArray wasHome = qgetenv("HOME");
        const auto restore = qScopeGuard([&] { qputenv("HOME", wasHome); });
        qputenv("HOME", QFile::encodeName(home.path()));
        QCOMPARE(picturesFolder(), home.path());
        QVERIFY(QDir(home.path()).mkdir("Pictures"));
        QCOMPARE(picturesFolder(), home.filePath("Pictures"));
    }

    void keysAndRightClicks_data()
    {
        // Keys pressed at a control (the picture when unnamed), or a menu event sent to it, and what opens.
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("opens");
        const auto row = [](const char *name, const char *control, const char *keys, const char *opens) {
            QTest::newRow(name) << QString(control) << QString(keys) << QString(opens);
        };
        row("right click on the picture", "", "mouse menu event", "picture menu");
        row("Menu key in R1", "R11", "Menu", "picture menu");
        row("Shift+F10 on Start", "Start", "Shift+F10", "picture menu");
        row("F10 alone on Start", "Start", "F10", "nothing");
        row("the system's menu event in R2", "R22", "keyboard menu event", "picture menu");
        row("right click on R3", "R33", "mouse menu event", "field menu");
        row("Ctrl+S in R3", "R33", "Ctrl+S", "file dialog");
    }
    void keysAndRightClicks()
    {
        QFETCH(QString, control);
        QFETCH(QString, keys);
        QFETCH(QString, opens);
        WindowHarness harness;
        if (!harness.showActive() || !harness.window.isActiveWindow())
            QSKIP("no window gets the keyboard here (headless weston has no seat)");
        QWidget *target = control.isEmpty() ? harness.window.childAt(200, 250) : harness.control(control);
        const auto reason = keys.startsWith("mouse") ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard;
        QContextMenuEvent event(reason, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
        if (keys.endsWith("menu event"))
            QApplication::sendEvent(target, &event);
        else
            QTest::keySequence(target, QKeySequence(keys));
        QWidget *popup = QApplication::activePopupWidget();
        const QString opened = harness.proposals.isEmpty() ? "nothing" : "file dialog";
        const bool ours = popup && popup->actions().value(0)->objectName() == "copyPicture";
        if (popup)
            popup->close();
        QCOMPARE(popup ? (ours ? "picture menu" : "field menu") : opened, opens);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
