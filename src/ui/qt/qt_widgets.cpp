#include "ui/qt/qt_widgets.h"

#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>

#include "ui/form.h"
#include "ui/qt/access_key_button.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/alt_letters_type_nothing.h"
#include "ui/qt/drop_down_box.h"
#include "ui/qt/fonts.h"
#include "ui/qt/option_box.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_text.h"
#include "ui/speech.h"

namespace brivan::ui {

namespace {

// A new widget, marked for the screen reader before anything else is done to it: Qt picks a
// widget's accessible interface once, the first time it is asked for, which a first caption may
// already do.
template <class W>
W* made(W* widget, const ControlSpec& row) {
    speech::prepare(widget, speech::spokenAs(row));
    return widget;
}

void typeNoAltLetters(QLineEdit* edit) {
    static auto* const filter = new AltLettersTypeNothing(qApp);
    edit->installEventFilter(filter);
}

QWidget* makeLabel(const ControlSpec& row, QWidget* window) {
    auto* label = made(new QLabel(window), row);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignTop | (row.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setAutoFillBackground(true);
    label->setText(qs(row.text));
    return label;
}

QWidget* makeDropDownBox(const ControlSpec& row, QWidget* window) {
    auto* box = made(new DropDownBox(window), row);
    // What is typed stays exactly as typed: no completer. The box would make one over its list for
    // a line edit that has none, at a cost that showed in every load of the screen, so the line
    // edit comes with a stand-in, taken away again at once.
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
    // The list stands at the item the box shows, however the text got there (layout, handler or
    // typing), so that the arrow keys and the opened list go on from the number on show.
    QObject::connect(box, &QComboBox::editTextChanged, box, [box](const QString& text) {
        const int item = box->findText(text);
        if (item >= 0 && item != box->currentIndex()) box->setCurrentIndex(item);
    });
    box->setEditText(qs(row.text));
    return box;
}

QWidget* makeKind(const ControlSpec& row, QWidget* window) {
    switch (row.kind) {
    case ControlKind::Label: return makeLabel(row, window);
    case ControlKind::TextBox: {
        auto* box = made(new QLineEdit(window), row);
        box->setText(qs(row.text));
        if (row.numeric) box->setInputMethodHints(Qt::ImhPreferNumbers);
        typeNoAltLetters(box);
        return box;
    }
    case ControlKind::ComboBox: return makeDropDownBox(row, window);
    case ControlKind::OptionButton: {
        auto* option = made(new OptionBox(window), row);
        option->setAutoExclusive(true);
        return option;
    }
    case ControlKind::Button: {
        auto* button = made(new AccessKeyButton(window), row);
        button->setText(qs(row.text));
        button->setAutoDefault(true);  // Enter presses the button that has the focus
        button->setDefault(row.role == Role::Default);
        return button;
    }
    case ControlKind::Picture: {
        auto* image = made(new QLabel(window), row);
        image->setPixmap(picture(row.text));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    }
    return made(new QWidget(window), row);
}

}  // namespace

QWidget* makeWidget(const ControlSpec& row, QWidget* window) {
    QWidget* widget = makeKind(row, window);
    widget->setObjectName(qs(row.name));
    // The screen's own font is the application's: set only the others, as a font change makes a
    // drop-down box rebuild its list.
    if (row.font != kDefaultFont) widget->setFont(makeFont(row.font));
    if (!row.toolTip.empty()) widget->setToolTip(qs(row.toolTip));
    widget->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
    if (!takesFocus(row.kind)) widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

}  // namespace brivan::ui
