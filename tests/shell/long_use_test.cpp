// Long use: thousands of moves and judgements leave the program as it was.
#include <QLineEdit>
#include <QTest>
#include <functional>

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__SANITIZE_ADDRESS__)
#include <cstddef>
// The sanitizer runtime's count of the bytes allocated and not freed (GCC installs no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "quiz/annunciators/frm_brivan_ann.h"
#include "quiz/limitations/frm_brivan.h"
#include "quiz/memory_items/frm_brivan_mem.h"
#include "support/program.h"

using brivan::testing::Program;
using brivan::ui::ScreenId;
using namespace brivan::quiz;

namespace {

// Bytes the program holds on the heap, after unloaded windows have really gone: as the
// sanitizer's allocator counts them in the sanitizer build, else as the C library's does.
qint64 heapInUse() {
    Program::settle();
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#elif defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#else
    return -1;
#endif
}

// Runs `judge` 40,000 times. Once the first thousand have filled what caches there are, the other
// 39,000 hold on to nothing more: a judgement that kept something (a line, a connection, a copy
// of the score) would keep it 39,000 times, and take the longer the more it had kept. (Counted in
// bytes, not timed: a machine busy with other work slows some judgements, never adds bytes.)
void judgeFortyThousandTimes(const std::function<void()>& judge) {
    for (int i = 0; i < 1000; ++i) judge();
    const qint64 before = heapInUse();
    for (int i = 0; i < 39000; ++i) judge();
    const qint64 growth = heapInUse() - before;
    if (before < 0) return;  // the heap in use cannot be read here (Windows): the captions are checked still
    QVERIFY2(growth < 64 * 1024, qPrintable(QString("39,000 judgements kept %1 bytes").arg(growth)));
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
        Program p;
        const char* round[] = {"cmdContinue", "Command2", "Command3", "Command3", "cmdTerms"};  // 5 moves
        auto moves = [&](int count) {
            for (int i = 0; i < count; ++i) p.click(round[i % 5]);
        };
        moves(100);
        const qint64 after100 = heapInUse();
        moves(900);
        const qint64 after1000 = heapInUse();
        if (after100 < 0) QSKIP("the heap in use cannot be read here");
        QVERIFY(p.isOn(ScreenId::frmBrivanIntro));
        // Qt itself keeps some 40 bytes per window it has ever shown (a bare dialog does the same);
        // anything the program kept per move, a window or a cached picture, would be kilobytes.
        const qint64 growth = after1000 - after100;
        QVERIFY2(growth < 256 * 1024, qPrintable(QString("the heap grew by %1 bytes").arg(growth)));
    }
};

QTEST_MAIN(LongUseTest)
#include "long_use_test.moc"
