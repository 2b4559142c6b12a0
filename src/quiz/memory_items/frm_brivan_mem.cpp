#include "quiz/memory_items/frm_brivan_mem.h"

#include "quiz/common/judgement.h"
#include "quiz/memory_items/mem_bank.h"

namespace brivan::quiz::memory_items {

using ui::ScreenId;

namespace {

constexpr std::array<std::string_view, kMemSlots> kLines{"lbl1", "lbl2", "lbl3", "lbl4",
                                                         "lbl5", "lbl6", "lbl7", "lbl8"};
constexpr std::array<std::string_view, kBoxes> kBoxNames{"com1", "com2", "com3", "com4", "com5", "com6", "com7"};

// The box beside each line slot: com1 to com6 beside slots 1 to 6, none beside slot 7 (a note
// line only), com7 beside slot 8.
constexpr std::array<int, kMemSlots> kBoxOfSlot{0, 1, 2, 3, 4, 5, -1, 6};

constexpr int kNoteSlotThatTurnsBold = 3;  // lbl4 is bold only while it holds a note line

}  // namespace

frmBrivanMem::frmBrivanMem(ui::Services services)
    : QuizScreen(ScreenId::frmBrivanMem, kMemCount,
                 {.Command2 = ScreenId::frmBrivanAnn, .Command3 = ScreenId::frmBrivan}, services) {}

void frmBrivanMem::Form_Load() {
    resetCounters();
    for (std::string_view box : kBoxNames) form().comboBox(box).setVisible(false);
    form().label("lblAnn").setVisible(false);
    form().label("lblAnn2").setVisible(false);
}

void frmBrivanMem::cmdEnter_Click() {
    const ui::Form& f = form();
    ++intQuestion;
    f.label(kLines[kNoteSlotThatTurnsBold]).setBold(false);
    FeedbackLines::of(f).clear();
    for (std::string_view line : kLines) f.label(line).setCaption("");
    for (size_t i = 0; i < kBoxNames.size(); ++i) {
        f.comboBox(kBoxNames[i]).setVisible(false);
        f.comboBox(kBoxNames[i]).setText(std::to_string(i + 1));
    }
    f.label("lblAnn").setVisible(true);
    f.label("lblAnn2").setVisible(true);

    if (const MemChecklist* record = memRecord(intQuestion)) {
        strAnn = record->light ? record->light->upper : std::string_view();
        strAnn2 = record->light ? record->light->lower : std::string_view();
        strQuestion = record->title;
        f.label("lblQuestion").setCaption(strQuestion);

        std::array<bool, kBoxes> used{};
        for (int slot = 0; slot < kMemSlots; ++slot) {
            const MemLine& line = record->lines[static_cast<size_t>(slot)];
            f.label(kLines[static_cast<size_t>(slot)]).setCaption(line.text);
            const int box = kBoxOfSlot[static_cast<size_t>(slot)];
            if (line.isStep() && box >= 0) {
                strAnswer[static_cast<size_t>(box)] = std::to_string(line.step);
                used[static_cast<size_t>(box)] = true;
            }
        }
        if (record->lines[kNoteSlotThatTurnsBold].isNote()) f.label(kLines[kNoteSlotThatTurnsBold]).setBold(true);

        // Unused boxes are emptied; the used ones are preset 1 to n from the top.
        int preset = 0;
        for (size_t box = 0; box < kBoxes; ++box) {
            if (used[box]) {
                f.comboBox(kBoxNames[box]).setText(std::to_string(++preset));
            } else {
                f.comboBox(kBoxNames[box]).setText("");
                strAnswer[box].clear();
            }
        }
        if (!record->light) {
            f.label("lblAnn").setVisible(false);
            f.label("lblAnn2").setVisible(false);
        }
        strRef = record->reference;
        if (record->light) {
            f.label("lblAnn").setBackColor(record->light->colour);
            f.label("lblAnn2").setBackColor(record->light->colour);
        }
        for (size_t box = 0; box < kBoxes; ++box)
            if (used[box]) f.comboBox(kBoxNames[box]).setVisible(true);
    }
    f.label("lblAnn").setCaption(strAnn);
    f.label("lblAnn2").setCaption(strAnn2);
    if (intQuestion == kMemCount + 1) moves().moveTo(ScreenId::frmMemEnd);
}

std::string frmBrivanMem::correctOrder() const {
    std::string order;
    for (const std::string& expected : strAnswer) order += expected;
    return order;
}

void frmBrivanMem::cmdEnteranswer_Click() {
    // Until the first checklist of this visit is on screen there is nothing to judge against.
    if (intQuestion == 0) return;

    const ui::Form& f = form();
    bool right = true;
    for (size_t box = 0; box < kBoxes; ++box) right &= f.comboBox(kBoxNames[box]).text() == strAnswer[box];

    const FeedbackLines lines = FeedbackLines::of(f);
    if (right) {
        showRight(lines, score, platform());
    } else {
        showWrong(lines, std::string(prefixes::kCorrectOrder) + correctOrder(),
                  std::string(prefixes::kReferenceColon) + strRef, platform());
    }
    updateScore();
    f.button("cmdEnter").setFocus();
}

}  // namespace brivan::quiz::memory_items
