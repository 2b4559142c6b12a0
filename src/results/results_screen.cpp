#include "results/results_screen.h"

#include <string>

namespace brivan::results {

using ui::ScreenId;

ResultsScreen::ResultsScreen(ScreenId self, const ui::Screen& quizScreen, ResultsTargets targets,
                             ui::Services services)
    : Screen(self, services), quizScreen_(quizScreen), targets_(targets) {}

void ResultsScreen::bindHandlers(ui::Form& form) {
    form.onClick("Command4", [this] { Command4_Click(); });
    form.onClick("Command2", [this] { Command2_Click(); });
    form.onClick("Command5", [this] { Command5_Click(); });
    form.onClick("cmdTerms", [this] { cmdTerms_Click(); });
    form.onClick("cmdExit", [this] { cmdExit_Click(); });
}

void ResultsScreen::Form_Load() {
    // Reached only from the quiz's hand-over, while the quiz is still loaded; an unloaded quiz
    // has no percentage line, which reads as an empty one.
    const std::string percent =
        quizScreen_.isLoaded() ? quizScreen_.form().label("lblPercent").caption() : std::string();
    form().label("lblPercent").setCaption("You answered " + percent + " correct!");
}

void ResultsScreen::Command4_Click() { moves().moveTo(targets_.Command4); }
void ResultsScreen::Command2_Click() { moves().moveTo(targets_.Command2); }
void ResultsScreen::Command5_Click() { moves().moveTo(targets_.Command5); }
void ResultsScreen::cmdTerms_Click() { moves().moveTo(ScreenId::frmBrivanIntro); }
void ResultsScreen::cmdExit_Click() { moves().endProgram(); }

}  // namespace brivan::results
