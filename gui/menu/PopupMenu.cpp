#include "gui/menu/PopupMenu.h"

#include "gui/SideBarLogo.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>

PopupMenu::PopupMenu(QWidget* owner, const QString& objectName) : QMenu(owner)
{
    setObjectName(objectName);
}

int PopupMenu::addItem(const QString& caption, const QString& key, int iconIndex, bool checked, bool enabled)
{
    QAction* a;
    if (caption.startsWith('-')) {
        a = caption.size() > 1 ? addSection(caption.mid(1)) : addSeparator();
    } else {
        a = addAction(caption);
        if (iconIndex >= 0 && iconIndex < icons_.size())
            a->setIcon(icons_[iconIndex]);
        a->setCheckable(checked);
        a->setChecked(checked);
    }
    a->setObjectName(key);
    a->setEnabled(enabled);
    items_.append(a);
    bar_ = {};
    return itemCount();
}

int PopupMenu::indexOfKey(const QString& key) const
{
    for (int i = 0; i < items_.size(); ++i)
        if (items_[i]->objectName() == key)
            return i + 1;
    return 0;
}

QAction* PopupMenu::item(int index) const
{
    return validIndex(index) ? items_[index - 1] : nullptr;
}

QString PopupMenu::key(int index) const
{
    QAction* a = item(index);
    return a ? a->objectName() : QString();
}

void PopupMenu::setChecked(int index, bool checked)
{
    if (QAction* a = item(index)) {
        a->setCheckable(a->isCheckable() || checked);
        a->setChecked(checked);
    }
}

void PopupMenu::setItemEnabled(int index, bool on)
{
    if (QAction* a = item(index))
        a->setEnabled(on);
}

void PopupMenu::setSideBar(std::uint32_t startColor, std::uint32_t endColor, const QString& caption, int iconIndex)
{
    barStart_ = startColor;
    barEnd_ = endColor;
    barCaption_ = caption;
    barIcon_ = iconIndex;
    hasBar_ = true;
    setContentsMargins(SideBarWidth + 1, 0, 0, 0);
    bar_ = {};
}

const QPixmap& PopupMenu::sideBarPicture()
{
    if (hasBar_ && bar_.isNull())
        paintSideBar();
    return bar_;
}

void PopupMenu::paintSideBar()
{
    ensurePolished();
    int height = 0;
    for (QAction* a : items_)
        height += actionGeometry(a).height();
    QLabel surface;
    QFont font = surface.font();
    font.setBold(true);
    font.setPointSizeF(9.75);
    surface.setFont(font);
    surface.setStyleSheet("color: white");
    surface.ensurePolished();
    surface.resize(SideBarWidth, std::max(height, 1));
    QList<QPixmap> images;
    for (const QIcon& icon : icons_)
        images.append(icon.pixmap(16, 16));
    SideBarLogo logo;
    logo.setDrawingObject(&surface);
    logo.setStartColor(barStart_);
    logo.setEndColor(barEnd_);
    logo.setCaption(barCaption_);
    logo.setImageList(images);
    logo.setIconIndex(barIcon_);
    logo.draw();
    bar_ = surface.pixmap();
}

void PopupMenu::showEvent(QShowEvent* event)
{
    bar_ = {}; // item heights may have changed with the captions
    QMenu::showEvent(event);
}

void PopupMenu::paintEvent(QPaintEvent* event)
{
    QMenu::paintEvent(event);
    if (!hasBar_ || items_.isEmpty())
        return;
    const QPixmap& bar = sideBarPicture();
    QPainter p(this);
    const int firstTop = actionGeometry(items_.first()).top();
    // Each item row shows the bar's rows beside it, so the slices make one bar.
    for (QAction* a : items_) {
        QRect r = actionGeometry(a);
        if (!r.isValid())
            continue;
        int x = r.left() - SideBarWidth - 1;
        p.drawPixmap(QRect(x, r.top(), SideBarWidth, r.height()), bar,
                     QRect(0, r.top() - firstTop, SideBarWidth, r.height()));
    }
}

int PopupMenu::showAt(const QPoint& globalPos)
{
    QAction* chosen = exec(globalPos);
    return indexOf(chosen);
}
