#include "ui/form.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <algorithm>
#include <string>
#include <vector>

#include "ui/access_key_button.h"
#include "ui/accessibility.h"
#include "ui/drop_down_box.h"
#include "ui/fonts.h"
#include "ui/form_window.h"
#include "ui/pictures.h"
#include "ui/qt_colour.h"
#include "ui/window_placement.h"

namespace brivan::ui {

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

int px(int twips) { return twips / kTwipsPerPixel; }

const QIcon& windowIcon() {
    static const QIcon icon = [] {
        QIcon i(QStringLiteral(":/window_icon.png"));
        i.addFile(QStringLiteral(":/window_icon@2x.png"));
        return i;
    }();
    return icon;
}

bool takesFocus(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::TextBox || kind == ControlKind::ComboBox ||
           kind == ControlKind::OptionButton;
}

}  // namespace

namespace {

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
    widget->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
    if (!takesFocus(row.kind)) widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

}  // namespace

Form::Form(const Layout& layout) : window_(new FormWindow), layout_(layout) {
    useScreenFontByDefault();
    const WindowSpec& frame = layout.window;
    window_->setWindowTitle(qs(frame.caption));
    window_->setFixedSize(px(frame.width), px(frame.height));
    window_->back = toQColor(frame.back);
    if (frame.icon) window_->setWindowIcon(windowIcon());
    window_->setFont(makeFont(kDefaultFont));

    for (const ControlSpec& control : layout.controls)
        window_->controls.emplace_back(control.name, build(control, window_));

    // The tables list controls front to back: raise from the back so that the first is on top.
    for (auto it = window_->controls.rbegin(); it != window_->controls.rend(); ++it) it->second->raise();

    std::vector<const ControlSpec*> chain;
    for (const ControlSpec& control : layout.controls)
        if (takesFocus(control.kind) && control.tab != kNoTab) chain.push_back(&control);
    std::stable_sort(chain.begin(), chain.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
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

    speech::describe(window_, layout, [this](std::string_view name) { return window_->find(name); });
}

Form::~Form() {
    window_->frameClose = nullptr;
    window_->hide();
    window_->deleteLater();
}

Label Form::label(std::string_view name) const { return Label(static_cast<QLabel*>(window_->find(name))); }
TextBox Form::textBox(std::string_view name) const {
    return TextBox(static_cast<QLineEdit*>(window_->find(name)));
}
ComboBox Form::comboBox(std::string_view name) const {
    return ComboBox(static_cast<QComboBox*>(window_->find(name)));
}
OptionButton Form::optionButton(std::string_view name) const {
    return OptionButton(static_cast<QRadioButton*>(window_->find(name)));
}
Button Form::button(std::string_view name) const {
    return Button(static_cast<QPushButton*>(window_->find(name)));
}

void Form::onClick(std::string_view name, std::function<void()> handler) {
    auto* button = static_cast<QAbstractButton*>(window_->find(name));
    QObject::connect(button, &QAbstractButton::clicked, window_, [handler = std::move(handler)] { handler(); });
}

void Form::onFrameClose(std::function<void()> handler) { window_->frameClose = std::move(handler); }

void Form::show() {
    placeOnScreen(window_, layout_.window.centred);
    // At its designed size: show() opens a window full-screen where the platform opens windows so
    // (in a browser); everywhere else the two do the same.
    window_->setVisible(true);
    window_->activateWindow();

    const ControlSpec* first = nullptr;
    for (const ControlSpec& control : layout_.controls) {
        if (!takesFocus(control.kind) || control.tab == kNoTab) continue;
        if (window_->find(control.name)->isHidden()) continue;
        if (!first || control.tab < first->tab) first = &control;
    }
    if (first) window_->find(first->name)->setFocus(Qt::TabFocusReason);
}

QWidget* Form::window() const { return window_; }
QWidget* Form::control(std::string_view name) const { return window_->find(name); }

}  // namespace brivan::ui
