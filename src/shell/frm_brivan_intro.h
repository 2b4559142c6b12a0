#pragma once
// The terms screen: the publisher's disclaimer, "I Agree" and "Exit Program". It keeps nothing.
#include "ui/screen.h"

namespace brivan::shell {

class frmBrivanIntro final : public ui::Screen {
public:
    explicit frmBrivanIntro(ui::Services services);

    void cmdContinue_Click();
    void Command1_Click();

private:
    void bindHandlers(ui::Form& form) override;
};

}  // namespace brivan::shell
