#pragma once

#include "picture_commands.h"
#include "picture_export.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace volvenda {

class Canvas;

// The program's one window: three fields, their labels, three buttons and the
// drawing surface under them. It builds the controls, applies their palettes
// and key policy, and wires them to the commands, which keep the picture and
// its runs; it shows what the commands report.
class MainWindow final : public QWidget
{
    Q_OBJECT

public:
    // Ends the program; tests put an observer in its place. Called once.
    using EndProgram = std::function<void()>;
    // Shows a command's failure to the user.
    using ReportError = std::function<void(QWidget *window, const CommandFailure &failure)>;
    // Asks where to save the picture, proposing a file name; the file dialog,
    // or what a test puts in its place.
    using ChooseFile = std::function<ChosenFile(QWidget *window, const QString &proposal)>;
    // Asks for a runs file to open or to save as; the file dialog, or a test's stand-in.
    using ChooseRunsFile = std::function<QString(QWidget *window, bool saving, const QString &proposal)>;

    explicit MainWindow(EndProgram endProgram = quitProgram, ReportError reportError = showErrorBox,
        ChooseFile chooseFile = askForPictureFile, ChooseRunsFile chooseRunsFile = askForRunsFile,
        QWidget *parent = nullptr);
    ~MainWindow() override;

    MainWindow(const MainWindow &) = delete;
    MainWindow &operator=(const MainWindow &) = delete;
    MainWindow(MainWindow &&) = delete;
    MainWindow &operator=(MainWindow &&) = delete;

    [[nodiscard]] const RasterSurface &surface() const { return m_commands.surface(); }
    // The same picture as vectors, since the last Clear.
    [[nodiscard]] const VectorSurface &drawing() const { return m_commands.drawing(); }
    [[nodiscard]] const TraceState &state() const { return m_commands.state(); }
    // Set by End, the Space key and the close box, and never cleared: from then
    // on no command runs, nothing is reported and the window's input is dropped,
    // also what was queued before the end.
    [[nodiscard]] bool isEnding() const { return m_ending; }

    // Replaces the picture with a runs file's, as Open Runs does; an error
    // box names the file and its bad line.
    void openRuns(const QString &path);

    static void quitProgram();
    static void showErrorBox(QWidget *window, const CommandFailure &failure);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A runs file dropped on the window is opened.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildControls();
    // Labels and fields stay dark on white whatever the theme; the buttons follow it.
    void applyPalettes();
    // Undo and Redo, Copy Picture and Save Picture As..., Open Runs... and
    // Save Runs As..., on the picture's menu and their keys.
    void buildPictureMenu();
    // Undo and Redo greyed when there is nothing to take back or do again.
    void updateHistory();
    void showPictureMenu(const QPoint &globalPosition);
    [[nodiscard]] bool isOwnWidget(const QObject *watched) const;
    [[nodiscard]] bool isDroppedOnTheWayOut(QObject *watched, const QEvent *event) const;

    // Runs one of the commands unless the program is ending, tells the
    // picture's new description and reports its failure. Returns whether it
    // reported one.
    bool runCommand(const std::function<std::optional<CommandFailure>()> &command);
    [[nodiscard]] FieldTexts fieldTexts() const;
    // Tells a screen reader's user what the picture now shows, without moving
    // the focus: after Start, Clear, Undo or Redo, and after the error box any met.
    void tellPicture(bool afterErrorBox);
    void end();
    void copyPicture();
    // Ask for a file name, then save as a command.
    void savePictureAs();
    void saveRunsAs();
    [[nodiscard]] QString proposedRunsFile() const;
    // Returns whether the character was taken (Space ends the program).
    bool keyTyped(char16_t code);

    EndProgram m_endProgram;
    ReportError m_reportError;
    ChooseFile m_chooseFile;
    ChooseRunsFile m_chooseRunsFile;
    PictureCommands m_commands;
    bool m_ending = false;
    // An error box is closing: the picture is told when the window is active again.
    bool m_tellPictureWhenActive = false;
    // Proposed for the next picture saved; the folder is empty until the first save.
    QString m_saveFolder;
    PictureFormat m_saveFormat = PictureFormat::Png;
    // The runs file last opened or saved, proposed next time.
    QString m_runsFile;

    Canvas *m_canvas = nullptr;
    QLineEdit *m_R11 = nullptr;
    QLineEdit *m_R22 = nullptr;
    QLineEdit *m_R33 = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_end = nullptr;
    std::array<QLabel *, 3> m_labels {};
    QMenu *m_pictureMenu = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};

} // namespace volvenda
