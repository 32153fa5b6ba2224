#include "main_window.h"

#include "canvas.h"
#include "legible_palette.h"
#include "runtime/clock.h"
#include "runtime/color.h"
#include "runtime/numbers.h"
#include "runtime/runtime_error.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

#include <cmath>
#include <utility>

namespace volvenda {

namespace {

constexpr int startUpPenWidth = 1;
constexpr char16_t spaceCode = 32;

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

QLineEdit *makeField(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *field = place(new QLineEdit(text, parent), name, geometry);
    field->setTextMargins(0, 0, 0, 0);
    return field;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *button = place(new QPushButton(QLatin1String(name), parent), name, geometry);
    // No default button: Enter and Escape start nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QLineEdit *field, const QRect &geometry)
{
    auto *label = place(new QLabel(text, parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setBuddy(field);
    field->setAccessibleName(text);
    return label;
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

MainWindow::MainWindow(EndProgram endProgram, ReportError reportError, ChooseFile chooseFile, QWidget *parent)
    : QWidget(parent)
    , m_endProgram(std::move(endProgram))
    , m_reportError(std::move(reportError))
    , m_chooseFile(std::move(chooseFile))
    , m_surface(CanvasSize, devicePixelRatioF(), Qt::white)
    , m_drawing(m_surface, CanvasSize, Qt::white)
{
    setWindowTitle(QStringLiteral("Volvenda"));
    setWindowIcon(programIcon());
    setFixedSize(CanvasSize);
    setFont(windowFont());

    buildControls();
    buildPictureMenu();
    applyPalettes();
    // Sees the keys typed into the controls, the theme change and, once the
    // program is ending, all the window's input.
    QCoreApplication::instance()->installEventFilter(this);
    m_surface.setPresentHandler([this](const QRect &changed) { m_canvas->showChanged(changed); });
    runCommand([this] { startUp(); });
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
    m_canvas = new Canvas(m_surface, this);
    m_canvas->setGeometry(QRect(QPoint(0, 0), CanvasSize));

    m_start = makeButton(this, "Start", QRect(8, 8, 57, 25));
    m_R11 = makeField(this, "R11", QStringLiteral("120"), QRect(96, 8, 41, 24));
    m_R22 = makeField(this, "R22", QStringLiteral("33"), QRect(168, 8, 41, 24));
    m_R33 = makeField(this, "R33", QStringLiteral("40"), QRect(240, 8, 41, 23));
    m_labels = {makeLabel(this, "Метка1", QStringLiteral("R1"), m_R11, QRect(72, 8, 25, 25)),
        makeLabel(this, "Метка2", QStringLiteral("R2"), m_R22, QRect(144, 8, 25, 25)),
        makeLabel(this, "Метка3", QStringLiteral("R3"), m_R33, QRect(216, 8, 25, 33))};
    m_clear = makeButton(this, "Clear", QRect(288, 8, 49, 25));
    m_end = makeButton(this, "End", QRect(352, 8, 41, 25));

    setTabOrder(m_R11, m_start);
    setTabOrder(m_start, m_R22);
    setTabOrder(m_R22, m_R33);
    setTabOrder(m_R33, m_clear);
    setTabOrder(m_clear, m_end);

    connect(m_start, &QPushButton::clicked, this, [this] { runCommand([this] { start(); }); });
    connect(m_clear, &QPushButton::clicked, this, [this] { runCommand([this] { clear(); }); });
    connect(m_end, &QPushButton::clicked, this, [this] { end(); });
}

void MainWindow::buildPictureMenu()
{
    auto *copy = new QAction(QStringLiteral("&Copy Picture"), this);
    copy->setObjectName(QStringLiteral("copyPicture"));
    connect(copy, &QAction::triggered, this, [this] { runCommand([this] { copyPicture(); }); });
    auto *save = new QAction(QStringLiteral("&Save Picture As…"), this);
    save->setObjectName(QStringLiteral("savePicture"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { savePictureAs(); });
    // On the window itself, so that Ctrl+S works whichever control has the focus.
    addAction(save);

    m_pictureMenu = new QMenu(this);
    m_pictureMenu->addAction(copy);
    m_pictureMenu->addAction(save);
    m_canvas->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_canvas, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &at) { showPictureMenu(m_canvas->mapToGlobal(at)); });
}

void MainWindow::showPictureMenu(const QPoint &globalPosition)
{
    // A popup, not a nested event loop: the request may come from inside the
    // event filter, and input goes on through the one event loop.
    m_pictureMenu->popup(globalPosition);
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

void MainWindow::runCommand(const std::function<void()> &command)
{
    // Clicks and keys given before the end may still be queued behind it.
    if (m_ending)
        return;
    // The command boundary: a run-time error ends the command, what it drew
    // stays, and the window goes on. No exception crosses the event loop.
    QString failure;
    try {
        command();
    } catch (const RuntimeError &error) {
        failure = error.errorText();
    } catch (const std::exception &error) {
        failure = QString::fromLocal8Bit(error.what());
    }
    // Whatever the command drew is on screen before anything is reported.
    m_drawing.Present();
    if (!failure.isEmpty())
        m_reportError(this, failure);
}

void MainWindow::startUp()
{
    m_random.reseed(secondsSinceMidnight());
    m_state.X0 = CentreX;
    m_state.Y0 = CentreY;
    m_state.Dt = ParameterStep;
    m_drawing.PenWidth(startUpPenWidth);
    m_drawing.DrawCircle(m_state.X0, m_state.Y0, readSingle(m_R11->text()), ReferenceGray);
}

void MainWindow::start()
{
    runStartCommand(m_state, FieldTexts {m_R11->text(), m_R22->text(), m_R33->text()}, m_random, m_drawing);
}

void MainWindow::clear()
{
    m_drawing.ClearSurface();
    m_drawing.PenWidth(startUpPenWidth);
    // Read strictly as a double and made non-negative; a radius beyond single
    // precision becomes infinite, and the surface draws nothing for it.
    const float radius = narrowToSingle(std::fabs(readNumber(m_R11->text())));
    m_drawing.DrawCircle(m_state.X0, m_state.Y0, radius, ReferenceGray);
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
    QGuiApplication::clipboard()->setMimeData(pictureMimeData(m_surface.image(), m_drawing.record()).release());
}

void MainWindow::savePictureAs()
{
    if (m_ending)
        return;
    const QString folder = m_saveFolder.isEmpty() ? picturesFolder() : m_saveFolder;
    const ChosenFile chosen = m_chooseFile(this, proposedPicture(folder, m_saveFormat));
    if (chosen.path.isEmpty())
        return;
    const PictureFile file = pictureFile(chosen);
    // Proposed again next time, also when this file cannot be written.
    m_saveFolder = QFileInfo(file.path).absolutePath();
    m_saveFormat = file.format;
    runCommand([&] { writePicture(file, m_surface.image(), m_drawing.record()); });
}

bool MainWindow::keyTyped(char16_t code)
{
    if (code != spaceCode)
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
    // A theme changed while the program runs: its new colours are checked afresh.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange)
        applyPalettes();
    // The picture's menu from the keyboard, wherever the focus is: a field's
    // own edit menu is still a right click away.
    if (asksForMenuByKeyboard(event) && isOwnWidget(watched)) {
        showPictureMenu(m_canvas->mapToGlobal(QPoint(CentreX, CentreY)));
        return true;
    }
    // Typed characters reach the key handler before the control with the focus.
    const bool toControl = watched == m_R11 || watched == m_R22 || watched == m_R33 || watched == m_start
        || watched == m_clear || watched == m_end;
    if (toControl && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        if (text.size() == 1 && text.front() == QChar(spaceCode)) {
            // The press ends the program; its release is swallowed too, so a
            // focused button is never clicked by it.
            if (event->type() == QEvent::KeyPress)
                keyTyped(spaceCode);
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

void MainWindow::quitProgram()
{
    QCoreApplication::exit(0);
}

void MainWindow::showErrorBox(QWidget *window, const QString &text)
{
    QMessageBox::critical(window, QStringLiteral("Volvenda"), text);
}

} // namespace volvenda
