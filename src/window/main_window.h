#pragma once

#include "picture_description.h"
#include "picture_export.h"

#include "drawing/raster_surface.h"
#include "drawing/recording_surface.h"
#include "runtime/random_generator.h"
#include "runtime/runtime_error.h"
#include "trace/start_command.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace volvenda {

class Canvas;

// The program's one window: three fields, their labels, three buttons and the
// drawing surface under them. It builds the controls, wires them to the
// commands and keeps the state the commands share; the drawing is done by the
// core on the surface.
class MainWindow final : public QWidget
{
    Q_OBJECT

public:
    // Ends the program; tests put an observer in its place. Called once.
    using EndProgram = std::function<void()>;
    // Shows a run-time error's text to the user.
    using ReportError = std::function<void(QWidget *window, const QString &text)>;
    // Asks where to save the picture, proposing a file name; the file dialog,
    // or what a test puts in its place.
    using ChooseFile = std::function<ChosenFile(QWidget *window, const QString &proposal)>;

    explicit MainWindow(EndProgram endProgram = quitProgram, ReportError reportError = showErrorBox,
        ChooseFile chooseFile = askForPictureFile, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;
    MainWindow(MainWindow &&) = delete;
    MainWindow &operator=(MainWindow &&) = delete;

    [[nodiscard]] const RasterSurface &surface() const { return m_surface; }
    // The same picture as vectors, since the last Clear.
    [[nodiscard]] const VectorSurface &drawing() const { return m_drawing.record(); }
    [[nodiscard]] const TraceState &state() const { return m_state; }
    // Set by End, the Space key and the close box, and never cleared: from then
    // on no command runs, nothing is reported and the window's input is dropped,
    // also what was queued before the end.
    [[nodiscard]] bool isEnding() const { return m_ending; }

    static void quitProgram();
    static void showErrorBox(QWidget *window, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    // Labels and fields stay dark on white whatever the theme; the buttons follow it.
    void applyPalettes();
    // Copy Picture and Save Picture As..., on the picture's menu and Ctrl+S.
    void buildPictureMenu();
    void showPictureMenu(const QPoint &globalPosition);
    [[nodiscard]] bool isOwnWidget(const QObject *watched) const;
    [[nodiscard]] bool isDroppedOnTheWayOut(QObject *watched, const QEvent *event) const;

    // The commands. Each runs through runCommand, which shows what was drawn
    // and reports a run-time error instead of letting it escape.
    // remedy, when given, says what to do about an error of the given kind.
    using Remedy = std::function<QString(ErrorKind)>;
    // Returns whether it reported an error.
    bool runCommand(const std::function<void()> &command, const Remedy &remedy = {});
    [[nodiscard]] FieldTexts fieldTexts() const;
    void startUp();
    void start();
    void clear();
    // Tells a screen reader's user what the picture now shows, without moving
    // the focus: after Start or Clear, and after the error box either met.
    void tellPicture(bool afterErrorBox);
    void end();
    void copyPicture();
    // Asks for a file name, then saves as a command.
    void savePictureAs();
    // Returns whether the character was taken (Space ends the program).
    bool keyTyped(char16_t code);

    EndProgram m_endProgram;
    ReportError m_reportError;
    ChooseFile m_chooseFile;
    TraceState m_state;
    RandomGenerator m_random;
    RasterSurface m_surface;
    // Where the commands draw: on the surface shown, and recorded for SVG.
    RecordingSurface m_drawing;
    PictureDescription m_description;
    bool m_ending = false;
    // An error box is closing: the picture is told when the window is active again.
    bool m_tellPictureWhenActive = false;
    // Proposed for the next picture saved; the folder is empty until the first save.
    QString m_saveFolder;
    PictureFormat m_saveFormat = PictureFormat::Png;

    Canvas *m_canvas = nullptr;
    QLineEdit *m_R11 = nullptr;
    QLineEdit *m_R22 = nullptr;
    QLineEdit *m_R33 = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_end = nullptr;
    std::array<QLabel *, 3> m_labels {};
    QMenu *m_pictureMenu = nullptr;
};

} // namespace volvenda
