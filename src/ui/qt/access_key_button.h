#pragma once
// The screens' buttons (inside the screen layer only).
#include <QPushButton>
#include <QShortcutEvent>

namespace brivan::ui {

// A button whose access key presses it at once. Qt animates such a press and delivers the click
// some 100 ms later; a move between screens should be as quick as the key that asks for it.
class AccessKeyButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous() &&
            isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
            return true;
        }
        return QPushButton::event(event);
    }
};

}  // namespace brivan::ui
