// Checks of the three fixed question banks: the Limitations bank, the Annunciators bank and the
// checklist bank of the Memory Items quiz. They test the rules every row keeps and quote a few
// rows; they are not a second copy of the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "quiz/annunciators/ann_bank.h"
#include "quiz/limitations/limitations_bank.h"
#include "quiz/memory_items/mem_bank.h"
#include "ui/colour.h"

namespace {

namespace lim = brivan::quiz::limitations;
namespace ann = brivan::quiz::annunciators;
namespace mem = brivan::quiz::memory_items;
namespace colours = brivan::ui::colours;

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// ---------------------------------------------------------------------------------------------
// Limitations bank

TEST(LimitationsBank, Has65RowsAndLookupsMatchTheBank) {
    const auto bank = lim::limitationsBank();
    ASSERT_EQ(bank.size(), 65u);
    ASSERT_EQ(lim::kLimitationCount, 65);
    for (int n = 1; n <= 65; ++n) {
        ASSERT_NE(lim::limitationRow(n), nullptr) << "row " << n;
        EXPECT_EQ(lim::limitationRow(n), &bank[static_cast<std::size_t>(n - 1)]) << "row " << n;
    }
}

TEST(LimitationsBank, LookupsOutsideTheBankGiveNothing) {
    EXPECT_EQ(lim::limitationRow(0), nullptr);
    EXPECT_EQ(lim::limitationRow(66), nullptr);
    EXPECT_EQ(lim::limitationRow(-1), nullptr);
}

TEST(LimitationsBank, QuotedRows) {
    const auto* r1 = lim::limitationRow(1);
    ASSERT_NE(r1, nullptr);
    EXPECT_EQ(r1->prompt, "The wing span is __ ft. 5 in.");
    EXPECT_EQ(r1->answer, "63");
    EXPECT_EQ(r1->reference, "Vol 1 Page 0-5");

    const auto* r31 = lim::limitationRow(31);
    ASSERT_NE(r31, nullptr);
    EXPECT_EQ(r31->answer, "12155");
    EXPECT_EQ(r31->reference, "Vol 1 Page 0-5");

    const auto* r58 = lim::limitationRow(58);
    ASSERT_NE(r58, nullptr);
    EXPECT_EQ(r58->answer, "96.7");
    EXPECT_EQ(r58->reference, "LIM-5");

    EXPECT_EQ(lim::limitationRow(40)->answer, "40");
    EXPECT_EQ(lim::limitationRow(40)->prompt, "Cold start oil temperature is -___ C.");
    EXPECT_EQ(lim::limitationRow(42)->answer, "3");
    EXPECT_EQ(lim::limitationRow(42)->prompt, "Maximum negative cabin differential is -0. _ psi");
    EXPECT_EQ(lim::limitationRow(41)->answer, "9.3");
    EXPECT_EQ(lim::limitationRow(43)->answer, "29.5");
    EXPECT_EQ(lim::limitationRow(60)->answer, "104.9");
}

TEST(LimitationsBank, ReferencesByRowRange) {
    for (int n = 1; n <= 65; ++n) {
        const auto* r = lim::limitationRow(n);
        ASSERT_NE(r, nullptr);
        std::string_view want;
        if (n >= 2 && n <= 5)
            want = "Vol 1 Page 10-5";
        else if (n <= 56)
            want = "Vol 1 Page 0-5";
        else if (n <= 61)
            want = "LIM-5";
        else
            want = "LIM-19";
        EXPECT_EQ(r->reference, want) << "row " << n;
    }
}

TEST(LimitationsBank, AnswersArePlainDigitsWithAtMostOneDecimalPoint) {
    for (int n = 1; n <= 65; ++n) {
        const std::string_view a = lim::limitationRow(n)->answer;
        ASSERT_FALSE(a.empty()) << "row " << n;
        EXPECT_TRUE(a.front() >= '0' && a.front() <= '9') << "row " << n << ": " << a;
        EXPECT_TRUE(a.back() >= '0' && a.back() <= '9') << "row " << n << ": " << a;
        int points = 0;
        for (char c : a) {
            if (c == '.') {
                ++points;
            } else {
                EXPECT_TRUE(c >= '0' && c <= '9') << "row " << n << ": " << a;
            }
        }
        EXPECT_LE(points, 1) << "row " << n << ": " << a;
    }
}

TEST(LimitationsBank, PromptsAreNotEmpty) {
    for (const auto& r : lim::limitationsBank()) EXPECT_FALSE(r.prompt.empty());
}

TEST(LimitationsBank, KeepsTheTextsAsPrinted) {
    for (int n : {12, 13, 14}) EXPECT_TRUE(contains(lim::limitationRow(n)->prompt, "contol")) << n;
    EXPECT_TRUE(contains(lim::limitationRow(44)->prompt, "(stabilzed)"));
    EXPECT_TRUE(contains(lim::limitationRow(65)->prompt, "non-percision"));
    EXPECT_EQ(lim::limitationRow(39)->prompt,
              "Transient oil temperature for 3 minutes is ___ C  to 155 C.");
    for (int n = 2; n <= 5; ++n) {
        const std::string_view p = lim::limitationRow(n)->prompt;
        EXPECT_TRUE(p.ends_with("_ _ , _ _ _ Lbs")) << "row " << n << ": " << p;
    }
}

// ---------------------------------------------------------------------------------------------
// Annunciators bank

// The rows whose four causes are quoted from the training manual word for word; the causes of
// every other row are our own and kept to one line of the option label.
const std::set<int> kManualRows{1, 12, 20, 22, 31, 34, 45, 46};

TEST(AnnunciatorsBank, Has46RowsAndLookupsMatchTheBank) {
    const auto bank = ann::AnnBank();
    ASSERT_EQ(bank.size(), 46u);
    ASSERT_EQ(ann::kAnnCount, 46);
    for (int k = 1; k <= 46; ++k) {
        ASSERT_NE(ann::annRow(k), nullptr) << "row " << k;
        EXPECT_EQ(ann::annRow(k), &bank[static_cast<std::size_t>(k - 1)]) << "row " << k;
    }
}

TEST(AnnunciatorsBank, LookupsOutsideTheBankGiveNothing) {
    EXPECT_EQ(ann::annRow(0), nullptr);
    EXPECT_EQ(ann::annRow(47), nullptr);
}

TEST(AnnunciatorsBank, WarningsThenCautions) {
    for (int k = 1; k <= 46; ++k) {
        const auto want = k <= 11 ? colours::Red : colours::Yellow;
        EXPECT_EQ(ann::annRow(k)->light, want) << "row " << k;
    }
}

TEST(AnnunciatorsBank, LetterCounts) {
    std::map<std::string_view, int> counts;
    for (const auto& r : ann::AnnBank()) ++counts[r.answer];
    EXPECT_EQ(counts.size(), 4u);
    EXPECT_EQ(counts["A"], 11);
    EXPECT_EQ(counts["B"], 13);
    EXPECT_EQ(counts["C"], 8);
    EXPECT_EQ(counts["D"], 14);
}

TEST(AnnunciatorsBank, EveryOptionStartsWithItsLetter) {
    for (int k = 1; k <= 46; ++k) {
        const auto& r = *ann::annRow(k);
        for (int i = 0; i < 4; ++i) {
            const std::string prefix = std::string(1, static_cast<char>('A' + i)) + ". ";
            const std::string_view opt = r.options[static_cast<std::size_t>(i)];
            EXPECT_TRUE(opt.starts_with(prefix)) << "row " << k << ": " << opt;
            EXPECT_GT(opt.size(), prefix.size()) << "row " << k;
        }
    }
}

TEST(AnnunciatorsBank, CombinedOptionD) {
    const std::map<int, std::pair<std::string_view, std::string_view>> combined{
        {20, {"D. All of the above", "D"}},  {21, {"D. All of the above", "D"}},
        {26, {"D. All of the above", "D"}},  {32, {"D. All of the above", "D"}},
        {36, {"D. All of the above", "D"}},  {34, {"D. None of the above", "A"}},
        {35, {"D. None of the above", "C"}}, {44, {"D. None of the above", "A"}},
        {22, {"D. Both A and B", "D"}},      {46, {"D. Both A and B", "D"}},
        {45, {"D. Both B and C", "D"}},
    };
    for (int k = 1; k <= 46; ++k) {
        const auto& r = *ann::annRow(k);
        const auto it = combined.find(k);
        if (it != combined.end()) {
            EXPECT_EQ(r.options[3], it->second.first) << "row " << k;
            EXPECT_EQ(r.answer, it->second.second) << "row " << k;
        } else {
            // Elsewhere option D is a cause of its own.
            EXPECT_FALSE(contains(r.options[3], " of the above")) << "row " << k;
            EXPECT_FALSE(r.options[3].starts_with("D. Both ")) << "row " << k;
        }
    }
}

TEST(AnnunciatorsBank, LegendsAreUpperCase) {
    auto upper = [](std::string_view s) {
        return std::none_of(s.begin(), s.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    };
    for (int k = 1; k <= 46; ++k) {
        const auto& r = *ann::annRow(k);
        EXPECT_GE(r.legend1.size(), 2u) << "row " << k;
        EXPECT_LE(r.legend1.size(), 13u) << "row " << k;
        EXPECT_TRUE(upper(r.legend1)) << "row " << k << ": " << r.legend1;
        EXPECT_LE(r.legend2.size(), 13u) << "row " << k;
        EXPECT_TRUE(upper(r.legend2)) << "row " << k << ": " << r.legend2;
    }
    EXPECT_EQ(ann::annRow(31)->legend1, "SD BY");
    EXPECT_EQ(ann::annRow(34)->legend1, "HYRD #2");
    EXPECT_EQ(ann::annRow(19)->legend2, "HYDR #1");
    EXPECT_EQ(ann::annRow(43)->legend2, "HYDR #1");
    EXPECT_EQ(ann::annRow(35)->legend1, "BRAKE");
    EXPECT_EQ(ann::annRow(35)->legend2, "");
}

TEST(AnnunciatorsBank, EveryRowHasTheSameReference) {
    for (const auto& r : ann::AnnBank()) EXPECT_EQ(r.reference, "Flight Safety Manual 4-3");
}

TEST(AnnunciatorsBank, QuotedRows) {
    const auto& r1 = *ann::annRow(1);
    EXPECT_EQ(r1.answer, "A");
    EXPECT_EQ(r1.legend1, "FIRE 1");
    EXPECT_EQ(r1.legend2, "");
    EXPECT_EQ(r1.light, colours::Red);
    EXPECT_EQ(r1.options[0], "A. Fire condition exists in #1 Engine (with fire audio warning)");
    EXPECT_EQ(r1.options[1], "B. Fire condition exists in APU");
    EXPECT_EQ(r1.options[2], "C. Fire condition exists baggage");
    EXPECT_EQ(r1.options[3], "D. Smoke detected in baggage compartment");

    const auto& r12 = *ann::annRow(12);
    EXPECT_EQ(r12.answer, "C");
    EXPECT_EQ(r12.legend1, "BAT");
    EXPECT_EQ(r12.light, colours::Yellow);
    EXPECT_EQ(r12.options[2],
              "C. Battery contactor open and batttery is not connected to the ESS bus");

    EXPECT_EQ(ann::annRow(31)->options[3],
              "D. Standy pitot heat has detected an overheat condition");

    const auto& r46 = *ann::annRow(46);
    EXPECT_EQ(r46.answer, "D");
    EXPECT_EQ(r46.legend1, "STBY");
    EXPECT_EQ(r46.legend2, "PUMP");
    EXPECT_EQ(r46.light, colours::Yellow);
    EXPECT_EQ(r46.options[0], "A. Electric pump is in non-stop operation for more than 1 min.");
    EXPECT_EQ(r46.options[1],
              "B. Electric pump selector in aft service compartment set to ground test");
    EXPECT_EQ(r46.options[2], "C. Standby pump is on");
    EXPECT_EQ(r46.options[3], "D. Both A and B");
}

TEST(AnnunciatorsBank, OptionTextsFitTheLabel) {
    for (int k = 1; k <= 46; ++k) {
        const auto& r = *ann::annRow(k);
        for (const auto& opt : r.options) {
            if (kManualRows.contains(k)) {
                // A few of the manual's own causes run a little longer; two lines still hold them.
                EXPECT_LE(opt.size(), 90u) << "row " << k << ": " << opt;
            } else {
                EXPECT_LE(opt.size(), 70u) << "row " << k << ": " << opt;
            }
        }
    }
}

TEST(AnnunciatorsBank, OptionsOfARowDiffer) {
    for (int k = 1; k <= 46; ++k) {
        const auto& o = ann::annRow(k)->options;
        const std::set<std::string_view> bodies{o[0].substr(3), o[1].substr(3), o[2].substr(3),
                                                o[3].substr(3)};
        EXPECT_EQ(bodies.size(), 4u) << "row " << k;
    }
}

// The causes we wrote must be chosen by knowing the light, not by reading the form of the four
// choices: a pilot who always takes the longest, or the shortest, or the one that alone carries a
// bracket, a number sign or a slash, should do no better than by chance.

// An option without its "A. " prefix.
std::string_view body(std::string_view option) { return option.substr(3); }

std::size_t rightIndex(const ann::AnnQuestion& r) {
    return static_cast<std::size_t>(r.answer.front() - 'A');
}

// Whether the right option is a cause of its own rather than "All of the above" and the like,
// which is short by nature.
bool rightIsACause(const ann::AnnQuestion& r) {
    const std::string_view right = body(r.options[rightIndex(r)]);
    return !contains(right, " of the above") && !right.starts_with("Both ");
}

// The rows we wrote whose right option is a cause.
std::vector<const ann::AnnQuestion*> ourCauseRows() {
    std::vector<const ann::AnnQuestion*> rows;
    for (int k = 1; k <= 46; ++k) {
        const auto* r = ann::annRow(k);
        if (!kManualRows.contains(k) && rightIsACause(*r)) rows.push_back(r);
    }
    return rows;
}

TEST(AnnunciatorsBankFairness, TheLongestChoiceIsRightInNoMoreThanAThirdOfTheRows) {
    const auto rows = ourCauseRows();
    ASSERT_EQ(rows.size(), 34u);
    std::size_t longest = 0;
    for (const auto* r : rows) {
        const std::size_t right = rightIndex(*r);
        bool strictly = true;
        for (std::size_t i = 0; i < 4; ++i)
            if (i != right && r->options[i].size() >= r->options[right].size()) strictly = false;
        if (strictly) ++longest;
    }
    EXPECT_LE(3 * longest, rows.size()) << longest << " of " << rows.size() << " rows";
}

// Shunning the longest must not make the shortest, or any other place by length, the tell: the
// right choice may hold each place in no more than a third of the rows. Its place is the number
// of other choices longer than it; a tie gives it the better place.
TEST(AnnunciatorsBankFairness, NoPlaceByLengthHoldsTheRightChoiceInMoreThanAThirdOfTheRows) {
    const auto rows = ourCauseRows();
    std::array<std::size_t, 4> atPlace{};
    for (const auto* r : rows) {
        const std::size_t right = rightIndex(*r);
        std::size_t longer = 0;
        for (const auto& opt : r->options)
            if (opt.size() > r->options[right].size()) ++longer;
        ++atPlace[longer];
    }
    for (std::size_t place = 0; place < 4; ++place)
        EXPECT_LE(3 * atPlace[place], rows.size())
            << "right choice with " << place << " longer ones in " << atPlace[place] << " rows";
}

// The marks an option carries besides letters, digits and blanks; all kinds of bracket count as
// one mark.
std::set<char> marksOf(std::string_view text) {
    std::set<char> marks;
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == ' ') continue;
        marks.insert(std::string_view("()[]{}").find(c) != std::string_view::npos ? '(' : c);
    }
    return marks;
}

TEST(AnnunciatorsBankFairness, NoMarkSinglesOutTheRightChoiceInMoreThanThreeRows) {
    std::vector<int> pointing;
    for (int k = 1; k <= 46; ++k) {
        if (kManualRows.contains(k)) continue;
        const auto& r = *ann::annRow(k);
        const std::size_t right = rightIndex(r);
        std::set<char> elsewhere;
        for (std::size_t i = 0; i < 4; ++i) {
            if (i == right) continue;
            const auto marks = marksOf(body(r.options[i]));
            elsewhere.insert(marks.begin(), marks.end());
        }
        const auto own = marksOf(body(r.options[right]));
        if (std::any_of(own.begin(), own.end(), [&](char m) { return !elsewhere.contains(m); }))
            pointing.push_back(k);
    }
    std::string rows;
    for (int k : pointing) rows += " " + std::to_string(k);
    EXPECT_LE(pointing.size(), 3u) << "rows:" << rows;
}

// Two choices that differ only in an engine number or a side are told apart by the number alone.
std::string withoutNumberOrSide(std::string_view text) {
    std::string s;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) s += c;
    for (const auto& [from, to] : {std::pair{"right", "left"}, std::pair{"RH", "LH"}}) {
        for (auto at = s.find(from); at != std::string::npos; at = s.find(from, at))
            s.replace(at, std::string_view(from).size(), to);
    }
    return s;
}

TEST(AnnunciatorsBankFairness, NoTwoChoicesDifferOnlyInANumberOrASide) {
    for (int k = 1; k <= 46; ++k) {
        if (kManualRows.contains(k)) continue;
        const auto& o = ann::annRow(k)->options;
        std::set<std::string> bodies;
        for (const auto& opt : o) bodies.insert(withoutNumberOrSide(body(opt)));
        EXPECT_EQ(bodies.size(), 4u) << "row " << k;
    }
}

// ---------------------------------------------------------------------------------------------
// Checklist bank (Memory Items)

// Step numbers in slot order, run together: the numbering the pilot has to enter.
std::string correctOrder(const mem::MemChecklist& c) {
    std::string s;
    for (const auto& line : c.lines)
        if (line.isStep()) s += std::to_string(line.step);
    return s;
}

int stepCount(const mem::MemChecklist& c) {
    return static_cast<int>(std::count_if(c.lines.begin(), c.lines.end(),
                                          [](const mem::MemLine& l) { return l.isStep(); }));
}

TEST(ChecklistBank, Has15RecordsAndLookupsMatchTheBank) {
    const auto bank = mem::memBank();
    ASSERT_EQ(bank.size(), 15u);
    ASSERT_EQ(mem::kMemCount, 15);
    for (int n = 1; n <= 15; ++n) {
        ASSERT_NE(mem::memRecord(n), nullptr) << "record " << n;
        EXPECT_EQ(mem::memRecord(n), &bank[static_cast<std::size_t>(n - 1)]) << "record " << n;
    }
}

TEST(ChecklistBank, LookupsOutsideTheBankGiveNothing) {
    EXPECT_EQ(mem::memRecord(0), nullptr);
    EXPECT_EQ(mem::memRecord(16), nullptr);
}

TEST(ChecklistBank, StepNumbersRunFromOneToN) {
    for (int n = 1; n <= 15; ++n) {
        const auto& c = *mem::memRecord(n);
        const int steps = stepCount(c);
        EXPECT_GE(steps, 2) << "record " << n;
        EXPECT_LE(steps, 7) << "record " << n;
        std::multiset<int> seen;
        for (const auto& line : c.lines)
            if (line.isStep()) seen.insert(line.step);
        for (int s = 1; s <= steps; ++s) {
            EXPECT_EQ(seen.count(s), 1u) << "record " << n << " step " << s;
        }
        EXPECT_EQ(static_cast<int>(seen.size()), steps) << "record " << n;
        for (const auto& line : c.lines) {
            EXPECT_GE(line.step, 0) << "record " << n;
            if (!line.used()) {
                EXPECT_EQ(line.step, 0) << "record " << n;
            }
        }
    }
}

TEST(ChecklistBank, SlotSevenOnlyHoldsANote) {
    for (int n = 1; n <= 15; ++n) {
        const auto& slot7 = mem::memRecord(n)->lines[6];
        EXPECT_FALSE(slot7.isStep()) << "record " << n;
    }
    EXPECT_TRUE(mem::memRecord(1)->lines[6].isNote());
}

TEST(ChecklistBank, UsedSlotsRunFromSlotOneWithoutGaps) {
    for (int n = 1; n <= 15; ++n) {
        const auto& lines = mem::memRecord(n)->lines;
        EXPECT_TRUE(lines[0].used()) << "record " << n;
        bool ended = false;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            if (!lines[k].used()) {
                ended = true;
            } else {
                EXPECT_FALSE(ended) << "record " << n << " slot " << k + 1;
            }
        }
    }
}

TEST(ChecklistBank, CorrectOrderDiffersFromThePresetExceptTwoGenerators) {
    for (int n = 1; n <= 15; ++n) {
        const auto& c = *mem::memRecord(n);
        std::string preset;
        for (int s = 1; s <= stepCount(c); ++s) preset += std::to_string(s);
        if (n == 9) {
            EXPECT_EQ(correctOrder(c), preset) << "record " << n;
        } else {
            EXPECT_NE(correctOrder(c), preset) << "record " << n;
        }
    }
    EXPECT_EQ(correctOrder(*mem::memRecord(1)), "2134576");
    EXPECT_EQ(correctOrder(*mem::memRecord(8)), "4321");
    EXPECT_EQ(correctOrder(*mem::memRecord(15)), "13254");
}

TEST(ChecklistBank, Lights) {
    for (int n = 1; n <= 15; ++n) {
        const auto& c = *mem::memRecord(n);
        if (n == 1 || n == 2 || n == 3) {
            ASSERT_TRUE(c.light.has_value()) << "record " << n;
            EXPECT_EQ(c.light->colour, colours::Red) << "record " << n;
        } else if (n == 9 || n == 10) {
            ASSERT_TRUE(c.light.has_value()) << "record " << n;
            EXPECT_EQ(c.light->colour, colours::Yellow) << "record " << n;
        } else {
            EXPECT_FALSE(c.light.has_value()) << "record " << n;
        }
    }
    EXPECT_EQ(mem::memRecord(1)->light->upper, "FIRE 1");
    EXPECT_EQ(mem::memRecord(1)->light->lower, "");
    EXPECT_EQ(mem::memRecord(9)->light->upper, "GEN 1");
    EXPECT_EQ(mem::memRecord(9)->light->lower, "GEN 2");
}

TEST(ChecklistBank, NoteLines) {
    for (int n : {4, 6}) {
        const auto& c = *mem::memRecord(n);
        EXPECT_TRUE(c.lines[3].isNote()) << "record " << n;
        EXPECT_EQ(c.lines[3].text, "    Only if there is no flame in the cabin") << "record " << n;
        EXPECT_TRUE(c.lines[4].isStep()) << "record " << n;
    }
    for (int n = 1; n <= 15; ++n) {
        int notes = 0;
        for (const auto& line : mem::memRecord(n)->lines) notes += line.isNote() ? 1 : 0;
        EXPECT_EQ(notes, (n == 1 || n == 4 || n == 6) ? 1 : 0) << "record " << n;
    }
}

TEST(ChecklistBank, TitlesAndReferences) {
    EXPECT_EQ(mem::memRecord(1)->title, "ENGINE FIRE");
    EXPECT_EQ(mem::memRecord(1)->reference, "Checklist E-2");
    EXPECT_EQ(mem::memRecord(11)->reference, "Checklist E-18");
    EXPECT_EQ(mem::memRecord(12)->reference, "Checklist E-18");
    EXPECT_EQ(mem::memRecord(7)->title, "TWO ENGINE-OUT CONDITION.....ABOVE 35,000 FEET");
    EXPECT_EQ(mem::memRecord(15)->title, "DITCHING");
    EXPECT_EQ(mem::memRecord(15)->reference, "Checklist E-21");
    std::set<std::string_view> titles;
    for (const auto& c : mem::memBank()) {
        EXPECT_TRUE(c.reference.starts_with("Checklist E-")) << c.title;
        titles.insert(c.title);
    }
    EXPECT_EQ(titles.size(), 15u);
}

TEST(ChecklistBank, QuotedLines) {
    const auto& r1 = *mem::memRecord(1);
    EXPECT_EQ(r1.lines[5].text,
              "Fire Extingisher DISCH Switch . . . . . . . . . . . . .POSITION 2");
    EXPECT_EQ(r1.lines[5].step, 7);
    EXPECT_EQ(r1.lines[6].text, "If fire warning persists after 30 seconds");
    EXPECT_EQ(r1.lines[7].text, "Fire Extinguisher DISCH Switch . . . . . . . . . . . .POSITION 1");
    EXPECT_EQ(r1.lines[7].step, 6);

    const auto& r7 = *mem::memRecord(7);
    EXPECT_EQ(r7.lines[0].text,
              "Decend to APU start Envelope . . . . . . . . . . . . .< 35,000 FEET");
    EXPECT_EQ(r7.lines[0].step, 2);

    EXPECT_EQ(mem::memRecord(8)->lines[2].text, "Start APU within the Envelope");
    EXPECT_EQ(mem::memRecord(11)->lines[3].text,
              "Oxygen Controller and Passenger Mask  . . . . . . . . . OVERRIDE/DONNED");
    // Look-alike lines keep their own dot leaders.
    EXPECT_NE(mem::memRecord(13)->lines[3].text, mem::memRecord(15)->lines[0].text);
    EXPECT_NE(mem::memRecord(7)->lines[2].text, mem::memRecord(8)->lines[0].text);
    EXPECT_NE(mem::memRecord(1)->lines[4].text, mem::memRecord(2)->lines[1].text);
}

TEST(ChecklistBank, RecordsFourToSixShareTheirSteps) {
    auto same = [](const mem::MemLine& a, const mem::MemLine& b) {
        return a.text == b.text && a.step == b.step;
    };
    const auto& r4 = *mem::memRecord(4);
    const auto& r5 = *mem::memRecord(5);
    const auto& r6 = *mem::memRecord(6);
    for (std::size_t k = 0; k < mem::kMemSlots; ++k)
        EXPECT_TRUE(same(r4.lines[k], r6.lines[k])) << "slot " << k + 1;
    for (std::size_t k : {0u, 1u, 2u}) {
        EXPECT_TRUE(same(r5.lines[k], r4.lines[k])) << "slot " << k + 1;
    }
    EXPECT_TRUE(same(r5.lines[3], r4.lines[4]));
    for (int n : {4, 5, 6}) EXPECT_EQ(correctOrder(*mem::memRecord(n)), "1324") << "record " << n;
}

}  // namespace
