// SPDX-License-Identifier: MIT
#include "platform/qt/programicon.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace platform {

// The resource folder holds one PNG per size. Read as PNG by name, the images need none of
// the image format plugins that Qt would otherwise load to probe each file's format.
QIcon programIcon()
{
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString& file : folder.entryList({ QStringLiteral("*.png") }, QDir::Files)) {
        QImageReader reader(folder.filePath(file), "png");
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace platform
