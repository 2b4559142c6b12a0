#include "ui/accessibility.h"

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
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

#include "ui/qt_colour.h"

#if defined(BRIVAN_HAVE_ATSPI)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#endif

#if defined(Q_OS_WASM)
#include <emscripten.h>
#include <string>

// Puts the words into the page's live region, made on first use: a new line each time, so that
// the same verdict twice in a row is read twice. Assertive, as on the desktop.
EM_JS(void, brivan_tell_page, (const char* words), {
    let region = document.getElementById('brivan-said');
    if (!region) {
        region = document.createElement('div');
        region.id = 'brivan-said';
        region.setAttribute('aria-live', 'assertive');
        region.setAttribute('aria-atomic', 'true');
        region.className = 'brivan-unseen';
        document.body.appendChild(region);
    }
    const line = document.createElement('p');
    line.textContent = UTF8ToString(words);
    region.replaceChildren(line);
});

namespace {
void tellPage(const std::string& words) { brivan_tell_page(words.c_str()); }
}  // namespace
#endif

namespace brivan::ui::speech {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// A line as it is best heard: runs of leader dots become a pause.
QString spokenLine(const QString& line) {
    static const QRegularExpression leaders(QStringLiteral("\\s*\\.(\\s*\\.){2,}\\s*"));
    QString spoken = line;
    return spoken.replace(leaders, QStringLiteral(", "));
}

// A line whose digits are read one by one: "The Correct Order is 2 1 3".
QString digitsApart(const QString& line) {
    QString spaced;
    for (qsizetype i = 0; i < line.size(); ++i) {
        spaced += line[i];
        if (line[i].isDigit() && i + 1 < line.size() && line[i + 1].isDigit()) spaced += QLatin1Char(' ');
    }
    return spaced;
}

void announce(QWidget* window, const QString& said);  // the route: below

constexpr const char* kPartOfLight = "brivanPartOfLight";
constexpr const char* kTeller = "brivanTeller";  // on a told label: its window's Teller

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

// The one route by which words reach the screen reader, chosen by what Qt offers.
void announce(QWidget* window, const QString& said) {
#if defined(Q_OS_WASM)
    // Qt's mirror of the controls in the page has no announcement (Qt 6.8): the words go to a
    // live region of the page, which the browser hands to VoiceOver, TalkBack or NVDA.
    Q_UNUSED(window);
    tellPage(said.toStdString());
#elif QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
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

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String("QLabel") && widget->property(kPartOfLight).toBool())
        return new LegendPart(widget);
    if (className == QLatin1String("QRadioButton")) return new ChoosableOption(widget);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (widget->property(kIsNotice).toBool()) return new Notification(widget);
#endif
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

// Reads out, once a handler is done, the told labels of one window that the handler set.
class Teller final : public QObject {
public:
    struct Told {
        int order;
        QPointer<QLabel> label;
        QPointer<QLabel> with;  // a fixed line: read when this one is set
        bool light;
        bool digitsApart;
    };

    explicit Teller(QWidget* window) : QObject(window), window_(window) {}

    void add(Told told) {
        told_.insert(std::upper_bound(told_.begin(), told_.end(), told,
                                      [](const Told& a, const Told& b) { return a.order < b.order; }),
                     told);
        told.label->setProperty(kTeller, QVariant::fromValue<QObject*>(this));
    }

    void captionSet(QLabel* label) {
        set_.push_back(label);
        if (pending_) return;
        pending_ = true;
        QTimer::singleShot(0, this, [this] { tell(); });
    }

private:
    bool wasSet(const QLabel* label) const { return std::find(set_.begin(), set_.end(), label) != set_.end(); }

    QString words() const {
        QStringList said;
        for (const Told& told : told_) {
            if (!told.label || told.label->isHidden()) continue;
            if (!wasSet(told.label) && !(told.with && wasSet(told.with))) continue;
            QString line = told.light ? told.label->accessibleName() : spokenLine(told.label->text());
            if (told.digitsApart) line = digitsApart(line);
            line = line.trimmed();
            if (line.isEmpty()) continue;
            if (!QStringLiteral(".!?:").contains(line.back())) line += QLatin1Char('.');  // a pause between lines
            said << line;
        }
        return said.join(QLatin1Char(' '));
    }

    void tell() {
        pending_ = false;
        const QString said = words();
        set_.clear();
        // A handler that moved on to another screen leaves nothing to tell here.
        if (said.isEmpty() || !window_->isVisible()) return;
        announce(window_, said);
    }

    QWidget* window_;
    std::vector<Told> told_;
    std::vector<const QLabel*> set_;
    bool pending_ = false;
};

}  // namespace

void prepare(QWidget* control, const ControlSpec& row) {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(interfaceFor); });
    if (!row.speech.partOf.empty()) control->setProperty(kPartOfLight, true);
}

void describe(QWidget* window, const Layout& layout, const std::function<QWidget*(std::string_view)>& find) {
    std::vector<const NameSource*> sources;
    const auto tie = [&sources](QLabel* label, std::function<void()> rename) {
        sources.push_back(new NameSource(label, std::move(rename)));
    };
    if (!layout.window.description.empty()) window->setAccessibleDescription(qs(layout.window.description));

    Teller* teller = nullptr;
    for (const ControlSpec& row : layout.controls) {
        QWidget* control = find(row.name);
        const Speech& speech = row.speech;
        if (!speech.name.empty()) {
            control->setAccessibleName(qs(speech.name));
        } else if (row.kind == ControlKind::TextBox && !row.toolTip.empty()) {
            control->setAccessibleName(qs(row.toolTip));  // a text box's name says what to type in it
        }
        if (!speech.description.empty()) control->setAccessibleDescription(qs(speech.description));

        if (speech.told > 0) {
            if (!teller) teller = new Teller(window);
            teller->add({.order = speech.told,
                         .label = static_cast<QLabel*>(control),
                         .with = speech.toldWith.empty() ? nullptr : static_cast<QLabel*>(find(speech.toldWith)),
                         .light = speech.light,
                         .digitsApart = speech.digitsApart});
        }

        if (!speech.namedBy.empty()) {
            auto* label = static_cast<QLabel*>(find(speech.namedBy));
            tie(label, [label = QPointer<QLabel>(label), target = QPointer<QWidget>(control)] {
                if (label && target) setName(target, spokenLine(label->text()));
            });
        }

        if (speech.light) {
            auto* light = static_cast<QLabel*>(control);
            std::vector<QPointer<QLabel>> parts;
            for (const ControlSpec& other : layout.controls)
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

namespace {
void refreshNames(QLabel* label) {
    for (const QObject* child : label->children())
        if (const auto* source = dynamic_cast<const NameSource*>(child)) source->refresh();
}
}  // namespace

void captionSet(QLabel* label) {
    refreshNames(label);
    if (auto* teller = static_cast<Teller*>(label->property(kTeller).value<QObject*>())) teller->captionSet(label);
}

void backColourSet(QLabel* label) { refreshNames(label); }

void shown(QWidget* control) {
#if defined(BRIVAN_HAVE_ATSPI) && QT_VERSION < QT_VERSION_CHECK(6, 9, 0)
    // Needed with Qt 6.4 and still with 6.8 (its AT-SPI bridge is unchanged there): Qt tells AT-SPI
    // that a shown control is showing, never that it is visible again, and the screen reader's copy
    // of its state keeps it out of review until it is. The missing event is sent here, on Qt's own
    // connection to the accessibility bus, as Qt sends its events.
    if (!QAccessible::isActive() || control->isHidden()) return;
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (!bus.isConnected() || !accessible) return;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage visible =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    visible << QStringLiteral("visible") << 1 << 0 << QVariant::fromValue(QDBusVariant(0)) << QVariantMap();
    bus.send(visible);
#else
    (void)control;  // elsewhere the platform's accessibility layer follows the change itself
#endif
}

}  // namespace brivan::ui::speech
