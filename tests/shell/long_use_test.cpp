// Long use: thousands of moves and judgements leave the program as it was.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "quiz/annunciators/frm_brivan_ann.h"
#include "quiz/limitations/frm_brivan.h"
#include "quiz/memory_items/frm_brivan_mem.h"
#include "support/program.h"

using brivan::testing::Program;
using brivan::ui::ScreenId;
using namespace brivan::quiz;

namespace {

bool sanitized() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

// Bytes the program holds on the heap, after unloaded windows have really gone.
size_t heapInUse() {
    Program::settle();
#if defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#else
    return 0;
#endif
}

// Runs `judge` 40,000 times in blocks of 1,000. The quickest block of the last four may take at
// most three times as long as the quickest of the first four: the time per judgement does not
// grow with the count. (The quickest blocks, because other work on the machine only slows some.)
void judgeFortyThousandTimes(const std::function<void()>& judge) {
    constexpr int kBlocks = 40, kBlock = 1000, kCompared = 4;
    std::vector<qint64> blocks;
    QElapsedTimer timer;
    for (int b = 0; b < kBlocks; ++b) {
        timer.start();
        for (int i = 0; i < kBlock; ++i) judge();
        blocks.push_back(timer.nsecsElapsed());
    }
    const qint64 first = *std::min_element(blocks.begin(), blocks.begin() + kCompared);
    const qint64 last = *std::min_element(blocks.end() - kCompared, blocks.end());
    QVERIFY2(last <= 3 * first + 5'000'000,
             qPrintable(QString("quickest early block %1 ms, quickest late block %2 ms").arg(first / 1e6).arg(last / 1e6)));
}

}  // namespace

class LongUseTest : public QObject {
    Q_OBJECT

private slots:
    void fortyThousandJudgementsOnLimitations() {
        Program p;
        p.click("cmdContinue");
        auto& quiz = p.screen<limitations::frmBrivan>(ScreenId::frmBrivan);
        quiz.cmdEnter_Click();
        p.control<QLineEdit>("txtAnswer")->setText("63");
        judgeFortyThousandTimes([&] { quiz.cmdEnteranswer_Click(); });
        QCOMPARE(p.caption("lblCorrect"), QString("40000 out of 40000 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("100 percent"));
        for (int i = 0; i < 65; ++i) quiz.cmdEnter_Click();
        Program::settle();
        QCOMPARE(p.caption("lblPercent"), QString("You answered 100 percent correct!"));
    }

    void fortyThousandJudgementsOnAnnunciators() {
        Program p;
        p.click("cmdContinue");
        p.click("Command2");
        auto& quiz = p.screen<annunciators::frmBrivanAnn>(ScreenId::frmBrivanAnn);
        quiz.cmdEnter_Click();
        int n = 0;
        judgeFortyThousandTimes([&] { ++n % 2 ? quiz.OptionA_Click() : quiz.OptionB_Click(); });
        QCOMPARE(p.caption("lblCorrect"), QString("20000 out of 40000 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("50 percent"));
    }

    void fortyThousandJudgementsOnMemoryItems() {
        Program p;
        p.click("cmdContinue");
        p.click("Command3");
        auto& quiz = p.screen<memory_items::frmBrivanMem>(ScreenId::frmBrivanMem);
        for (int i = 0; i < 9; ++i) quiz.cmdEnter_Click();  // TWO GENERATORS INOPERATIVE: right as preset
        judgeFortyThousandTimes([&] { quiz.cmdEnteranswer_Click(); });
        QCOMPARE(p.caption("lblCorrect"), QString("40000 out of 40000 correct!"));
        QCOMPARE(p.caption("lblPercent"), QString("100 percent"));
    }

    void aThousandMovesLeaveTheHeapWhereItWas() {
        if (sanitized()) QSKIP("the sanitizer's allocator keeps its own books; its leak check covers this");
        Program p;
        const char* round[] = {"cmdContinue", "Command2", "Command3", "Command3", "cmdTerms"};  // 5 moves
        auto moves = [&](int count) {
            for (int i = 0; i < count; ++i) p.click(round[i % 5]);
        };
        moves(100);
        const size_t after100 = heapInUse();
        moves(900);
        const size_t after1000 = heapInUse();
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        // Qt itself keeps some 40 bytes per window it has ever shown (a bare dialog does the same);
        // anything the program kept per move, a window or a cached picture, would be kilobytes.
        const qint64 growth = qint64(after1000) - qint64(after100);
        QVERIFY2(growth < 256 * 1024, qPrintable(QString("the heap grew by %1 bytes").arg(growth)));
    }
};

QTEST_MAIN(LongUseTest)
#include "long_use_test.moc"
