#pragma once
// The program's icon in the notification area. Tray hosts report clicks, not
// separate presses and releases: a click arrives as pressed then released.
// When there is no tray host, or the host goes away, the feature stays off.

#include <QIcon>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QTimer;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void setIcon(const QIcon& icon) = 0;
    virtual void setToolTip(const QString& tip) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    // Shows menu at the mouse and waits: the chosen action, or nullptr.
    virtual QAction* popMenu(QMenu& menu) = 0;

signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    void doubleClicked(Qt::MouseButton button);
    // The tray host went away and took the icon with it.
    void hostLost();
};

class TrayFactory {
public:
    virtual ~TrayFactory() = default;
    virtual bool hostAvailable() const = 0;
    // A hidden icon, or nullptr when there is no tray host.
    virtual std::unique_ptr<TrayIcon> create() = 0;
};

class SystemTrayIcon final : public TrayIcon {
public:
    // hostAvailable is asked every checkEvery while the icon is shown.
    explicit SystemTrayIcon(std::function<bool()> hostAvailable,
                            std::chrono::milliseconds checkEvery = std::chrono::seconds(3));
    ~SystemTrayIcon() override;

    void setIcon(const QIcon& icon) override;
    void setToolTip(const QString& tip) override;
    void setVisible(bool visible) override;
    bool isVisible() const override;
    QAction* popMenu(QMenu& menu) override;

private:
    void checkHost();

    std::function<bool()> hostAvailable_;
    QSystemTrayIcon* icon_;
    QTimer* hostCheck_;
    std::chrono::milliseconds checkEvery_;
};

class SystemTrayFactory final : public TrayFactory {
public:
    bool hostAvailable() const override;
    std::unique_ptr<TrayIcon> create() override;
};
