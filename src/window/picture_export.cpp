#include "picture_export.h"

#include "runtime/file_writing.h"
#include "runtime/png_writing.h"
#include "runtime/vector_surface.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>

#include <functional>

namespace volvenda {

namespace {

const QString pngFilter = QStringLiteral("PNG image (*.png)");
const QString svgFilter = QStringLiteral("SVG drawing (*.svg)");

QString extension(PictureFormat format)
{
    return format == PictureFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png");
}

PictureFormat filterFormat(const QString &filter)
{
    return filter == svgFilter ? PictureFormat::Svg : PictureFormat::Png;
}

QByteArray written(const std::function<void(QIODevice &)> &write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    return buffer.data();
}

} // namespace

PictureFile pictureFile(const ChosenFile &chosen)
{
    const QString suffix = QFileInfo(chosen.path).suffix();
    for (const PictureFormat format : {PictureFormat::Png, PictureFormat::Svg})
        if (suffix.compare(extension(format), Qt::CaseInsensitive) == 0)
            return {chosen.path, format};
    const QString dot = chosen.path.endsWith(u'.') ? QString() : QStringLiteral(".");
    return {chosen.path + dot + extension(chosen.filter), chosen.filter};
}

QString proposedPicture(const QString &folder, PictureFormat format)
{
    return QDir(folder).filePath(QStringLiteral("volvenda.") + extension(format));
}

QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

ChosenFile askForPictureFile(QWidget *window, const QString &proposal)
{
    const QFileInfo proposed(proposal);
    QFileDialog dialog(window, QStringLiteral("Save Picture As"), proposed.absolutePath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({pngFilter, svgFilter});
    // Asked below, about the name written: a native dialog would ask about
    // the name as typed, before the extension is added.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The dialog adds the filter's extension to a name without one.
    const auto useFilter
        = [&dialog](const QString &filter) { dialog.setDefaultSuffix(extension(filterFormat(filter))); };
    const QString filter = proposed.suffix() == extension(PictureFormat::Svg) ? svgFilter : pngFilter;
    dialog.selectNameFilter(filter);
    useFilter(filter);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useFilter);
    dialog.selectFile(proposed.fileName());

    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        ChosenFile chosen {dialog.selectedFiles().constFirst(), filterFormat(dialog.selectedNameFilter())};
        const QString path = pictureFile(chosen).path;
        if (!QFileInfo::exists(path))
            return chosen;
        const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?");
        if (QMessageBox::warning(window, dialog.windowTitle(), question.arg(QFileInfo(path).fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes)
            return chosen;
    }
    return {};
}

void writePicture(const PictureFile &file, const QImage &image, const VectorSurface &drawing)
{
    // A write the device refuses is kept by the file and reported with the
    // system's reason when it is committed.
    writeFileAtomically(file.path, [&](QIODevice &device) {
        if (file.format == PictureFormat::Svg)
            drawing.writeSvg(device);
        else
            writePng(image, device);
    });
}

std::unique_ptr<QMimeData> pictureMimeData(const QImage &image, const VectorSurface &drawing)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/png"), written([&](QIODevice &device) { writePng(image, device); }));
    data->setData(QStringLiteral("image/svg+xml"), written([&](QIODevice &device) { drawing.writeSvg(device); }));
    data->setImageData(image);
    return data;
}

} // namespace volvenda
