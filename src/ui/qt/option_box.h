#pragma once
// The screens' option buttons and their texts (inside the screen layer only).
#include <QEvent>
#include <QMouseEvent>
#include <QRadioButton>

namespace brivan::ui {

// An option button that takes a click anywhere in its box, as a window's option button does. The
// tables give it no caption, and Qt's radio button without text takes clicks on its circle alone.
class OptionBox final : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// Makes a click on an option's text (a label of its own beside it) a click on the option while
// the option is shown: the option takes the focus, is chosen and its handler runs, also when it
// was chosen already. The text is no tab stop and reads to the screen reader as before.
class OptionText final : public QObject {
public:
    OptionText(QWidget* text, QAbstractButton* option) : QObject(text), option_(option) {
        text->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
            return QObject::eventFilter(watched, event);
        if (static_cast<const QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
        // The press is taken here, so that its release comes back to the text, not to the window.
        if (type == QEvent::MouseButtonPress) {
            pressed_ = !option_->isHidden() && option_->isEnabled();
            return pressed_;
        }
        if (!pressed_) return false;
        pressed_ = false;
        const QPoint at = static_cast<const QMouseEvent*>(event)->position().toPoint();
        if (static_cast<QWidget*>(watched)->rect().contains(at) && !option_->isHidden()) {
            option_->setFocus(Qt::MouseFocusReason);
            option_->click();
        }
        return true;
    }

private:
    QAbstractButton* option_;
    bool pressed_ = false;
};

}  // namespace brivan::ui
