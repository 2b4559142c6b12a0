#include "ui/qt/atspi_by_hand.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#if defined(BRIVAN_HAVE_ATSPI)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#endif

namespace brivan::ui::atspi {

#if defined(BRIVAN_HAVE_ATSPI)
namespace {

// Qt's connection to the accessibility bus, and the path of a widget's accessible object on it.
QDBusConnection bus() { return QDBusConnection(QStringLiteral("a11y")); }

QString pathOf(QWidget* widget, QAccessibleInterface** accessible = nullptr) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
    if (accessible) *accessible = a;
    return a ? QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(a)) : QString();
}

void send(const QString& path, const char* interface, const char* signal, const QString& detail, int value,
          const QVariant& data) {
    QDBusMessage message = QDBusMessage::createSignal(path, QLatin1String(interface), QLatin1String(signal));
    message << detail << value << 0 << QVariant::fromValue(QDBusVariant(data)) << QVariantMap();
    bus().send(message);
}

// As Qt's bridge tells an activation: the window event with its title, and its active state.
void tellActivated(QWidget* window) {
    QAccessibleInterface* accessible = nullptr;
    const QString path = pathOf(window, &accessible);
    if (!bus().isConnected() || path.isEmpty() || !accessible->isValid()) return;
    send(path, "org.a11y.atspi.Event.Window", "Activate", QString(), 0, accessible->text(QAccessible::Name));
    send(path, "org.a11y.atspi.Event.Object", "StateChanged", QStringLiteral("active"), 1, 0);
}

class BridgeComingUp final : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override {
        if (!active) return;
        // The bridge is made right after this call: a window active now was activated without it,
        // a window activated from now on is told by Qt. Told once the bridge has registered.
        QPointer<QWidget> window = QApplication::activeWindow();
        if (!window) return;
        QTimer::singleShot(0, qApp, [window] {
            if (window && window == QApplication::activeWindow()) tellActivated(window);
        });
    }
};

}  // namespace
#endif

void tellVisibleAgain(QWidget* control) {
#if defined(BRIVAN_HAVE_ATSPI) && QT_VERSION < QT_VERSION_CHECK(6, 9, 0)
    if (!QAccessible::isActive() || control->isHidden() || !bus().isConnected()) return;
    const QString path = pathOf(control);
    if (!path.isEmpty()) send(path, "org.a11y.atspi.Event.Object", "StateChanged", QStringLiteral("visible"), 1, 0);
#else
    (void)control;  // elsewhere the platform's accessibility layer follows the change itself
#endif
}

void announceWindowActiveBeforeTheBridge() {
#if defined(BRIVAN_HAVE_ATSPI)
    static BridgeComingUp observer;
    QAccessible::installActivationObserver(&observer);
#endif
}

}  // namespace brivan::ui::atspi
