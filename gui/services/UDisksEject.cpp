#include "gui/services/UDisksEject.h"

#include <QDBusConnection>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {
const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kPrefix = QStringLiteral("org.freedesktop.UDisks2.");
// Ejecting may wait for a password prompt or a slow drive.
constexpr int kTimeoutMs = 60000;

QDBusConnection busAt(const std::string& address)
{
    if (address.empty())
        return QDBusConnection::systemBus();
    const QString a = QString::fromStdString(address);
    return QDBusConnection::connectToBus(a, QStringLiteral("corvane-udisks ") + a);
}

// The reply, or the error's text in reason.
QDBusMessage call(QDBusConnection& bus, const QString& path, const QString& interface, const QString& method,
                  const QList<QVariant>& args)
{
    QDBusMessage m = QDBusMessage::createMethodCall(kService, path, interface, method);
    m.setArguments(args);
    return bus.call(m, QDBus::Block, kTimeoutMs);
}

std::string errorOf(const QDBusMessage& reply)
{
    const QString text = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    return text.toStdString();
}
} // namespace

UDisksEjectResult UDisksEject(const std::string& busAddress, const std::string& device)
{
    UDisksEjectResult result;
    QDBusConnection bus = busAt(busAddress);
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(kService))
        return result;
    result.serviceFound = true;
    const QVariantMap none;

    QDBusMessage reply = call(bus, QStringLiteral("/org/freedesktop/UDisks2/Manager"), kPrefix + "Manager",
                              QStringLiteral("ResolveDevice"),
                              {QVariantMap{{QStringLiteral("path"), QString::fromStdString(device)}}, none});
    const auto blocks = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().value(0));
    if (reply.type() == QDBusMessage::ErrorMessage || blocks.isEmpty()) {
        result.reason = reply.type() == QDBusMessage::ErrorMessage ? errorOf(reply) : device + " is unknown to UDisks2";
        return result;
    }
    const QString block = blocks.front().path();

    reply = call(bus, block, kPrefix + "Filesystem", QStringLiteral("Unmount"), {none});
    if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() != kPrefix + "Error.NotMounted") {
        result.reason = errorOf(reply);
        return result;
    }

    reply = call(bus, block, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                 {kPrefix + "Block", QStringLiteral("Drive")});
    const QString drive = reply.arguments().value(0).value<QDBusVariant>().variant().value<QDBusObjectPath>().path();
    if (reply.type() == QDBusMessage::ErrorMessage || drive.isEmpty() || drive == "/") {
        result.reason = reply.type() == QDBusMessage::ErrorMessage ? errorOf(reply) : device + " has no drive to open";
        return result;
    }

    reply = call(bus, drive, kPrefix + "Drive", QStringLiteral("Eject"), {none});
    if (reply.type() == QDBusMessage::ErrorMessage) {
        result.reason = errorOf(reply);
        return result;
    }
    result.ejected = true;
    return result;
}
