#pragma once
// The real control behind a handle on the desktop: one Qt widget of the kind its table row names.
#include <QWidget>

#include "ui/backend.h"
#include "ui/layout.h"

namespace brivan::ui {

class QtControl final : public ControlPeer {
public:
    QtControl(QWidget* widget, const ControlSpec& row);

    QWidget* widget() const { return w_; }

    std::string text() const override;
    void setText(std::string_view text) override;
    Colour foreColor() const override { return fore_; }
    void setForeColor(Colour colour) override;
    Colour backColor() const override { return back_; }
    void setBackColor(Colour colour) override;
    bool isVisible() const override { return !w_->isHidden(); }
    void setVisible(bool visible) override;
    bool isBold() const override { return w_->font().bold(); }
    void setBold(bool bold) override;
    void setFocus() override { w_->setFocus(Qt::OtherFocusReason); }
    bool isChecked() const override;
    void clearChoice() override;
    void setSpokenName(const std::string& name) override;
    void setSpokenDescription(const std::string& description) override;

private:
    QWidget* w_;
    ControlKind kind_;
    Colour fore_, back_;  // as the table or a handler named them
};

}  // namespace brivan::ui
