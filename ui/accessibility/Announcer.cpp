#include "ui/accessibility/Announcer.h"

#include <QAccessible>
#include <QWidget>
#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QGuiApplication>
#endif

namespace flipstone {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void Announcer::Announce(const QString& sentence) {
    QAccessibleAnnouncementEvent event(&view_, sentence);
    QAccessible::updateAccessibility(&event);
}

#else

namespace {

// The names Qt's AT-SPI bridge gives its bus connection and its objects.
const char* const kBridgeConnection = "a11y";
const char* const kObjectPathPrefix = "/org/a11y/atspi/accessible/";
const char* const kRootPath = "/org/a11y/atspi/accessible/root";

// The innermost interface with the focus, where a screen reader's attention is.
QAccessibleInterface* FocusedInterface(QObject* focusObject) {
    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(focusObject);
    for (int depth = 0; focused != nullptr && depth < 8; ++depth) {
        QAccessibleInterface* inner = focused->focusChild();
        if (inner == nullptr || inner == focused) {
            break;
        }
        focused = inner;
    }
    return focused;
}

// An AT-SPI object reference: the bus name and the object's path.
QVariant ObjectReference(const QDBusConnection& bus, const QString& path) {
    QDBusArgument reference;
    reference.beginStructure();
    reference << bus.baseService() << QDBusObjectPath(path);
    reference.endStructure();
    return QVariant::fromValue(reference);
}

}  // namespace

void Announcer::Announce(const QString& sentence) {
    if (!QAccessible::isActive()) {
        return;
    }
    QObject* focusObject = view_.hasFocus() ? &view_ : QGuiApplication::focusObject();
    QAccessibleInterface* focused = FocusedInterface(focusObject);
    QDBusConnection bus(QString::fromLatin1(kBridgeConnection));
    if (focused == nullptr || !bus.isConnected()) {
        return;
    }
    const QString path =
        QString::fromLatin1(kObjectPathPrefix) + QString::number(QAccessible::uniqueId(focused));
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(sentence))
           << ObjectReference(bus, QString::fromLatin1(kRootPath));
    bus.send(signal);
}

#endif

}  // namespace flipstone
