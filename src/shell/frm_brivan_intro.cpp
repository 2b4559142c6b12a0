#include "shell/frm_brivan_intro.h"


namespace brivan::shell {

using ui::ScreenId;

frmBrivanIntro::frmBrivanIntro(ui::Services services)
    : Screen(ScreenId::frmBrivanIntro, services) {}

void frmBrivanIntro::bindHandlers(ui::Form& form) {
    form.onClick("cmdContinue", [this] { cmdContinue_Click(); });
    form.onClick("Command1", [this] { Command1_Click(); });
}

// "I Agree" always leads to the Limitations quiz, at its start.
void frmBrivanIntro::cmdContinue_Click() { moves().moveTo(ScreenId::frmBrivan); }

void frmBrivanIntro::Command1_Click() { moves().endProgram(); }

}  // namespace brivan::shell
