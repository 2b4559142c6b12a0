// A long, seeded, reproducible walk through the whole program: random clicks, access keys, Enter,
// Escape, Tab, arrows, digits and letters, typing and frame closes on whatever screen is open,
// checking after every action that exactly one screen is open and that the open screen's figures
// agree with each other.
// On a failure it prints the seed and the shortest list of actions that still fails.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "quiz/common/quiz_screen.h"
#include "support/program.h"
#include "support/random_actions.h"
#include "ui/caption.h"

using namespace brivan::testing;  // Program, and the actions and their helpers
using brivan::ui::Screen;
using brivan::ui::ScreenId;

namespace {

template <class W>
std::vector<W*> visible(QWidget* window) {
    std::vector<W*> found;
    if (!window) return found;
    for (W* w : window->findChildren<W*>())
        if (w->isVisibleTo(window) && w->window() == window) found.push_back(w);
    std::sort(found.begin(), found.end(), [](W* a, W* b) { return a->objectName() < b->objectName(); });
    return found;
}

// The figures of a quiz screen, whichever quiz it is.
struct QuizFigures {
    int question, last;
    const brivan::quiz::Score* score;
};

std::optional<QuizFigures> figuresOf(Screen* s) {
    if (auto* q = dynamic_cast<brivan::quiz::QuizScreen*>(s)) return QuizFigures{q->intQuestion, q->questionCount, &q->score};
    return std::nullopt;
}

std::optional<ScreenId> quizOfResults(ScreenId id) {
    switch (id) {
    case ScreenId::frmBrivanEnd: return ScreenId::frmBrivan;
    case ScreenId::frmAnnEnd: return ScreenId::frmBrivanAnn;
    case ScreenId::frmMemEnd: return ScreenId::frmBrivanMem;
    default: return std::nullopt;
    }
}

class Walk {
public:
    Walk() : program_(std::make_unique<Program>()) {}

    void perform(const Action& a) {
        if (!program_->current()) {  // the program ended: start it again, as a pilot would
            program_->navigator->start();
            Program::settle();
        }
        QWidget* window = program_->window();
        Screen* current = program_->current();
        rememberPercent();
        switch (a.kind) {
        case Kind::Click: {
            auto buttons = visible<QPushButton>(window);
            if (!buttons.empty()) QTest::mouseClick(buttons[a.pick % buttons.size()], Qt::LeftButton);
            break;
        }
        case Kind::AccessKey: {
            auto buttons = visible<QPushButton>(window);
            if (buttons.empty()) break;
            const char key = brivan::ui::readCaption(buttons[a.pick % buttons.size()]->text().toStdString()).key;
            if (key) program_->key(static_cast<Qt::Key>(key), Qt::AltModifier);
            break;
        }
        case Kind::Enter: program_->key(Qt::Key_Return); break;
        case Kind::Escape: program_->key(Qt::Key_Escape); break;
        case Kind::Tab:
            if (tabForward(a)) program_->key(Qt::Key_Tab);
            else program_->key(Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case Kind::Space: program_->key(Qt::Key_Space); break;
        case Kind::Arrow: {
            static const Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
            program_->key(arrows[static_cast<int>(arrowOf(a))]);
            break;
        }
        case Kind::Key: {  // a character typed to whatever has the focus
            QWidget* target = QApplication::focusWidget();
            if (!target || target->window() != window) target = window;
            QTest::keyClick(target, keyOf(a));
            break;
        }
        case Kind::Type: {
            auto edits = visible<QLineEdit>(window);  // answer boxes and the boxes' own editors
            if (edits.empty()) break;
            QLineEdit* edit = edits[a.pick % edits.size()];
            const QString text = QString::fromUtf8(a.text.data(), qsizetype(a.text.size()));
            edit->setFocus();
            if (typedKeyByKey(a)) {
                edit->selectAll();
                QTest::keyClicks(edit, text);
            } else {
                edit->setText(text);  // pasted
            }
            break;
        }
        case Kind::Choose: {
            auto boxes = visible<QComboBox>(window);
            if (boxes.empty()) break;
            QComboBox* box = boxes[a.pick % boxes.size()];
            box->setCurrentIndex(int(itemOf(a) % unsigned(box->count())));
            break;
        }
        case Kind::Option: {
            auto options = visible<QRadioButton>(window);
            if (!options.empty()) {
                QRadioButton* option = options[a.pick % options.size()];
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(7, option->height() / 2));
            }
            break;
        }
        case Kind::FrameClose:
            if (window) window->close();
            break;
        case Kind::NextRun:  // a pilot paging through a quiz, often to its results screen
            for (unsigned n = pressesOf(a); n > 0 && program_->current() == current; --n) {
                rememberPercent();
                program_->key(Qt::Key_N, Qt::AltModifier);
            }
            break;
        }
        Program::settle();
    }

    // How often each screen was open after an action: the walk must reach them all.
    std::array<unsigned, brivan::ui::kScreenCount> seen{};

    // Empty when all holds, else what went wrong.
    std::string check() {
        int loaded = 0;
        for (int i = 0; i < brivan::ui::kScreenCount; ++i)
            loaded += program_->navigator->screen(static_cast<ScreenId>(i)).isLoaded() ? 1 : 0;
        Screen* current = program_->current();
        const int windows = Program::visibleWindows();
        if (!current) return loaded == 0 && windows == 0 ? "" : "program ended with a window left";
        if (loaded != 1) return std::to_string(loaded) + " screens loaded";
        ++seen[static_cast<size_t>(current->id())];
        if (windows != 1) return std::to_string(windows) + " windows open";
        if (!brivan::ui::QtWindow::of(current->form()).window()->isVisible()) return "the loaded screen is not shown";

        if (auto f = figuresOf(current)) {
            const auto& s = *f->score;
            if (f->question < 0 || f->question > f->last) return "question counter out of range";
            if (s.intCorrect < 0 || s.intCorrect > s.intAnswered) return "more right than answered";
            if (s.intPercent != brivan::quiz::roundedPercent(s.intCorrect, s.intAnswered))
                return "percentage does not follow the counters";
            const QString correct = program_->caption("lblCorrect");
            const QString percent = program_->caption("lblPercent");
            const std::string wantCorrect =
                s.intAnswered ? brivan::quiz::correctCaption(s.intCorrect, s.intAnswered) : "";
            const std::string wantPercent = s.intAnswered ? brivan::quiz::percentCaption(s.intPercent) : "";
            if (correct.toStdString() != wantCorrect) return "score line reads " + correct.toStdString();
            if (percent.toStdString() != wantPercent) return "percentage line reads " + percent.toStdString();
        }
        if (auto quiz = quizOfResults(current->id())) {
            const std::string line = program_->caption("lblPercent").toStdString();
            const std::string want = "You answered " + lastPercent_[static_cast<size_t>(*quiz)] + " correct!";
            if (line != want) return "results line reads \"" + line + "\", expected \"" + want + "\"";
        }
        return "";
    }

private:
    // The open quiz's percentage line, as its results screen will read it.
    void rememberPercent() {
        Screen* current = program_->current();
        if (current && figuresOf(current))
            lastPercent_[static_cast<size_t>(current->id())] = program_->caption("lblPercent").toStdString();
    }

    std::unique_ptr<Program> program_;
    std::array<std::string, brivan::ui::kScreenCount> lastPercent_{};
};

// Runs the actions on a fresh program; the index of the first action after which a check fails.
std::optional<size_t> firstFailure(const std::vector<Action>& actions, std::string* why = nullptr) {
    Walk walk;
    for (size_t i = 0; i < actions.size(); ++i) {
        walk.perform(actions[i]);
        std::string problem = walk.check();
        if (!problem.empty()) {
            if (why) *why = problem;
            return i;
        }
    }
    return std::nullopt;
}

// Removes chunks of actions, halving the chunk size, as long as the walk still fails.
std::vector<Action> shrink(std::vector<Action> actions) {
    for (size_t chunk = std::max<size_t>(actions.size() / 2, 1); chunk >= 1; chunk /= 2) {
        for (size_t start = 0; start < actions.size();) {
            std::vector<Action> candidate(actions.begin(), actions.begin() + long(start));
            candidate.insert(candidate.end(), actions.begin() + long(std::min(start + chunk, actions.size())),
                             actions.end());
            if (!candidate.empty() && firstFailure(candidate)) {
                actions = std::move(candidate);
            } else {
                start += chunk;
            }
        }
        if (chunk == 1) break;
    }
    return actions;
}

unsigned envNumber(const char* name, unsigned fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const unsigned n = value.toUInt(&ok);
    return ok ? n : fallback;
}

}  // namespace

class RandomUseTest : public QObject {
    Q_OBJECT

private slots:
    void randomUseKeepsEveryInvariant() {
        const unsigned seed = envNumber("BRIVAN_SEED", 20261208);
        const unsigned count = envNumber("BRIVAN_RANDOM_ACTIONS", 100000);
        std::mt19937 rng(seed);
        std::vector<Action> actions;
        actions.reserve(count);

        auto walk = std::make_unique<Walk>();
        for (unsigned i = 0; i < count; ++i) {
            actions.push_back(randomAction(rng));
            walk->perform(actions.back());
            const std::string problem = walk->check();
            if (problem.empty()) continue;

            walk.reset();  // each replay runs a program of its own
            Program::settle();
            std::fprintf(stderr, "Random use failed with BRIVAN_SEED=%u after action %u: %s\n", seed, i + 1,
                         problem.c_str());
            const std::vector<Action> shortest = shrink(actions);
            std::string why;
            firstFailure(shortest, &why);
            std::fprintf(stderr, "Shortest failing list (%zu actions, %s):\n", shortest.size(), why.c_str());
            for (const Action& a : shortest) std::fprintf(stderr, "  %s\n", describe(a).c_str());
            QFAIL(problem.c_str());
        }
        QString visits;
        for (unsigned n : walk->seen) visits += QString::number(n) + ' ';
        qInfo("Actions after which each screen was open (terms, three quizzes, three results): %s",
              qPrintable(visits));
        if (count >= 10000)
            for (unsigned n : walk->seen) QVERIFY2(n > 0, "the walk never reached one of the screens");
    }
};

QTEST_MAIN(RandomUseTest)
#include "random_use_test.moc"
