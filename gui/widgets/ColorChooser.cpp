#include "gui/widgets/ColorChooser.h"

#include "platform/gui/WinColor.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QWidgetAction>

#include <iterator>

namespace {
constexpr int Columns = 8;
constexpr int Swatch = 16;

QPixmap SwatchPicture(const QColor& colour, QSize size)
{
    QPixmap picture(size);
    picture.fill(colour);
    QPainter p(&picture);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    return picture;
}

// clang-format off
constexpr QRgb Palette[] = {
    0x000000, 0x003399, 0x003333, 0x003300, 0x663300, 0x800000, 0x993333, 0x333333,
    0x000080, 0x0066FF, 0x008080, 0x008000, 0x808000, 0xFF0000, 0x996666, 0x808080,
    0x0000FF, 0x0099FF, 0x00CC99, 0x669933, 0xCCCC33, 0xFF6633, 0x800080, 0x999999,
    0xFF00FF, 0x00CCFF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFFCC00, 0xCC6699, 0xC0C0C0,
    0xCC99FF, 0x99CCFF, 0x99FFFF, 0xCCFFCC, 0xFFFFCC, 0xFFCC99, 0xFF99CC, 0xFFFFFF,
};
// clang-format on
} // namespace

ColorChooser::ColorChooser(QWidget* parent) : QToolButton(parent), menu_(new QMenu(this))
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setPopupMode(QToolButton::InstantPopup);
    setMenu(menu_);

    auto* grid = new QWidget(menu_);
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(2);
    layout->setContentsMargins(4, 4, 4, 4);
    for (int i = 0; i < int(std::size(Palette)); ++i) {
        auto* swatch = new QToolButton(grid);
        swatch->setAutoRaise(true);
        swatch->setIcon(SwatchPicture(QColor(Palette[i]), QSize(Swatch, Swatch)));
        swatch->setIconSize(QSize(Swatch, Swatch));
        const std::uint32_t value = ToWinColor(QColor(Palette[i]));
        connect(swatch, &QToolButton::clicked, this, [this, value] {
            menu_->close();
            setColor(value);
        });
        layout->addWidget(swatch, i / Columns, i % Columns);
    }
    auto* palette = new QWidgetAction(menu_);
    palette->setDefaultWidget(grid);
    menu_->addAction(palette);
    menu_->addSeparator();
    connect(menu_->addAction(QStringLiteral("Other...")), &QAction::triggered, this, &ColorChooser::chooseOther);
    showColour();
}

void ColorChooser::setColor(std::uint32_t color)
{
    if (color == color_)
        return;
    color_ = color;
    showColour();
    emit colorChanged();
}

void ColorChooser::showColour()
{
    const QColor c = FromWinColor(color_);
    setIcon(SwatchPicture(c, QSize(24, 14)));
    setIconSize(QSize(24, 14));
    setText(c.name().toUpper());
}

void ColorChooser::chooseOther()
{
    const QColor chosen = QColorDialog::getColor(FromWinColor(color_), window());
    if (chosen.isValid())
        setColor(ToWinColor(chosen));
}
