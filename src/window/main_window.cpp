#include "main_window.h"

#include "accessibility.h"
#include "canvas.h"
#include "legible_palette.h"

#include "runtime/catalogue.h"
#include "runtime/number_spelling.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

#include <utility>

namespace volvenda {

namespace {

constexpr char16_t SpaceCode = 32;

// The window's own font; no text is drawn in it.
QFont windowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(13.5);
    return font;
}

// Every control's font. Where the family is missing, the platform's font
// matching picks the nearest sans serif.
QFont controlFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Bold);
    return font;
}

// The epitrochoid of the program's icon, at the sizes it is drawn in.
QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/volvenda-%1.png").arg(size), QSize(size, size));
    return icon;
}

template<typename Control>
Control *place(Control *control, const char *name, const QRect &geometry)
{
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
    control->setFont(controlFont());
    return control;
}

// A field named by its label, which also takes the focus to it.
QLineEdit *makeField(QWidget *parent, const char *name, const QString &text, const QRect &geometry, QLabel *label,
    const QString &description)
{
    auto *field = place(new QLineEdit(text, parent), name, geometry);
    field->setTextMargins(0, 0, 0, 0);
    label->setBuddy(field);
    field->setAccessibleName(label->text());
    field->setAccessibleDescription(description);
    return field;
}

QPushButton *makeButton(
    QWidget *parent, const char *name, const QString &text, const QRect &geometry, const QString &description)
{
    auto *button = place(new QPushButton(text, parent), name, geometry);
    // No default button: Enter and Escape start nothing; Return and Enter
    // press only the button that has the focus (see the event filter).
    button->setAutoDefault(false);
    // Space, which presses a button elsewhere, ends the program here: said
    // with what the button does.
    //: A button's description: %1 says what it does.
    button->setAccessibleDescription(
        translate("Window", "%1. Return presses it; Space ends the program.").arg(description));
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = place(new QLabel(text, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

// Return or Enter, on the main keyboard or the keypad, with nothing else held.
bool isReturnKey(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The keys of Undo and of Redo. A field takes them for its own typing.
QList<QKeySequence> undoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}

QList<QKeySequence> redoKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

bool isHistoryKey(const QKeyEvent *key)
{
    const QKeySequence pressed(key->keyCombination());
    return undoKeys().contains(pressed) || redoKeys().contains(pressed);
}

// The Menu key or Shift+F10, or the keyboard's context-menu event that some
// window systems send after the Menu key.
bool asksForMenuByKeyboard(const QEvent *event)
{
    if (event->type() == QEvent::ContextMenu)
        return static_cast<const QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
        || (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

} // namespace

MainWindow::MainWindow(EndProgram endProgram, ReportError reportError, ChooseFile chooseFile,
    ChooseRunsFile chooseRunsFile, QWidget *parent)
    : QWidget(parent)
    , m_endProgram(std::move(endProgram))
    , m_reportError(std::move(reportError))
    , m_chooseFile(std::move(chooseFile))
    , m_chooseRunsFile(std::move(chooseRunsFile))
    , m_commands(devicePixelRatioF())
{
    installAccessibleRoles();
    setWindowTitle(QStringLiteral("Volvenda"));
    setFixedSize(CanvasSize);
    // A field lays out its text as it is made, in the font it inherits: in the
    // controls' font, that is the one face loaded before the first frame. The
    // window's own font, in which nothing is drawn, comes after them.
    setFont(controlFont());
    buildControls();
    setFont(windowFont());

    buildPictureMenu();
    setAcceptDrops(true);
    applyPalettes();
    // Sees the keys typed into the controls, the theme change and, once the
    // program is ending, all the window's input.
    QCoreApplication::instance()->installEventFilter(this);
    m_commands.setPresentHandler([this](const QRect &changed) { m_canvas->showChanged(changed); });
    // Queued: re-backing the picture is a command of its own, not part of a paint.
    connect(
        m_canvas, &Canvas::ratioChanged, this,
        [this](qreal ratio) { runCommand([this, ratio] { return m_commands.setDevicePixelRatio(ratio); }); },
        Qt::QueuedConnection);
    // What the first frame does not need waits until it is on the screen: the
    // icon, five pictures to decode for the window list and the title bar, and
    // Qt's own catalogue, for its dialogs and menus, read from disk.
    connect(
        m_canvas, &Canvas::firstPainted, this,
        [this] {
            setWindowIcon(programIcon());
            installToolkitCatalogue();
        },
        Qt::QueuedConnection);
    runCommand([this] { return m_commands.startUp(m_R11->text()); });
    m_R11->setFocus();
}

MainWindow::~MainWindow()
{
    // Before the controls the filter looks at are gone.
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

void MainWindow::buildControls()
{
    // Created first, so it lies under every control.
    m_canvas = new Canvas(m_commands.surface(), this);
    m_canvas->setGeometry(QRect(QPoint(0, 0), CanvasSize));
    m_canvas->setAccessibleName(translate("Window", "Picture"));

    // The labels first, so that the fields lie over them: each label's box
    // reaches a pixel into its field, whose frame must show whole.
    m_labels = {makeLabel(this, "Метка1", QStringLiteral("R1"), QRect(72, 8, 25, 25)),
        makeLabel(this, "Метка2", QStringLiteral("R2"), QRect(144, 8, 25, 25)),
        makeLabel(this, "Метка3", QStringLiteral("R3"), QRect(216, 8, 25, 33))};
    // The buttons' words must fit them whole, in every language: their size is fixed.
    //: A button 57 pixels wide.
    m_start = makeButton(this, "Start", translate("Window", "Start"), QRect(8, 8, 57, 25),
        translate("Window", "traces the curve of R1, R2 and R3 over the picture, in a new colour"));
    m_R11 = makeField(this, "R11", QStringLiteral("120"), QRect(96, 8, 41, 24), m_labels[0],
        translate("Window", "radius of the fixed circle"));
    m_R22 = makeField(this, "R22", QStringLiteral("33"), QRect(168, 8, 41, 24), m_labels[1],
        translate("Window", "radius of the rolling circle; negative rolls it inside"));
    m_R33 = makeField(this, "R33", QStringLiteral("40"), QRect(240, 8, 41, 23), m_labels[2],
        translate("Window", "distance of the pen from the rolling circle's centre"));
    //: A button 49 pixels wide.
    m_clear = makeButton(this, "Clear", translate("Window", "Clear"), QRect(288, 8, 49, 25),
        translate("Window", "wipes the picture and draws the grey circle of radius R1 again"));
    //: A button 41 pixels wide.
    m_end = makeButton(
        this, "End", translate("Window", "End"), QRect(352, 8, 41, 25), translate("Window", "ends the program"));

    setTabOrder(m_R11, m_start);
    setTabOrder(m_start, m_R22);
    setTabOrder(m_R22, m_R33);
    setTabOrder(m_R33, m_clear);
    setTabOrder(m_clear, m_end);

    connect(m_start, &QPushButton::clicked, this,
        [this] { tellPicture(runCommand([this] { return m_commands.start(fieldTexts()); })); });
    connect(m_clear, &QPushButton::clicked, this,
        [this] { tellPicture(runCommand([this] { return m_commands.clear(m_R11->text()); })); });
    connect(m_end, &QPushButton::clicked, this, [this] { end(); });
}

void MainWindow::buildPictureMenu()
{
    m_undo = new QAction(translate("Window", "&Undo"), this);
    m_undo->setObjectName(QStringLiteral("undo"));
    m_undo->setShortcuts(undoKeys());
    connect(
        m_undo, &QAction::triggered, this, [this] { tellPicture(runCommand([this] { return m_commands.undo(); })); });
    m_redo = new QAction(translate("Window", "&Redo"), this);
    m_redo->setObjectName(QStringLiteral("redo"));
    m_redo->setShortcuts(redoKeys());
    connect(
        m_redo, &QAction::triggered, this, [this] { tellPicture(runCommand([this] { return m_commands.redo(); })); });
    auto *copy = new QAction(translate("Window", "&Copy Picture"), this);
    copy->setObjectName(QStringLiteral("copyPicture"));
    connect(copy, &QAction::triggered, this,
        [this] { runCommand([this] { return m_commands.run([this] { copyPicture(); }); }); });
    auto *save = new QAction(translate("Window", "&Save Picture As…"), this);
    save->setObjectName(QStringLiteral("savePicture"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { savePictureAs(); });
    auto *open = new QAction(translate("Window", "&Open Runs…"), this);
    open->setObjectName(QStringLiteral("openRuns"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] {
        if (const QString path = m_ending ? QString() : m_chooseRunsFile(this, false, proposedRunsFile());
            !path.isEmpty())
            openRuns(path);
    });
    auto *saveRuns = new QAction(translate("Window", "Save &Runs As…"), this);
    saveRuns->setObjectName(QStringLiteral("saveRuns"));
    connect(saveRuns, &QAction::triggered, this, [this] { saveRunsAs(); });
    // On the window itself, so that their keys work whichever control has the focus.
    addActions({m_undo, m_redo, save, open});

    m_pictureMenu = new QMenu(this);
    m_pictureMenu->setAccessibleName(translate("Window", "Picture"));
    m_pictureMenu->addActions({m_undo, m_redo});
    m_pictureMenu->addSeparator();
    m_pictureMenu->addAction(copy);
    m_pictureMenu->addAction(save);
    m_pictureMenu->addSeparator();
    m_pictureMenu->addActions({open, saveRuns});
    // What a screen reader says as it opens: how many items, and which.
    QStringList items;
    for (const QAction *action : m_pictureMenu->actions())
        if (!action->isSeparator())
            items << QString(action->text()).remove(u'&');
    //: What a menu holds: %1 is its items' names, each after the list's separator.
    m_pictureMenu->setAccessibleDescription(
        translate("Window", "%n items: %1", nullptr, int(items.size()))
            .arg(items.join(translate("Window", ", ", "between the items of a list"))));
    // As it closes, the focus is told back on the control that kept it all
    // along, which the toolkit does not tell either. Queued: once it is closed.
    connect(
        m_pictureMenu, &QMenu::aboutToHide, this,
        [this] {
            if (QWidget *control = QApplication::focusWidget(); control && control->window() == this)
                tellFocus(control);
        },
        Qt::QueuedConnection);
    m_canvas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_canvas, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { showPictureMenu(m_canvas->mapToGlobal(at)); });
}

void MainWindow::showPictureMenu(const QPoint &globalPosition)
{
    // A popup, not a nested event loop: the request may come from inside the
    // event filter, and input goes on through the one event loop.
    m_pictureMenu->popup(globalPosition);
    // The menu itself has the focus until an item is chosen, which the
    // toolkit leaves untold: said as a menu, with the items it holds.
    tellFocus(m_pictureMenu);
}

void MainWindow::applyPalettes()
{
    // The window's white: the grey circle and the random colours are made for it.
    QPalette window;
    window.setColor(QPalette::Window, Qt::white);
    window.setColor(QPalette::Base, Qt::white);
    setPalette(window);

    // Each from the theme's palette for its own class, which a theme may set apart.
    for (QLabel *label : m_labels)
        label->setPalette(legibleOnWhite(QApplication::palette(label)));
    for (QLineEdit *field : {m_R11, m_R22, m_R33})
        field->setPalette(legibleOnWhite(QApplication::palette(field)));
}

bool MainWindow::runCommand(const std::function<std::optional<CommandFailure>()> &command)
{
    // Clicks and keys given before the end may still be queued behind it.
    if (m_ending)
        return false;
    const std::optional<CommandFailure> failure = command();
    m_canvas->setAccessibleDescription(m_commands.description());
    updateHistory();
    if (!failure)
        return false;
    m_reportError(this, *failure);
    return true;
}

void MainWindow::updateHistory()
{
    m_undo->setEnabled(m_commands.canUndo());
    m_redo->setEnabled(m_commands.canRedo());
}

void MainWindow::tellPicture(bool afterErrorBox)
{
    if (m_ending)
        return;
    // The error box gives the window back the focus as it closes, or a moment
    // later: then told once the window has it, after the control that takes it.
    if (afterErrorBox && !isActiveWindow()) {
        m_tellPictureWhenActive = true;
        return;
    }
    announcePicture(m_canvas);
}

FieldTexts MainWindow::fieldTexts() const
{
    return FieldTexts {m_R11->text(), m_R22->text(), m_R33->text()};
}

void MainWindow::end()
{
    if (m_ending)
        return;
    // Asking the event loop to stop lets it deliver what is already queued; the
    // filter on the application drops that input rather than act on it.
    m_ending = true;
    m_endProgram();
}

void MainWindow::copyPicture()
{
    QGuiApplication::clipboard()->setMimeData(
        pictureMimeData(m_commands.surface().image(), m_commands.drawing()).release());
}

void MainWindow::savePictureAs()
{
    if (m_ending)
        return;
    const ChosenFile chosen = m_chooseFile(this, proposedPicture(proposedFolder(m_saveFolder), m_saveFormat));
    if (chosen.path.isEmpty())
        return;
    const PictureFile file = pictureFile(chosen);
    // Proposed again next time, also when this file cannot be written.
    m_saveFolder = QFileInfo(file.path).absolutePath();
    m_saveFormat = file.format;
    runCommand(
        [&] { return m_commands.run([&] { savePicture(file, m_commands.surface().image(), m_commands.drawing()); }); });
}

QString MainWindow::proposedRunsFile() const
{
    return m_runsFile.isEmpty()
        ? QDir(proposedFolder(m_saveFolder)).filePath(QStringLiteral("runs.") + QLatin1String(RunsExtension))
        : m_runsFile;
}

void MainWindow::openRuns(const QString &path)
{
    if (m_ending)
        return;
    m_runsFile = QFileInfo(path).absoluteFilePath();
    const bool failed = runCommand([&] { return m_commands.openRuns(path); });
    if (!failed && !m_commands.content().runs.empty()) {
        // The fields show the last run's radii, ready for the next Start.
        const Radii &last = m_commands.content().runs.back().radii;
        m_R11->setText(shortestSpelling(last.R1));
        m_R22->setText(shortestSpelling(last.R2));
        m_R33->setText(shortestSpelling(last.R3));
    }
    tellPicture(failed);
}

void MainWindow::saveRunsAs()
{
    if (m_ending)
        return;
    const QString path = m_chooseRunsFile(this, true, proposedRunsFile());
    if (path.isEmpty())
        return;
    m_runsFile = QFileInfo(path).absoluteFilePath();
    runCommand([&] { return m_commands.saveRuns(path); });
}

bool MainWindow::keyTyped(char16_t code)
{
    if (code != SpaceCode)
        return false;
    end();
    return true;
}

bool MainWindow::isOwnWidget(const QObject *watched) const
{
    if (!watched->isWidgetType())
        return false;
    const auto *widget = static_cast<const QWidget *>(watched);
    return widget == this || isAncestorOf(widget);
}

bool MainWindow::isDroppedOnTheWayOut(QObject *watched, const QEvent *event) const
{
    return m_ending && (event->isInputEvent() || event->type() == QEvent::Shortcut) && isOwnWidget(watched);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (isDroppedOnTheWayOut(watched, event))
        return true;
    if (watched == this && event->type() == QEvent::WindowActivate && std::exchange(m_tellPictureWhenActive, false))
        QMetaObject::invokeMethod(
            this, [this] { tellPicture(false); }, Qt::QueuedConnection);
    // A theme changed while the program runs: its new colours are checked afresh.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange)
        applyPalettes();
    // The picture's menu from the keyboard, wherever the focus is: a field's
    // own edit menu is still a right click away.
    if (asksForMenuByKeyboard(event) && isOwnWidget(watched)) {
        showPictureMenu(m_canvas->mapToGlobal(QPoint(CentreX, CentreY)));
        return true;
    }
    // In a field, the keys of Undo and Redo undo its own typing, as a field's do.
    const bool toField = watched == m_R11 || watched == m_R22 || watched == m_R33;
    if (toField && event->type() == QEvent::ShortcutOverride && isHistoryKey(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    // Typed characters reach the key handler before the control with the focus.
    const bool toButton = watched == m_start || watched == m_clear || watched == m_end;
    const bool toControl = toButton || toField;
    if (toControl && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // A focused button takes Return and Enter as a press; held down, once.
        if (toButton && event->type() == QEvent::KeyPress && isReturnKey(key)) {
            if (!key->isAutoRepeat())
                static_cast<QPushButton *>(watched)->click();
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1 && text.front() == QChar(SpaceCode)) {
            // The press ends the program; its release is swallowed too, so a
            // focused button is never clicked by it.
            if (event->type() == QEvent::KeyPress)
                keyTyped(SpaceCode);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close box ends the program as End does.
    event->accept();
    end();
}

namespace {

// The one local file a drag brings, if that is what it brings.
QString droppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls[0].isLocalFile() ? urls[0].toLocalFile() : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_ending && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openRuns(path);
}

void MainWindow::quitProgram()
{
    QCoreApplication::exit(0);
}

void MainWindow::showErrorBox(QWidget *window, const CommandFailure &failure)
{
    // The error's own words first, then what to do about it.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Volvenda"), failure.error, QMessageBox::Ok, window);
    box.setInformativeText(failure.remedy);
    box.exec();
}

} // namespace volvenda
