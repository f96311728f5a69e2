// The default skin applied to the windows looks exactly as it was painted.
#include "tests/skin/SkinTestSupport.h"

#include "engine/start/AppFolders.h"
#include "skin/SkinBitmap.h"
#include "skin/SkinPackage.h"
#include "skin/default/DefaultSkinArt.h"
#include "skin/default/DefaultSkinPackage.h"

#include <filesystem>

namespace {
bool samePixels(const QImage& image, const PixelCanvas& canvas)
{
    if (image.width() != canvas.width() || image.height() != canvas.height())
        return false;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != canvas.at(x, y))
                return false;
    return true;
}
} // namespace

TEST_F(SkinTest, TheDefaultSkinAppliesWithoutAWordAndShowsThePaintedPictures)
{
    std::filesystem::remove_all(Folders().SkinPath);
    ASSERT_TRUE(GenerateDefaultSkin(prompter, Folders()));
    load(DefaultSkinName, true);
    EXPECT_TRUE(takeMessages().empty());

    std::string why;
    const std::optional<SkinPackage> package = SkinPackage::open(Folders().SkinPath + DefaultSkinName, why);
    ASSERT_TRUE(package) << why;
    for (const SkinArt& art : PaintDefaultSkin()) {
        const std::optional<std::string> bytes = package->read(art.name + ".bmp", why);
        ASSERT_TRUE(bytes) << art.name;
        EXPECT_TRUE(samePixels(DecodeSkinBitmap(*bytes, why), art.picture)) << art.name;
    }
    const PixelCanvas fond = PaintDefaultSkin()[3].picture;
    ASSERT_EQ(PaintDefaultSkin()[3].name, "fond");
    EXPECT_TRUE(samePixels(main().property("Picture").value<QPixmap>().toImage(), fond));
    EXPECT_EQ(main().size(), QSize(361, 203));
    // The outline rounds the corners and keeps the middle of every edge.
    EXPECT_FALSE(main().mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(main().mask().contains(QPoint(360, 202)));
    for (const QPoint p : {QPoint(180, 0), QPoint(0, 100), QPoint(360, 100), QPoint(180, 202)})
        EXPECT_TRUE(main().mask().contains(p)) << p.x() << "," << p.y();
}
