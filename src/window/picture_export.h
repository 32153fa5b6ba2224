#pragma once

#include "output/picture_format.h"

#include <QString>

#include <memory>

class QImage;
class QMimeData;
class QWidget;

namespace volvenda {

class VectorSurface;

// A name picked in the file dialog and the format of the filter chosen with
// it; an empty name when the dialog was cancelled.
struct ChosenFile
{
    QString path;
    PictureFormat filter = PictureFormat::Png;
};

// The file a chosen name stands for. The format follows the extension, .png
// or .svg in any case; any other name gets the chosen filter's extension
// added, so that the file is always what its name says.
struct PictureFile
{
    QString path;
    PictureFormat format = PictureFormat::Png;
};
[[nodiscard]] PictureFile pictureFile(const ChosenFile &chosen);

// "volvenda.png" (or .svg) in folder.
[[nodiscard]] QString proposedPicture(const QString &folder, PictureFormat format);
// Where to propose saving: the folder last used if it is still there, else
// the user's pictures folder, else the home folder (HOME's, or the
// account's where HOME is unset or gone), else the working folder.
[[nodiscard]] QString proposedFolder(const QString &lastUsed);

// Asks for a file name in the file dialog, starting at proposal, with a
// filter for each format, and asks again before a file would be replaced.
[[nodiscard]] ChosenFile askForPictureFile(QWidget *window, const QString &proposal);

// The extension of runs files, which the desktop knows as the program's own type.
inline constexpr char RunsExtension[] = "volvenda";

// Asks in the file dialog for a runs file to open or, when saving, to write
// (starting at proposal, and asking before one is replaced); an empty name
// when the dialog was cancelled.
[[nodiscard]] QString askForRunsFile(QWidget *window, bool saving, const QString &proposal);

// Saves the picture as the file's format, whole or not at all: the image as
// PNG, recording its device-pixel ratio as its resolution, or the recorded
// drawing as SVG. Throws RuntimeError naming the file and the system's reason.
void savePicture(const PictureFile &file, const QImage &image, const VectorSurface &drawing);

// The picture for the clipboard: as PNG and SVG, and as an image for the
// programs that ask the toolkit's way.
[[nodiscard]] std::unique_ptr<QMimeData> pictureMimeData(const QImage &image, const VectorSurface &drawing);

} // namespace volvenda
