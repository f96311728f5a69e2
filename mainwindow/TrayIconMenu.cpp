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
    : tray_(tray), text_(std::move(text)), m_cM(new PopupMenu(this, "m_cM"))
{
    setObjectName(WindowName);
    m_cM->setImageList(MenuImageList());
}

TrayIconMenu::~TrayIconMenu() = default;

void TrayIconMenu::Initialise(QWidget* owner, bool onTop)
{
    Q_UNUSED(owner); // the icon's events and the menu belong to this window
    icon_ = tray_.create();
    if (icon_) {
        iconShown_ = ProgramIcon();
        icon_->setIcon(iconShown_);
        icon_->setVisible(true);
        connect(icon_.get(), &TrayIcon::pressed, this, [this](Qt::MouseButton b) {
            if (int n = ButtonNumber(b))
                emit SysTrayMouseDown(n);
        });
        connect(icon_.get(), &TrayIcon::released, this, [this](Qt::MouseButton b) {
            if (int n = ButtonNumber(b))
                emit SysTrayMouseUp(n);
        });
        connect(icon_.get(), &TrayIcon::doubleClicked, this, [this](Qt::MouseButton b) {
            if (int n = ButtonNumber(b))
                emit SysTrayDoubleClick(n);
        });
        connect(icon_.get(), &TrayIcon::hostLost, this, &TrayIconMenu::IconLost);
    }
    m_cM->addItem("&" + PlainMnemonicText(text_(46)) + "...     F5", "PROP", 1);
    m_cM->addItem("-", "");
    m_cM->addItem(PlainMnemonicText(text_(27)), "ONTOP", 9, onTop);
    m_cM->item(3)->setCheckable(true);
    m_cM->addItem("-", "");
    m_cM->addItem("&" + PlainMnemonicText(text_(60)) + "...     Ctrl+A", "ABOUT", 11);
    m_cM->addItem("-", "");
    m_cM->addItem("&" + PlainMnemonicText(text_(71)) + "...     ALT+F4", "EXIT");
    m_cM->setSideBar(0x84B642, 0, "CorvaneDisk", 10);
}

int TrayIconMenu::ButtonNumber(Qt::MouseButton button)
{
    return button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 0;
}

void TrayIconMenu::setToolTip(const QString& tip)
{
    QString cut = tip.left(MaxTipLength);
    if (cut == tip_)
        return;
    tip_ = cut;
    if (icon_)
        icon_->setToolTip(tip_);
}

void TrayIconMenu::setIconHandle(const QIcon& icon)
{
    if (icon.cacheKey() == iconShown_.cacheKey())
        return;
    iconShown_ = icon;
    if (icon_)
        icon_->setIcon(icon);
}

void TrayIconMenu::setImageList(const QList<QIcon>& icons)
{
    m_cM->setImageList(icons);
}

int TrayIconMenu::AddMenuItem(const QString& caption, const QString& key, bool isDefault, int parentIndex,
                              int iconIndex, bool checked, bool enabled)
{
    Q_UNUSED(parentIndex); // every item of this menu lies at the top level
    int index = m_cM->addItem(caption, key, iconIndex, checked, enabled);
    if (index > 0 && isDefault)
        m_cM->setDefault(index, true);
    return index;
}

void TrayIconMenu::EnableMenuItem(int index, bool on)
{
    if (m_cM->validIndex(index))
        m_cM->setItemEnabled(index, on);
}

void TrayIconMenu::RemoveMenuItem(int index)
{
    m_cM->removeItem(index);
}

int TrayIconMenu::resolve(const QVariant& vKey) const
{
    bool isNumber = false;
    double n = vKey.toString().toDouble(&isNumber);
    int index = isNumber ? int(std::nearbyint(n)) : m_cM->indexOfKey(vKey.toString());
    if (!m_cM->validIndex(index))
        throw AppError(ErrSubscriptOutOfRange, "No menu item " + vKey.toString().toStdString());
    return index;
}

bool TrayIconMenu::Default(const QVariant& vKey) const
{
    return m_cM->isDefault(resolve(vKey));
}

void TrayIconMenu::setDefault(const QVariant& vKey, bool on)
{
    m_cM->setDefault(resolve(vKey), on);
}

bool TrayIconMenu::Checked(const QVariant& vKey) const
{
    return m_cM->isChecked(resolve(vKey));
}

void TrayIconMenu::setChecked(const QVariant& vKey, bool on)
{
    m_cM->setChecked(resolve(vKey), on);
}

QString TrayIconMenu::MenuCaption(const QVariant& vKey) const
{
    return m_cM->caption(resolve(vKey));
}

void TrayIconMenu::setMenuCaption(const QVariant& vKey, const QString& caption)
{
    m_cM->setCaption(resolve(vKey), caption);
}

void TrayIconMenu::ShowMenu()
{
    QAction* chosen = icon_ ? icon_->popMenu(*m_cM) : m_cM->exec(QCursor::pos());
    if (!chosen)
        return;
    emit MenuClick(m_cM->indexOf(chosen), chosen->objectName());
}
