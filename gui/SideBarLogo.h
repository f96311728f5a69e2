#pragma once
// The narrow side bar of dialogs and menus: a vertical colour gradient in
// horizontal bands, an optional icon near the bottom and a caption written
// upwards. It paints a picture into the label it is given.

#include <QFont>
#include <QList>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <optional>

class QLabel;
class QPaintDevice;

class SideBarLogo {
public:
    SideBarLogo();

    void setImageList(QList<QPixmap> images) { images_ = std::move(images); }
    // Position in the image list, counted from 0; 0 or less draws no icon.
    void setIconIndex(int index) { iconIndex_ = index; }
    void setCaption(const QString& caption) { caption_ = caption; }
    QString caption() const { return caption_; }
    void setDrawingObject(QLabel* surface) { surface_ = surface; }

    // Colours in the stored order (red in the low byte) or system colours.
    std::uint32_t startColor() const { return startColor_; }
    void setStartColor(std::uint32_t color); // repaints when it changes
    std::uint32_t endColor() const { return endColor_; }
    void setEndColor(std::uint32_t color);

    void draw();

    // Bands are a 255th of the height, at least one pixel.
    static int bandHeight(int height) { return height / 255 > 0 ? height / 255 : 1; }

    // The caption is written whole or not at all: in the given font, or
    // smaller down to the least size, when that fits the room (pixels
    // along the bar); none when even that does not.
    static constexpr double LeastCaptionPoints = 6.5;
    static std::optional<QFont> captionFont(QFont font, const QString& caption, int room, QPaintDevice* device);

private:
    struct Rgb {
        int r = 0, g = 0, b = 0;
    };
    static Rgb components(std::uint32_t color);
    // Stores a colour and repaints when it changed.
    void setColor(std::uint32_t& stored, Rgb& parts, std::uint32_t color);

    QList<QPixmap> images_;
    int iconIndex_ = 0;
    QString caption_;
    QLabel* surface_ = nullptr;
    std::uint32_t startColor_ = 0;
    std::uint32_t endColor_ = 0;
    Rgb start_, end_;
};
