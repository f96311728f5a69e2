#include "gui/services/Tray.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>

SystemTrayIcon::SystemTrayIcon(std::function<bool()> hostAvailable, std::chrono::milliseconds checkEvery)
    : hostAvailable_(std::move(hostAvailable)), icon_(new QSystemTrayIcon(this)), hostCheck_(new QTimer(this)),
      checkEvery_(checkEvery)
{
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        switch (why) {
        case QSystemTrayIcon::Trigger:
            emit pressed(Qt::LeftButton);
            emit released(Qt::LeftButton);
            break;
        case QSystemTrayIcon::Context:
            emit pressed(Qt::RightButton);
            emit released(Qt::RightButton);
            break;
        case QSystemTrayIcon::DoubleClick:
            emit doubleClicked(Qt::LeftButton);
            break;
        default: // the middle button and the unknown mean nothing here
            break;
        }
    });
    connect(hostCheck_, &QTimer::timeout, this, &SystemTrayIcon::checkHost);
}

SystemTrayIcon::~SystemTrayIcon() = default;

void SystemTrayIcon::setIcon(const QIcon& icon)
{
    icon_->setIcon(icon);
}

void SystemTrayIcon::setToolTip(const QString& tip)
{
    icon_->setToolTip(tip);
}

void SystemTrayIcon::setVisible(bool visible)
{
    icon_->setVisible(visible);
    if (visible)
        hostCheck_->start(checkEvery_);
    else
        hostCheck_->stop();
}

bool SystemTrayIcon::isVisible() const
{
    return icon_->isVisible();
}

QAction* SystemTrayIcon::popMenu(QMenu& menu)
{
    return menu.exec(QCursor::pos());
}

void SystemTrayIcon::checkHost()
{
    if (hostAvailable_())
        return;
    setVisible(false);
    emit hostLost();
}

bool SystemTrayFactory::hostAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

std::unique_ptr<TrayIcon> SystemTrayFactory::create()
{
    if (!hostAvailable())
        return nullptr;
    return std::make_unique<SystemTrayIcon>(&QSystemTrayIcon::isSystemTrayAvailable);
}
