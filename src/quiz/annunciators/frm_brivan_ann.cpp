#include "quiz/annunciators/frm_brivan_ann.h"

#include <array>

#include "quiz/annunciators/ann_bank.h"
#include "quiz/common/judgement.h"

namespace brivan::quiz::annunciators {

using ui::ScreenId;

namespace {
constexpr std::array<std::string_view, 4> kOptions{"OptionA", "OptionB", "OptionC", "OptionD"};
constexpr std::array<std::string_view, 4> kChoices{"lblA", "lblB", "lblC", "lblD"};

// Only the letters A to D can ever match, so upper-casing the ASCII letters is enough.
std::string upperCased(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}
}  // namespace

frmBrivanAnn::frmBrivanAnn(ui::Services services)
    : QuizScreen(ScreenId::frmBrivanAnn, kAnnCount,
                 {.Command2 = ScreenId::frmBrivan, .Command3 = ScreenId::frmBrivanMem}, services) {}

void frmBrivanAnn::bindOwnHandlers(ui::Form& form) {
    form.onClick("OptionA", [this] { OptionA_Click(); });
    form.onClick("OptionB", [this] { OptionB_Click(); });
    form.onClick("OptionC", [this] { OptionC_Click(); });
    form.onClick("OptionD", [this] { OptionD_Click(); });
}

void frmBrivanAnn::Form_Load() {
    for (std::string_view option : kOptions) form().optionButton(option).setVisible(false);
    form().label("lblAnn").setVisible(false);
    form().label("lblAnn2").setVisible(false);
    resetCounters();
}

void frmBrivanAnn::cmdEnter_Click() {
    const ui::Form& f = form();
    f.textBox("txtAnswer").setText("");
    FeedbackLines::of(f).clear();
    for (std::string_view option : kOptions) f.optionButton(option).setVisible(true);
    f.label("lblAnn").setVisible(true);
    f.label("lblAnn2").setVisible(true);
    for (std::string_view option : kOptions) f.optionButton(option).clearSelection();
    ++intQuestion;
    if (const AnnQuestion* row = annRow(intQuestion)) {
        strAnswer = row->answer;
        strAnn = row->legend1;
        strAnn2 = row->legend2;
        for (size_t i = 0; i < kChoices.size(); ++i) f.label(kChoices[i]).setCaption(row->options[i]);
        strRef = row->reference;
        f.label("lblAnn").setBackColor(row->light);
        f.label("lblAnn2").setBackColor(row->light);
    }
    f.label("lblAnn").setCaption(strAnn);
    f.label("lblAnn2").setCaption(strAnn2);
    f.textBox("txtAnswer").setFocus();
    if (intQuestion == kAnnCount + 1) moves().moveTo(ScreenId::frmAnnEnd);
}

void frmBrivanAnn::OptionA_Click() { optionClick("A"); }
void frmBrivanAnn::OptionB_Click() { optionClick("B"); }
void frmBrivanAnn::OptionC_Click() { optionClick("C"); }
void frmBrivanAnn::OptionD_Click() { optionClick("D"); }

void frmBrivanAnn::optionClick(std::string_view letter) {
    if (intQuestion == 0) return;  // the options are hidden until the first light
    strChoice = letter;
    judge(strChoice);
    updateScore();
}

void frmBrivanAnn::cmdEnteranswer_Click() {
    // Until the first light of this visit is on screen there is nothing to judge against.
    if (intQuestion == 0) return;

    const ui::Form& f = form();
    const std::string typed = f.textBox("txtAnswer").text();
    judge(upperCased(typed));
    if (typed.empty()) f.label("lblResponse2").setCaption("");
    updateScore();
    f.button("cmdEnter").setFocus();
}

void frmBrivanAnn::judge(std::string_view letter) {
    const FeedbackLines lines = FeedbackLines::of(form());
    if (letter == strAnswer) {
        showRight(lines, score, platform());
    } else {
        showWrong(lines, std::string(prefixes::kCorrectAnswer) + strAnswer,
                  std::string(prefixes::kReferenceColon) + strRef, platform());
    }
}

}  // namespace brivan::quiz::annunciators
