#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <mutex>
#include <utility>
#include <vector>

#include "ui/qt_colour.h"

namespace brivan::ui::speech {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

constexpr const char* kPartOfLight = "brivanPartOfLight";
constexpr const char* kLive = "brivanLive";

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
class NamedComboBox final : public QAccessibleWidget {
public:
    explicit NamedComboBox(QWidget* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name && !box->accessibleName().isEmpty()) return box->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value) return box->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            static_cast<QComboBox*>(widget())->showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};
#endif

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String("QLabel") && widget->property(kPartOfLight).toBool())
        return new LegendPart(widget);
    if (className == QLatin1String("QRadioButton")) return new ChoosableOption(widget);
#if defined(Q_OS_UNIX)
    if (className == QLatin1String("QComboBox")) return new NamedComboBox(widget);
#endif
    return nullptr;
}

void setName(QWidget* control, const QString& name) {
    if (control->accessibleName() != name) control->setAccessibleName(name);  // Qt announces the change
}

// "Warning light: FIRE 1" on red, "Caution light: PUMP 1, HYDR #1" on yellow; nothing while the
// light has no legend.
QString lightName(const QLabel* light, const std::vector<QPointer<QLabel>>& parts) {
    QStringList legend;
    if (!light->text().isEmpty()) legend << light->text();
    for (const QLabel* part : parts)
        if (part && !part->text().isEmpty()) legend << part->text();
    if (legend.isEmpty()) return {};
    const Colour back = appliedColour(light, QPalette::Window, colours::ButtonFace);
    const QString kind = back == colours::Red      ? QStringLiteral("Warning light: ")
                         : back == colours::Yellow ? QStringLiteral("Caution light: ")
                                                   : QStringLiteral("Light: ");
    return kind + legend.join(QStringLiteral(", "));
}

// Ties a control's name to a label it is read from: a child of that label, so it lives as long as
// the label does and is found from it.
class NameSource final : public QObject {
public:
    NameSource(QLabel* label, std::function<void()> rename) : QObject(label), rename_(std::move(rename)) {}
    void refresh() const { rename_(); }

private:
    std::function<void()> rename_;
};

}  // namespace

void prepare(QWidget* control, const ControlSpec& row) {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(interfaceFor); });
    if (!row.speech.partOf.empty()) control->setProperty(kPartOfLight, true);
}

void describe(std::span<const ControlSpec> controls, const std::function<QWidget*(std::string_view)>& find) {
    std::vector<const NameSource*> sources;
    const auto tie = [&sources](QLabel* label, std::function<void()> rename) {
        sources.push_back(new NameSource(label, std::move(rename)));
    };

    for (const ControlSpec& row : controls) {
        QWidget* control = find(row.name);
        const Speech& speech = row.speech;
        if (!speech.name.empty()) {
            control->setAccessibleName(qs(speech.name));
        } else if (row.kind == ControlKind::TextBox && !row.toolTip.empty()) {
            control->setAccessibleName(qs(row.toolTip));  // a text box's name says what to type in it
        }
        if (!speech.description.empty()) control->setAccessibleDescription(qs(speech.description));
        if (speech.live) control->setProperty(kLive, true);

        if (!speech.namedBy.empty()) {
            auto* label = static_cast<QLabel*>(find(speech.namedBy));
            tie(label, [label = QPointer<QLabel>(label), target = QPointer<QWidget>(control)] {
                if (label && target) setName(target, label->text());
            });
        }

        if (speech.light) {
            auto* light = static_cast<QLabel*>(control);
            std::vector<QPointer<QLabel>> parts;
            for (const ControlSpec& other : controls)
                if (other.speech.partOf == row.name) parts.emplace_back(static_cast<QLabel*>(find(other.name)));
            const auto rename = [light = QPointer<QLabel>(light), parts] {
                if (light) setName(light, lightName(light, parts));
            };
            tie(light, rename);
            for (QLabel* part : parts) tie(part, rename);
        }
    }
    for (const NameSource* source : sources) source->refresh();
}

void labelChanged(QLabel* label, bool captionRepeated) {
    for (const QObject* child : label->children())
        if (const auto* source = dynamic_cast<const NameSource*>(child)) source->refresh();
    // A caption that changes is announced by the label itself; one set again to the same words is
    // not, and a pilot who answers twice alike should still hear the verdict.
    if (captionRepeated && label->property(kLive).toBool()) {
        QAccessibleEvent event(label, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace brivan::ui::speech
