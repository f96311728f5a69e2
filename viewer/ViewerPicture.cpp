#include "viewer/ViewerPicture.h"

#include "viewer/ViewedFile.h"

#include <QFile>
#include <QImageReader>

namespace {
// What Qt's reader would allocate at most (its limit, in MiB), as four-byte pixels.
qint64 MostPixels()
{
    const qint64 mebibytes = QImageReader::allocationLimit() > 0 ? QImageReader::allocationLimit() : 128;
    return mebibytes * 1024 * 1024 / 4;
}
} // namespace

ViewerPicture LoadPicture(const std::string& path)
{
    using Outcome = ViewerPicture::Outcome;
    UniqueFd fd = OpenViewedFile(path);
    QFile file;
    if (!fd || !file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return {};
    fd.release();
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {};
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MostPixels())
        return {Outcome::Broken, {}};
    ViewerPicture picture;
    picture.outcome = reader.read(&picture.image) ? Outcome::Loaded : Outcome::Broken;
    return picture;
}
