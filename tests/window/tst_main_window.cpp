#include "support/cases.h"
#include "support/paint_counter.h"
#include "support/pictures.h"
#include "window_harness.h"

#include "window/legible_palette.h"
#include "window/main_window.h"
#include "window/program_options.h"

#include "runtime/arithmetic.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

#include <tuple>
#include <utility>

#include <unistd.h>

using namespace volvenda;

namespace {

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
            {"Clear", QAccessible::Button, "wipes"}, {"End", QAccessible::Button, "ends the program."}};
        QRect row;
        QString label;
        for (const auto &[name, role, description] : controls) {
            QWidget *control = harness.control(QString::fromUtf8(name));
            QVERIFY2(control && control->isVisibleTo(&harness.window), name);
            // Clear of the default curve (y from 57 on); a label reaches a pixel into its field.
            QVERIFY2(control->x() >= row.right() && control->geometry().bottom() < 57, name);
            // One row: all along the same top edge, the fields alike in width.
            QCOMPARE(control->y(), harness.control("Start")->y());
            QVERIFY(role != QAccessible::EditableText || control->width() == harness.control("R11")->width());
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
            // Space presses no button here: each says so.
            QCOMPARE(part->text(QAccessible::Description).endsWith(". Return presses it; Space ends the program."),
                role == QAccessible::Button);
            // A screen reader reads a field's value from its runs of attributes: one over all of it.
            if (role == QAccessible::EditableText) {
                QAccessibleTextInterface *text = part->textInterface();
                QVERIFY(text);
                int start = -1;
                int end = -1;
                text->attributes(text->characterCount() - 1, &start, &end);
                QCOMPARE(std::pair(start, end), std::pair(0, text->characterCount()));
                // A selection made by the screen reader, and taken away again.
                text->setSelection(0, 1, 2);
                text->selection(0, &start, &end);
                QCOMPARE(std::tuple(text->selectionCount(), start, end), std::tuple(1, 1, 2));
                text->removeSelection(0);
                QCOMPARE(text->selectionCount(), 0);
            }
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
        QCOMPARE(harness.window.surface().lineWidth(), 1);

        QVERIFY(harness.showActive());
        // Where a label meets its field, the field's own left column shows.
        const QImage shown = harness.shown();
        for (const char *name : {"R11", "R22", "R33"}) {
            const QImage own = harness.field(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QPoint corner = harness.field(name)->pos() * qApp->devicePixelRatio();
            QCOMPARE(shown.copy(corner.x(), corner.y(), 1, own.height()), own.copy(0, 0, 1, own.height()));
        }
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
        // The picture is told anew once its last step is drawn, not before.
        QCOMPARE(counter.descriptions, QStringList {"Grey circle, radius 120. No curves."});

        QCOMPARE(
            differences(harness.picture(), {120, {{epitrochoid(120, 33, 40), runColour(harness.window)}}}), QString());

        // Below the controls the window shows the surface pixel for pixel.
        const QRect belowControls(0, qRound(45 * qApp->devicePixelRatio()), qRound(400 * qApp->devicePixelRatio()),
            qRound(400 * qApp->devicePixelRatio()));
        QCOMPARE(harness.shown().copy(belowControls), harness.picture().copy(belowControls));
    }

    void commandsAfterStart_data()
    {
        // The error: its words, then the field and what it holds; after them,
        // what to do. The description: %1 and %2 the runs' colours in words.
        const QString runs = "Grey circle, radius 120. 2 curves: R1 120, R2 33, R3 40 in %1; R1 ";
        const QString none = "No grey circle. No curves.";
        addRows<Command>({
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
        QCOMPARE(harness.window.surface().lineWidth(), row.button == "Clear" ? 1 : 2);
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
        // The picture's menu, as a screen reader reads it too: in its place
        // among the application's windows, the window itself not active
        // while the menu has the keyboard, and naming its items.
        QAccessibleInterface *menu = popup ? accessible(popup) : nullptr;
        QStringList items;
        for (int i = 0; menu && i < menu->childCount(); ++i)
            if (const QString name = menu->child(i)->text(QAccessible::Name); !name.isEmpty())
                items << name + (menu->child(i)->state().disabled ? " (greyed)" : "");
        const QStringList ourItems {
            "Undo (greyed)", "Redo (greyed)", "Copy Picture", "Save Picture As…", "Open Runs…", "Save Runs As…"};
        const bool ours = menu && menu->role() == QAccessible::PopupMenu && menu->text(QAccessible::Name) == "Picture"
            && items == ourItems && menu->parent()->child(menu->parent()->indexOfChild(menu)) == menu
            && !accessible(&harness.window)->state().active
            && menu->text(QAccessible::Description)
                   .endsWith(QStringList(ourItems).replaceInStrings(" (greyed)", "").join(", "));
        if (popup)
            popup->close();
        QCOMPARE(popup ? (ours ? "picture menu" : "field menu") : opened, opens);
    }

    void undoAndRedoKeys_data()
    {
        // After a Start and a 7 typed at the end of R2: keys pressed at a
        // control ("undo" is the menu's item), then R2's text and the picture
        // shown, before or after the Start.
        QTest::addColumn<QStringList>("row");
        for (const QStringList &row : {QStringList {"R22", "Ctrl+Z", "33", "after"},
                 {"Start", "Ctrl+Z", "337", "before"}, {"Clear", "Ctrl+Z, Ctrl+Shift+Z", "337", "after"},
                 {"End", "Ctrl+Z, Ctrl+Y", "337", "after"}, {"R33", "undo, Ctrl+Y", "337", "before"}})
            QTest::newRow(qPrintable(row[1] + " at " + row[0])) << row;
    }
    void undoAndRedoKeys()
    {
        QFETCH(QStringList, row);
        WindowHarness harness;
        if (!harness.showActive() || !harness.window.isActiveWindow())
            QSKIP("no window gets the keyboard here (headless weston has no seat)");
        auto *undo = harness.window.findChild<QAction *>("undo");
        auto *redo = harness.window.findChild<QAction *>("redo");
        QAccessibleInterface *picture = accessible(harness.window.childAt(200, 250));
        const std::pair before(harness.picture(), picture->text(QAccessible::Description));
        harness.click("Start");
        const std::pair after(harness.picture(), picture->text(QAccessible::Description));
        QTest::keyClick(harness.field("R22"), Qt::Key_End);
        QTest::keyClick(harness.field("R22"), Qt::Key_7);
        harness.control(row[0])->setFocus();
        for (const QString &key : row[1].split(", "))
            if (key == "undo")
                undo->trigger();
            else
                QTest::keySequence(harness.control(row[0]), QKeySequence(key));
        QCOMPARE(harness.field("R22")->text(), row[2]);
        // Told as after any command, the menu's items greyed where there is nothing to do.
        QVERIFY(std::pair(harness.picture(), picture->text(QAccessible::Description))
            == (row[3] == "after" ? after : before));
        QCOMPARE(std::pair(undo->isEnabled(), redo->isEnabled()), std::pair(row[3] == "after", row[3] == "before"));
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
        MainWindow window(end, [&errors](QWidget *, const CommandFailure &failure) { errors << failure.error; });
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
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
