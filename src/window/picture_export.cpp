#include "picture_export.h"

#include "output/atomic_file.h"
#include "output/file_target.h"
#include "output/picture_writing.h"
#include "runtime/catalogue.h"
#include "runtime/runtime_error.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>

#include <functional>
#include <optional>

#include <pwd.h>
#include <unistd.h>

namespace volvenda {

namespace {

// The file dialog's filters, in the user's language; the dialog takes the
// extension from between the parentheses.
QString pngFilter()
{
    return translate("Saving", "PNG image (*.png)");
}

QString svgFilter()
{
    return translate("Saving", "SVG drawing (*.svg)");
}

PictureFormat filterFormat(const QString &filter)
{
    return filter == svgFilter() ? PictureFormat::Svg : PictureFormat::Png;
}

QByteArray written(const std::function<bool(QIODevice &)> &write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    // A buffer in memory refuses only for want of memory.
    if (!write(buffer))
        throw RuntimeError(ErrorKind::OutOfMemory);
    return buffer.data();
}

} // namespace

PictureFile pictureFile(const ChosenFile &chosen)
{
    // The window saves its picture still: as PNG or SVG.
    const std::optional<PictureFormat> format = formatOfName(chosen.path);
    if (format && *format != PictureFormat::Gif)
        return {chosen.path, *format};
    const QString dot = chosen.path.endsWith(u'.') ? QString() : QStringLiteral(".");
    return {chosen.path + dot + extension(chosen.filter), chosen.filter};
}

QString proposedPicture(const QString &folder, PictureFormat format)
{
    return QDir(folder).filePath(QStringLiteral("volvenda.") + extension(format));
}

QString proposedFolder(const QString &lastUsed)
{
    const auto isFolder = [](const QString &path) { return !path.isEmpty() && QFileInfo(path).isDir(); };
    if (isFolder(lastUsed))
        return lastUsed;
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (isFolder(pictures))
        return pictures;
    // HOME may be unset or name a folder that is gone; the account's own
    // home folder is then the one to propose.
    QString home = qEnvironmentVariable("HOME");
    if (isFolder(home))
        return home;
    const passwd *account = ::getpwuid(::getuid());
    const QString accountHome = account ? QFile::decodeName(account->pw_dir) : QString();
    return isFolder(accountHome) ? accountHome : QDir::currentPath();
}

ChosenFile askForPictureFile(QWidget *window, const QString &proposal)
{
    const QFileInfo proposed(proposal);
    QFileDialog dialog(window, translate("Saving", "Save Picture As"), proposed.absolutePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({pngFilter(), svgFilter()});
    // Asked below, about the name written: a native dialog would ask about
    // the name as typed, before the extension is added.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The dialog adds the filter's extension to a name without one.
    const auto useFilter
        = [&dialog](const QString &filter) { dialog.setDefaultSuffix(extension(filterFormat(filter))); };
    const QString filter = proposed.suffix() == extension(PictureFormat::Svg) ? svgFilter() : pngFilter();
    dialog.selectNameFilter(filter);
    useFilter(filter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useFilter);
    dialog.selectFile(proposed.fileName());

    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        ChosenFile chosen {dialog.selectedFiles().constFirst(), filterFormat(dialog.selectedNameFilter())};
        // Only a file that would be replaced is asked about: a name the save
        // refuses (a pipe, a device, a folder) is refused at once, as the
        // save command reports it.
        const QString path = pictureFile(chosen).path;
        if (!replacesAFile(path))
            return chosen;
        //: %1 is a file's name.
        const QString question = translate("Saving", "%1 already exists.\nDo you want to replace it?");
        if (QMessageBox::warning(window, dialog.windowTitle(), question.arg(QFileInfo(path).fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes)
            return chosen;
    }
    return {};
}

QString askForRunsFile(QWidget *window, bool saving, const QString &proposal)
{
    QFileDialog dialog(
        window, saving ? translate("Saving", "Save Runs As") : translate("Saving", "Open Runs"), proposal);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({translate("Saving", "Volvenda runs (*.%1)").arg(QLatin1String(RunsExtension)),
        translate("Saving", "All files (*)")});
    dialog.setDefaultSuffix(QLatin1String(RunsExtension));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void savePicture(const PictureFile &file, const QImage &image, const VectorSurface &drawing)
{
    // A write the device refuses is kept by the file and reported with the
    // system's reason when it is committed.
    writeFileAtomically(file.path, [&](QIODevice &device) {
        return writePicture(device, file.format, {&image, &drawing});
    });
}

std::unique_ptr<QMimeData> pictureMimeData(const QImage &image, const VectorSurface &drawing)
{
    const auto as = [&](PictureFormat format) {
        return written([&](QIODevice &device) { return writePicture(device, format, {&image, &drawing}); });
    };
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/png"), as(PictureFormat::Png));
    data->setData(QStringLiteral("image/svg+xml"), as(PictureFormat::Svg));
    data->setImageData(image);
    return data;
}

} // namespace volvenda
