#include "mainwindow/TrayIconMenu.h"

#include "gui/AppIcons.h"
#include "gui/PlainText.h"
#include "gui/menu/PopupMenu.h"
#include "gui/services/Tray.h"
#include "platform/prompter/ErrorBox.h"

#include <QAction>
#include <QCursor>
#include <cmath>

TrayIconMenu::TrayIconMenu(TrayFactory& tray, std::function<QString(int)> text)
    : tray_(tray), text_(std::move(text)), menu_(new PopupMenu(this, "m_cM"))
{
    setObjectName(WindowName);
    menu_->setImageList(MenuImageList());
}

TrayIconMenu::~TrayIconMenu() = default;

void TrayIconMenu::setUp(QWidget* owner, bool onTop)
{
    Q_UNUSED(owner); // the icon's events and the menu belong to this window
    icon_ = tray_.create();
    if (icon_) {
        iconShown_ = ProgramIcon();
        icon_->setIcon(iconShown_);
        icon_->setVisible(true);
        connect(icon_.get(), &TrayIcon::pressed, this, [this](Qt::MouseButton b) {
            if (int n = buttonNumber(b))
                emit iconMouseDown(n);
        });
        connect(icon_.get(), &TrayIcon::released, this, [this](Qt::MouseButton b) {
            if (int n = buttonNumber(b))
                emit iconMouseUp(n);
        });
        connect(icon_.get(), &TrayIcon::doubleClicked, this, [this](Qt::MouseButton b) {
            if (int n = buttonNumber(b))
                emit iconDoubleClicked(n);
        });
        connect(icon_.get(), &TrayIcon::hostLost, this, &TrayIconMenu::iconLost);
    }
    menu_->addItem("&" + PlainMnemonicText(text_(46)) + "...     F5", "PROP", 1);
    menu_->addItem("-", "");
    menu_->addItem(PlainMnemonicText(text_(27)), "ONTOP", 9, onTop);
    menu_->item(3)->setCheckable(true);
    menu_->addItem("-", "");
    menu_->addItem("&" + PlainMnemonicText(text_(60)) + "...     Ctrl+A", "ABOUT", 11);
    menu_->addItem("-", "");
    menu_->addItem("&" + PlainMnemonicText(text_(71)) + "...     ALT+F4", "EXIT");
    menu_->setSideBar(0x84B642, 0, "CorvaneDisk", 10);
}

int TrayIconMenu::buttonNumber(Qt::MouseButton button)
{
    return button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 0;
}

void TrayIconMenu::setIconToolTip(const QString& tip)
{
    QString cut = tip.left(MaxTipLength);
    if (cut == tip_)
        return;
    tip_ = cut;
    if (icon_)
        icon_->setToolTip(tip_);
}

void TrayIconMenu::setShownIcon(const QIcon& icon)
{
    if (icon.cacheKey() == iconShown_.cacheKey())
        return;
    iconShown_ = icon;
    if (icon_)
        icon_->setIcon(icon);
}

int TrayIconMenu::resolve(const QVariant& indexOrKey) const
{
    bool isNumber = false;
    double n = indexOrKey.toString().toDouble(&isNumber);
    int index = isNumber ? int(std::nearbyint(n)) : menu_->indexOfKey(indexOrKey.toString());
    if (!menu_->validIndex(index))
        throw AppError(ErrSubscriptOutOfRange, "No menu item " + indexOrKey.toString().toStdString());
    return index;
}

void TrayIconMenu::setChecked(const QVariant& indexOrKey, bool on)
{
    menu_->setChecked(resolve(indexOrKey), on);
}

void TrayIconMenu::showMenu()
{
    QAction* chosen = icon_ ? icon_->popMenu(*menu_) : menu_->exec(QCursor::pos());
    if (!chosen)
        return;
    emit menuChosen(menu_->indexOf(chosen), chosen->objectName());
}
