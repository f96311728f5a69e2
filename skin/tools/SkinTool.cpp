// skintool package <file.zip>    writes the default skin package
// skintool sheet <file.png>      writes the sheet of its bitmaps
#include "skin/default/DefaultSkinPackage.h"
#include "skin/tools/BitmapSheet.h"

#include <QImage>

#include <cstdio>
#include <string>

namespace {
int usage()
{
    std::fprintf(stderr, "usage: skintool package <file.zip> | sheet <file.png>\n");
    return 2;
}

bool savePng(const PixelCanvas& canvas, const std::string& path)
{
    QImage image(canvas.width(), canvas.height(), QImage::Format_RGB32);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            image.setPixel(x, y, 0xFF000000u | canvas.at(x, y));
    return image.save(QString::fromStdString(path), "PNG");
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return usage();
    const std::string mode = argv[1], path = argv[2];
    if (mode == "package") {
        std::string error;
        if (!WriteDefaultSkinPackage(path, error)) {
            std::fprintf(stderr, "skintool: %s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
        return 0;
    }
    if (mode == "sheet") {
        if (!savePng(PaintBitmapSheet(), path)) {
            std::fprintf(stderr, "skintool: %s: cannot write the picture\n", path.c_str());
            return 1;
        }
        return 0;
    }
    return usage();
}
