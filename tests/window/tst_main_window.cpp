#include "window_harness.h"

#include "runtime/numbers.h"
#include "trace/start_command.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <optional>
#include <set>

using namespace volvenda;

namespace {

int paintedInRow(const QImage &image, int row, int fromX, int toX)
{
    int count = 0;
    for (int x = fromX; x < toX; ++x)
        count += image.pixel(x, row) != QColor(Qt::white).rgb() ? 1 : 0;
    return count;
}

std::set<QRgb> coloursOf(const QImage &image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

COLORREF runColour(const WindowState &state)
{
    return composeColor(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue));
}

// Counts the paints the canvas gets, to see each step reach the screen.
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

} // namespace

class MainWindowTest final : public QObject
{
    Q_OBJECT

private slots:
    void controls_data();
    void controls();
    void windowFrame();
    void focusOrder();
    void labelsNameTheirFields();
    void startUpPicture();
    void showsTheSurface();
    void startTracesTheCurveOverTheCircle();
    void startShowsEveryStep();
    void startTwiceDrawsTwoColours();
    void clearGivesBackTheStartUpPicture();
    void clearUsesTheMagnitude_data();
    void clearUsesTheMagnitude();
    void clearReportsTypeMismatchOnABlankSurface_data();
    void clearReportsTypeMismatchOnABlankSurface();
    void startReportsErrorsAndKeepsWhatWasDrawn_data();
    void startReportsErrorsAndKeepsWhatWasDrawn();
    void spaceEndsTheProgram_data();
    void spaceEndsTheProgram();
    void enterAndEscapeStartNothing_data();
    void enterAndEscapeStartNothing();
    void typingEditsAndDrawsNothing();
    void endButtonAndCloseBoxEndTheProgram();
};

void MainWindowTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Start") << "Start"
                           << "QPushButton"
                           << "Start" << QRect(8, 8, 57, 25);
    QTest::newRow("label R1") << "Метка1"
                              << "QLabel"
                              << "R1" << QRect(72, 8, 25, 25);
    QTest::newRow("R11") << "R11"
                         << "QLineEdit"
                         << "120" << QRect(96, 8, 41, 24);
    QTest::newRow("label R2") << "Метка2"
                              << "QLabel"
                              << "R2" << QRect(144, 8, 25, 25);
    QTest::newRow("R22") << "R22"
                         << "QLineEdit"
                         << "33" << QRect(168, 8, 41, 24);
    QTest::newRow("label R3") << "Метка3"
                              << "QLabel"
                              << "R3" << QRect(216, 8, 25, 33);
    QTest::newRow("R33") << "R33"
                         << "QLineEdit"
                         << "40" << QRect(240, 8, 41, 23);
    QTest::newRow("Clear") << "Clear"
                           << "QPushButton"
                           << "Clear" << QRect(288, 8, 49, 25);
    QTest::newRow("End") << "End"
                         << "QPushButton"
                         << "End" << QRect(352, 8, 41, 25);
}

void MainWindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);

    WindowHarness harness;
    QWidget *control = harness.window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->property("text").toString(), text);
    QVERIFY(control->isVisibleTo(&harness.window));

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
        QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void MainWindowTest::windowFrame()
{
    WindowHarness harness;
    QCOMPARE(harness.window.windowTitle(), QStringLiteral("Volvenda"));
    QCOMPARE(harness.window.size(), QSize(400, 445));
    QCOMPARE(harness.window.minimumSize(), QSize(400, 445));
    QCOMPARE(harness.window.maximumSize(), QSize(400, 445));

    const QList<QSize> iconSizes = harness.window.windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(16, 16)));
    QVERIFY(iconSizes.contains(QSize(32, 32)));
}

void MainWindowTest::focusOrder()
{
    WindowHarness harness;
    QVERIFY(harness.showActive());
    QCOMPARE(QApplication::focusWidget(), harness.field("R11"));

    const QStringList order {"Start", "R22", "R33", "Clear", "End", "R11"};
    for (const QString &next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    QCOMPARE(harness.ended, 0);
}

void MainWindowTest::labelsNameTheirFields()
{
    WindowHarness harness;
    QCOMPARE(harness.field("R11")->accessibleName(), QStringLiteral("R1"));
    QCOMPARE(harness.field("R22")->accessibleName(), QStringLiteral("R2"));
    QCOMPARE(harness.field("R33")->accessibleName(), QStringLiteral("R3"));
    for (const auto &[label, field] :
        {std::pair("Метка1", "R11"), std::pair("Метка2", "R22"), std::pair("Метка3", "R33")}) {
        const QLabel *const control = harness.control<QLabel>(label);
        QVERIFY(control);
        QCOMPARE(control->buddy(), harness.field(field));
    }
}

void MainWindowTest::startUpPicture()
{
    WindowHarness harness;
    const QImage &picture = harness.picture();
    QCOMPARE(picture.size(), QSize(400, 445));
    QVERIFY(isReferenceCircle(picture, 120));
    // One pixel wide: the ray from the left edge to the centre crosses it once.
    QCOMPARE(paintedInRow(picture, 250, 0, 200), 1);
    QCOMPARE(picture, referencePicture(120));
    QCOMPARE(harness.window.surface().penWidth(), 1);
    QVERIFY(harness.errors.isEmpty());

    const WindowState &state = harness.window.state();
    QCOMPARE(state.X0, 200);
    QCOMPARE(state.Y0, 250);
    QCOMPARE(state.Dt, 0.25F);
}

void MainWindowTest::showsTheSurface()
{
    // What the window shows is the surface, controls on top of it.
    WindowHarness harness;
    harness.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&harness.window));
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    const QImage shown = harness.shown();
    const QImage &picture = harness.picture();
    const QRect belowControls(0, 45, 400, 400);
    QCOMPARE(shown.copy(belowControls), picture.copy(belowControls));
}

void MainWindowTest::startTracesTheCurveOverTheCircle()
{
    WindowHarness harness;
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    QVERIFY(harness.errors.isEmpty());
    const WindowState &state = harness.window.state();
    const COLORREF colour = runColour(state);

    // The same circle and curve drawn afresh on the core's surface.
    RasterSurface expected(QSize(400, 445), 1.0, Qt::white);
    expected.DrawCircle(200, 250, 120, ReferenceGray);
    expected.PenWidth(2);
    WindowState replay = state;
    traceCurve(replay, TracePlan {Radii {120, 33, 40}, colour}, expected);
    QCOMPARE(harness.picture(), expected.image());

    // White, the grey circle where the curve does not cover it, and one curve colour.
    const std::set<QRgb> colours = coloursOf(harness.picture());
    QCOMPARE(colours.size(), std::size_t(3));
    QVERIFY(colours.count(toQColor(colour).rgb()));
    QVERIFY(colours.count(toQColor(ReferenceGray).rgb()));
    QCOMPARE(harness.picture().pixel(313, 250), toQColor(colour).rgb());
    QCOMPARE(harness.window.surface().penWidth(), 2);
}

void MainWindowTest::startShowsEveryStep()
{
    WindowHarness harness;
    harness.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&harness.window));
    QWidget *canvas = harness.window.childAt(200, 250);
    QVERIFY(canvas);
    PaintCounter counter;
    canvas->installEventFilter(&counter);
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    // One paint per segment, during the click itself: the event loop never ran.
    QVERIFY2(counter.paints >= 804, qPrintable(QString::number(counter.paints)));
}

void MainWindowTest::startTwiceDrawsTwoColours()
{
    WindowHarness harness;
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    const COLORREF first = runColour(harness.window.state());
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    const COLORREF second = runColour(harness.window.state());
    QVERIFY(first != second);
    // The second curve lies exactly over the first.
    const std::set<QRgb> colours = coloursOf(harness.picture());
    QVERIFY(colours.count(toQColor(second).rgb()));
    QVERIFY(!colours.count(toQColor(first).rgb()));
}

void MainWindowTest::clearGivesBackTheStartUpPicture()
{
    WindowHarness harness;
    const QImage startUp = harness.picture();
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    QVERIFY(harness.picture() != startUp);
    QTest::mouseClick(harness.button("Clear"), Qt::LeftButton);
    QCOMPARE(harness.picture(), startUp);
    QCOMPARE(harness.picture(), WindowHarness().picture());
    QCOMPARE(harness.window.surface().penWidth(), 1);
    QVERIFY(harness.errors.isEmpty());
}

void MainWindowTest::clearUsesTheMagnitude_data()
{
    QTest::addColumn<QString>("R11");
    QTest::addColumn<double>("radius");

    QTest::newRow("negative") << "-80" << 80.0;
    QTest::newRow("positive with blanks") << " 80 " << 80.0;
    QTest::newRow("fraction") << "60.5" << 60.5;
    QTest::newRow("grouped in the locale") << "1,000" << 1000.0;
}

void MainWindowTest::clearUsesTheMagnitude()
{
    QFETCH(QString, R11);
    QFETCH(double, radius);
    WindowHarness harness;
    harness.field("R11")->setText(R11);
    QTest::mouseClick(harness.button("Clear"), Qt::LeftButton);
    QVERIFY(harness.errors.isEmpty());
    QCOMPARE(harness.picture(), referencePicture(static_cast<float>(radius)));
    if (radius < 200)
        QVERIFY(isReferenceCircle(harness.picture(), radius));
}

void MainWindowTest::clearReportsTypeMismatchOnABlankSurface_data()
{
    QTest::addColumn<QString>("R11");
    QTest::newRow("junk after the number") << "50abc";
    QTest::newRow("empty") << "";
    QTest::newRow("infinity spelled") << "inf";
}

void MainWindowTest::clearReportsTypeMismatchOnABlankSurface()
{
    QFETCH(QString, R11);
    WindowHarness harness;
    harness.window.show();
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    harness.field("R11")->setText(R11);
    QTest::mouseClick(harness.button("Clear"), Qt::LeftButton);
    QCOMPARE(harness.errors, QStringList {"Type mismatch"});
    QCOMPARE(coloursOf(harness.picture()), std::set<QRgb> {QColor(Qt::white).rgb()});
    QCOMPARE(harness.ended, 0);
    QVERIFY(harness.window.isVisible());

    // The window goes on: a good radius and Clear bring the circle back.
    harness.field("R11")->setText("120");
    QTest::mouseClick(harness.button("Clear"), Qt::LeftButton);
    QCOMPARE(harness.picture(), referencePicture(120));
}

void MainWindowTest::startReportsErrorsAndKeepsWhatWasDrawn_data()
{
    QTest::addColumn<QString>("R11");
    QTest::addColumn<QString>("R33");
    QTest::addColumn<QString>("error");

    QTest::newRow("R1 zero") << "0"
                             << "40"
                             << "Division by zero";
    QTest::newRow("R1 empty") << ""
                              << "40"
                              << "Division by zero";
    QTest::newRow("pen beyond single precision") << "120"
                                                 << "1e39"
                                                 << "Overflow";
}

void MainWindowTest::startReportsErrorsAndKeepsWhatWasDrawn()
{
    QFETCH(QString, R11);
    QFETCH(QString, R33);
    QFETCH(QString, error);
    WindowHarness harness;
    harness.field("R11")->setText(R11);
    harness.field("R33")->setText(R33);
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    QCOMPARE(harness.errors, QStringList {error});
    QCOMPARE(harness.picture(), referencePicture(120));
    QCOMPARE(harness.ended, 0);
    QCOMPARE(harness.window.surface().penWidth(), 2);
}

void MainWindowTest::spaceEndsTheProgram_data()
{
    QTest::addColumn<QString>("target");
    for (const char *name : {"R11", "R22", "R33", "Start", "Clear", "End"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void MainWindowTest::spaceEndsTheProgram()
{
    QFETCH(QString, target);
    WindowHarness harness;
    QVERIFY(harness.showActive());
    QWidget *control = harness.window.findChild<QWidget *>(target);
    control->setFocus();
    auto *field = qobject_cast<QLineEdit *>(control);
    const QString before = field ? field->text() : QString();
    auto *button = qobject_cast<QPushButton *>(control);
    std::optional<QSignalSpy> clicks;
    if (button)
        clicks.emplace(button, &QPushButton::clicked);
    const QImage picture = harness.picture();

    QTest::keyClick(control, Qt::Key_Space);
    QCOMPARE(harness.ended, 1);
    if (field)
        QCOMPARE(field->text(), before);
    if (button) {
        QCOMPARE(clicks->count(), 0);
        QVERIFY(!button->isDown());
    }
    QCOMPARE(harness.picture(), picture);
}

void MainWindowTest::enterAndEscapeStartNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    for (const char *name : {"R11", "Start", "Clear", "End"}) {
        const QString target = QString::fromLatin1(name);
        QTest::addRow("%s, Return", name) << target << int(Qt::Key_Return);
        QTest::addRow("%s, Enter", name) << target << int(Qt::Key_Enter);
        QTest::addRow("%s, Escape", name) << target << int(Qt::Key_Escape);
    }
}

void MainWindowTest::enterAndEscapeStartNothing()
{
    QFETCH(QString, target);
    QFETCH(int, key);
    WindowHarness harness;
    QVERIFY(harness.showActive());
    QWidget *control = harness.window.findChild<QWidget *>(target);
    control->setFocus();
    QSignalSpy starts(harness.button("Start"), &QPushButton::clicked);
    QSignalSpy clears(harness.button("Clear"), &QPushButton::clicked);
    QSignalSpy ends(harness.button("End"), &QPushButton::clicked);
    const QImage picture = harness.picture();

    QTest::keyClick(control, Qt::Key(key));
    QCOMPARE(starts.count() + clears.count() + ends.count(), 0);
    QCOMPARE(harness.ended, 0);
    QCOMPARE(harness.picture(), picture);
    QVERIFY(harness.window.isVisible());
}

void MainWindowTest::typingEditsAndDrawsNothing()
{
    WindowHarness harness;
    QVERIFY(harness.showActive());
    QLineEdit *field = harness.field("R22");
    field->setFocus();
    field->end(false);
    const QImage picture = harness.picture();
    QTest::keyClicks(field, "5x-");
    QCOMPARE(field->text(), QStringLiteral("335x-"));
    QCOMPARE(harness.picture(), picture);
    QCOMPARE(harness.ended, 0);
    QVERIFY(harness.errors.isEmpty());
}

void MainWindowTest::endButtonAndCloseBoxEndTheProgram()
{
    WindowHarness byButton;
    QTest::mouseClick(byButton.button("End"), Qt::LeftButton);
    QCOMPARE(byButton.ended, 1);

    WindowHarness byCloseBox;
    byCloseBox.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&byCloseBox.window));
    QVERIFY(byCloseBox.window.close());
    QCOMPARE(byCloseBox.ended, 1);
}

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
