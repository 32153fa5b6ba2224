#include "picture_format.h"

#include <QFileInfo>

namespace volvenda {

QString extension(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        break;
    case PictureFormat::Svg:
        return QStringLiteral("svg");
    case PictureFormat::Gif:
        return QStringLiteral("gif");
    }
    return QStringLiteral("png");
}

std::optional<PictureFormat> formatOfName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const PictureFormat format : {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Gif})
        if (suffix.compare(extension(format), Qt::CaseInsensitive) == 0)
            return format;
    return std::nullopt;
}

} // namespace volvenda
