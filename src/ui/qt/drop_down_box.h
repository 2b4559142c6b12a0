#pragma once
// The screens' drop-down boxes (inside the screen layer only).
#include <QApplication>
#include <QComboBox>
#include <QTimer>

namespace brivan::ui {

// A drop-down box that remembers, for the rest of the key press, that its list was just closed.
// Qt closes an open list on Escape while it checks the key for shortcuts, yet lets the key go on to
// the window's Escape shortcut, which would then press the cancel button as well.
class DropDownBox final : public QComboBox {
public:
    using QComboBox::QComboBox;

    bool listClosedJustNow() const { return listClosedJustNow_; }

    void hidePopup() override {
        const QWidget* list = QApplication::activePopupWidget();  // asking view() would build a list
        const bool wasOpen = list && list->parentWidget() == this;
        QComboBox::hidePopup();
        if (!wasOpen) return;
        listClosedJustNow_ = true;
        QTimer::singleShot(0, this, [this] { listClosedJustNow_ = false; });
    }

private:
    bool listClosedJustNow_ = false;
};

}  // namespace brivan::ui
