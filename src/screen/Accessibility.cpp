#include "screen/Accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QWidget>

namespace {

const char RoleProperty[] = "accessibleRole";

QAccessibleInterface *roledWidgets(const QString &, QObject *o)
{
    auto *w = qobject_cast<QWidget *>(o);
    const QVariant role = w ? w->property(RoleProperty) : QVariant();
    return role.isValid() ? new QAccessibleWidget(w, static_cast<QAccessible::Role>(role.toInt()))
                          : nullptr;
}

// An AT-SPI object reference: the bus name of the application and the object's path.
struct ObjectReference
{
    QString service;
    QDBusObjectPath path;
};

QDBusArgument &operator<<(QDBusArgument &a, const ObjectReference &r)
{
    a.beginStructure();
    a << r.service << r.path;
    a.endStructure();
    return a;
}

const QDBusArgument &operator>>(const QDBusArgument &a, ObjectReference &r)
{
    a.beginStructure();
    a >> r.service >> r.path;
    a.endStructure();
    return a;
}

} // namespace

Q_DECLARE_METATYPE(ObjectReference)

namespace {

// Qt 6.4's AT-SPI bridge turns a widget shown or hidden into `showing` alone. The `visible` state
// goes out here, as the same kind of event on the bridge's own connection to the accessibility
// bus ("a11y"), for the object path the bridge gives the widget.
class VisibleStates final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) && !e->spontaneous()
            && o->isWidgetType() && QAccessible::isActive())
            report(static_cast<QWidget *>(o));
        return false;
    }

private:
    static void report(QWidget *w)
    {
        QDBusConnection bus(QStringLiteral("a11y"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        if (!bus.isConnected() || !iface)
            return;
        const QString prefix = QStringLiteral("/org/a11y/atspi/accessible/");
        QDBusMessage m
            = QDBusMessage::createSignal(prefix + QString::number(QAccessible::uniqueId(iface)),
                QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
        m << QStringLiteral("visible") << int(w->isVisible()) << 0
          << QVariant::fromValue(QDBusVariant(0))
          << QVariant::fromValue(ObjectReference {
                 bus.baseService(), QDBusObjectPath(prefix + QStringLiteral("root")) });
        bus.send(m);
    }
};

} // namespace

namespace Accessibility {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(roledWidgets);
    qDBusRegisterMetaType<ObjectReference>();
    qApp->installEventFilter(new VisibleStates(qApp));
}

void setRole(QWidget *w, QAccessible::Role role)
{
    w->setProperty(RoleProperty, static_cast<int>(role));
}

} // namespace Accessibility
