#include "ui/qt/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <mutex>

#include "ui/qt/atspi_by_hand.h"


namespace brivan::ui::speech {

namespace {

// What the shared layer says a widget is to the screen reader, kept on the widget until Qt asks.
constexpr const char* kSpokenAs = "brivanSpokenAs";

// The lower legend of a light: its caption is read in the light's name, so it is not offered to
// the screen reader as a line of its own.
class LegendPart final : public QAccessibleWidget {
public:
    explicit LegendPart(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// An option button is an answer: choosing it through a screen reader clicks it, as the pilot's
// click does. (Qt's own action only toggles the check, which answers nothing.)
class ChoosableOption final : public QAccessibleWidget {
public:
    explicit ChoosableOption(QWidget* option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (option()->isEnabled()) names << toggleAction();
        return names << QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (option()->isEnabled() && option()->isVisible()) option()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* option() const { return static_cast<QAbstractButton*>(widget()); }
};

#if defined(Q_OS_UNIX)
// On Linux and macOS Qt names a drop-down box after its current text and leaves the rest to label
// relations; a numbering box is better named after the step it numbers, as on Windows. The
// current number stays its value and the text of its edit field.
class NamedComboBox final : public QAccessibleWidget
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    ,
                            public QAccessibleAttributesInterface
#endif
{
public:
    explicit NamedComboBox(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // Orca 48 answers a change of the number in the focused box with the box's name and role
        // only (it would read the number from a selected item of the list, which is built only
        // when the list opens): the new number is told here.
        QComboBox* box = this->box();
        QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] {
            if (box->hasFocus()) announce(box->window(), box->currentText());
        });
#endif
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Orca 48 reads a combo box's value from its "valuetext" attribute, else from a selected item.
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::AttributesInterface) return static_cast<QAccessibleAttributesInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QList<QAccessible::Attribute> attributeKeys() const override { return {QAccessible::Attribute::Custom}; }
    QVariant attributeValue(QAccessible::Attribute key) const override {
        if (key != QAccessible::Attribute::Custom) return {};
        return QVariant::fromValue(QHash<QString, QString>{{QStringLiteral("valuetext"), box()->currentText()}});
    }
#endif

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !box()->accessibleName().isEmpty()) return box()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value) return box()->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};
#endif

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Needed before Qt 6.8, which has no announcement: what a handler wrote is told as a notification
// object that is never shown; Orca presents a notification when its showing is announced, and
// that event is raised by hand (see announce()). Goes with Qt 6.4.
constexpr const char* kIsNotice = "brivanIsNotice";

class Notification final : public QAccessibleWidget {
public:
    explicit Notification(QWidget* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QString();
    }
    // Told as the application's, not the window's: Orca would otherwise read the whole window out
    // again before every notification, as if the pilot had just entered it.
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
};

QWidget* noticeOf(QWidget* window) {
    auto* notice = window->findChild<QWidget*>(QStringLiteral("brivanNotice"), Qt::FindDirectChildrenOnly);
    if (notice) return notice;
    notice = new QWidget(window);
    notice->setObjectName(QStringLiteral("brivanNotice"));
    notice->setProperty(kIsNotice, true);  // before Qt first asks for its accessible interface
    notice->setFocusPolicy(Qt::NoFocus);
    notice->hide();
    return notice;
}
#endif

// The Qt interface of what the shared layer says a control is, where Qt's own reads otherwise:
// a light reads as the label it is (named by its kind and legend), its lower legend not at all.
QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (widget->property(kIsNotice).toBool()) return new Notification(widget);
#endif
    const QVariant spoken = widget->property(kSpokenAs);
    if (!spoken.isValid()) return nullptr;
    switch (SpokenAs(spoken.toInt())) {
    case SpokenAs::PartOfLight: return new LegendPart(widget);
    case SpokenAs::Option: return new ChoosableOption(widget);
#if defined(Q_OS_UNIX)
    case SpokenAs::DropDownBox: return new NamedComboBox(widget);
#endif
    default: return nullptr;
    }
}

}  // namespace

// The one route by which words reach the screen reader, chosen by what Qt offers.
void announce(QWidget* window, const QString& said) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt's own announcement: AT-SPI's announcement on Linux, a UI Automation notification on
    // Windows. Assertive, because the words answer the key the pilot just pressed: they must not
    // wait behind, or be dropped after, the reading of the control that took the focus, and a
    // pilot who presses on does not want the old verdict read out after the new one.
    QAccessibleAnnouncementEvent event(window, said);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
#else
    QWidget* notice = noticeOf(window);
    notice->setAccessibleName(said);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

void prepare(QWidget* control, SpokenAs spokenAs) {
    static std::once_flag once;
    std::call_once(once, [] {
        QAccessible::installFactory(interfaceFor);
        atspi::announceWindowActiveBeforeTheBridge();
    });
    control->setProperty(kSpokenAs, int(spokenAs));
}

void shown(QWidget* control) { atspi::tellVisibleAgain(control); }

}  // namespace brivan::ui::speech
