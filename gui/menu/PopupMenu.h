#pragma once
// The program's popup menus: items numbered from 1 in the order they were
// added, each with a key (its QAction's objectName) by which the program and
// the language code find it, and a gradient side bar down the left edge of
// which every top-level item row shows its own slice.

#include <QList>
#include <QMenu>
#include <QPixmap>

class PopupMenu : public QMenu {
    Q_OBJECT
public:
    // objectName: how the language code finds the menu ("m_cMenu"...).
    PopupMenu(QWidget* owner, const QString& objectName);

    // Item icons by index (the owner's 16 x 16 image list).
    void setImageList(QList<QIcon> icons) { icons_ = std::move(icons); }

    // A caption "-" adds a separator, "-Text" a separator titled Text.
    // iconIndex < 0: no icon. Returns the new item's index.
    int addItem(const QString& caption, const QString& key, int iconIndex = -1, bool checked = false,
                bool enabled = true);
    int itemCount() const { return int(items_.size()); }
    bool validIndex(int index) const { return index >= 1 && index <= itemCount(); }
    // 0 when no item has that key (the first exact match wins).
    int indexOfKey(const QString& key) const;
    QAction* item(int index) const;                                                      // nullptr for an invalid index
    int indexOf(const QAction* action) const { return int(items_.indexOf(action)) + 1; } // 0: none

    QString key(int index) const;
    void setChecked(int index, bool checked);
    void setItemEnabled(int index, bool on);

    // The side bar: a gradient from start (bottom) to end (top), both stored
    // colours, with a caption written upwards and the image list's icon.
    void setSideBar(std::uint32_t startColor, std::uint32_t endColor, const QString& caption, int iconIndex);
    // The bar as it is painted now (its height is the top-level rows' sum).
    const QPixmap& sideBarPicture();

    // Shows the menu at a screen point and waits; the chosen item's index,
    // 0 when nothing was chosen.
    int showAt(const QPoint& globalPos);

    static constexpr int SideBarWidth = 17; // 255 twips

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void paintSideBar();

    QList<QAction*> items_;
    QList<QIcon> icons_;
    std::uint32_t barStart_ = 0, barEnd_ = 0;
    QString barCaption_;
    int barIcon_ = 0;
    bool hasBar_ = false;
    QPixmap bar_;
};
