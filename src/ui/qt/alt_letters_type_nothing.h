#pragma once
// The screens' boxes (inside the screen layer only).
#include <QKeyEvent>
#include <QObject>

namespace brivan::ui {

// Alt with a letter that no button has for its access key types nothing into a box, as on Windows
// and in a browser; Qt on X11 would type the letter, and a pilot who misses an access key would
// find it in the answer. Ctrl+Alt, which is AltGr on Windows, still types.
class AltLettersTypeNothing final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<const QKeyEvent*>(event);
            const Qt::KeyboardModifiers held = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
            if (held == Qt::AltModifier && !key->text().isEmpty() && key->text().front().isPrint()) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace brivan::ui
