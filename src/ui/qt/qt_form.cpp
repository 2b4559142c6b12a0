#include "ui/qt/qt_form.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "ui/qt/access_key_button.h"
#include "ui/qt/alt_letters_type_nothing.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/drop_down_box.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form_window.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_colour.h"
#include "ui/qt/qt_control.h"
#include "ui/qt/window_placement.h"

namespace brivan::ui {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }


const QIcon& windowIcon() {
    static const QIcon icon = [] {
        QIcon i(QStringLiteral(":/window_icon.png"));
        i.addFile(QStringLiteral(":/window_icon@2x.png"));
        return i;
    }();
    return icon;
}

}  // namespace

namespace {

void typeNoAltLetters(QLineEdit* edit) {
    static auto* const filter = new AltLettersTypeNothing(qApp);
    edit->installEventFilter(filter);
}

QWidget* build(const ControlSpec& row, FormWindow* window) {
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(window);
        speech::prepare(label, row);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignTop | (row.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
        label->setAutoFillBackground(true);
        label->setText(qs(row.text));
        applyColours(label, row.fore.value_or(colours::ButtonText), row.back.value_or(colours::ButtonFace));
        widget = label;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(window);
        box->setText(qs(row.text));
        if (row.numeric) box->setInputMethodHints(Qt::ImhPreferNumbers);
        typeNoAltLetters(box);
        widget = box;
        break;
    }
    case ControlKind::ComboBox: {
        auto* box = new DropDownBox(window);
        speech::prepare(box, row);
        // What is typed stays exactly as typed: no completer. The box would make one over its
        // list for a line edit that has none, at a cost that showed in every load of the screen,
        // so the line edit comes with a stand-in, taken away again at once.
        static QCompleter* const standIn = new QCompleter(qApp);
        auto* edit = new QLineEdit(box);
        edit->setCompleter(standIn);
        box->setLineEdit(edit);
        edit->setCompleter(nullptr);
        typeNoAltLetters(edit);
        box->setInsertPolicy(QComboBox::NoInsert);  // Enter must not add the typed text to the list
        QStringList items;
        for (std::string_view item : row.items) items << qs(item);
        box->addItems(items);
        // The list stands at the item the box shows, however the text got there (layout, handler
        // or typing), so that the arrow keys and the opened list go on from the number on show.
        QObject::connect(box, &QComboBox::editTextChanged, box, [box](const QString& text) {
            const int item = box->findText(text);
            if (item >= 0 && item != box->currentIndex()) box->setCurrentIndex(item);
        });
        box->setEditText(qs(row.text));
        widget = box;
        break;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(window);
        speech::prepare(option, row);
        option->setAutoExclusive(true);
        widget = option;
        break;
    }
    case ControlKind::Button: {
        auto* button = new AccessKeyButton(qs(row.text), window);
        button->setAutoDefault(true);  // Enter presses the button that has the focus
        button->setDefault(row.role == Role::Default);
        widget = button;
        break;
    }
    case ControlKind::Picture: {
        auto* image = new QLabel(window);
        image->setPixmap(picture(row.text));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = image;
        break;
    }
    }
    widget->setObjectName(qs(row.name));
    // The screen's own font is the application's: set only the others, as a font change makes a
    // drop-down box rebuild its list.
    if (row.font != kDefaultFont) widget->setFont(makeFont(row.font));
    if (!row.toolTip.empty()) widget->setToolTip(qs(row.toolTip));
    widget->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
    if (!takesFocus(row.kind)) widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

}  // namespace

// What the shared rules tell reaches the screen reader through Qt, once the event that ran the
// handler is done.
class QtForm::QtVoice final : public Voice {
public:
    explicit QtVoice(FormWindow* window) : window_(window) {}
    void afterHandler(std::function<void()> fn) override { QTimer::singleShot(0, window_, std::move(fn)); }
    bool windowShown() const override { return window_->isVisible(); }
    void announce(const std::string& words) override { speech::announce(window_, QString::fromStdString(words)); }

private:
    FormWindow* window_;
};

QtForm::QtForm(const Layout& layout) : Form(layout), window_(new FormWindow) {
    useScreenFontByDefault();
    const WindowSpec& frame = layout.window;
    window_->setWindowTitle(qs(frame.caption));
    window_->setFixedSize(pixels(frame.width), pixels(frame.height));
    window_->back = toQColor(frame.back);
    if (frame.icon) window_->setWindowIcon(windowIcon());
    window_->setFont(makeFont(kDefaultFont));
    if (!frame.description.empty()) window_->setAccessibleDescription(qs(frame.description));

    for (const ControlSpec& control : layout.controls) {
        QWidget* widget = build(control, window_);
        window_->controls.emplace_back(control.name, widget);
        adopt(control.name, std::make_unique<QtControl>(widget, control.kind));
    }

    // The tables list controls front to back: raise from the back so that the first is on top.
    for (auto it = window_->controls.rbegin(); it != window_->controls.rend(); ++it) it->second->raise();

    const std::vector<const ControlSpec*> chain = tabOrder(layout);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(window_->find(chain[i - 1]->name), window_->find(chain[i]->name));

    for (const ControlSpec& control : layout.controls) {
        window_->hasDefault |= control.role == Role::Default;
        if (control.role != Role::Cancel) continue;
        auto* cancel = static_cast<QPushButton*>(window_->find(control.name));
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_);
        QObject::connect(escape, &QShortcut::activated, cancel, [cancel] {
            // An open drop-down list takes Escape first, as everywhere on a desktop.
            for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
                if (const auto* box = dynamic_cast<const DropDownBox*>(w); box && box->listClosedJustNow()) return;
            cancel->click();
        });
    }

    voice_ = std::make_unique<QtVoice>(window_);
    startSpeaking(*voice_);
}

QtForm::~QtForm() {
    window_->frameClose = nullptr;
    window_->hide();
    window_->deleteLater();
}

void QtForm::onClick(std::string_view name, std::function<void()> handler) {
    auto* button = static_cast<QAbstractButton*>(window_->find(name));
    QObject::connect(button, &QAbstractButton::clicked, window_, [handler = std::move(handler)] { handler(); });
}

void QtForm::onFrameClose(std::function<void()> handler) { window_->frameClose = std::move(handler); }

void QtForm::show() {
    placeOnScreen(window_, layout().window.centred);
    window_->setVisible(true);
    window_->activateWindow();
    if (const ControlSpec* first = firstInTabOrder()) window_->find(first->name)->setFocus(Qt::TabFocusReason);
}

QWidget* QtForm::window() const { return window_; }
QWidget* QtForm::control(std::string_view name) const { return window_->find(name); }

std::unique_ptr<Form> openForm(const Layout& layout) { return std::make_unique<QtForm>(layout); }

}  // namespace brivan::ui
