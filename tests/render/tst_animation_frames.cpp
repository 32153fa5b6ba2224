// When an animated GIF's or PNG's frames are taken, and for how long each shows.

#include "render/animation.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace volvenda;

class AnimationFramesTest : public QObject
{
    Q_OBJECT

private slots:
    void framesTakeTheTimeGiven_data()
    {
        // The surface is presented once before each curve's first segment and
        // once after each; frames is as many as fit at 20 ms each, or one a step.
        QTest::addColumn<double>("presents");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<bool>("loop");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("centiseconds");
        QTest::newRow("the window's curve over five seconds") << 805.0 << 5.0 << false << 250 << 500;
        QTest::newRow("a tenth of a second") << 805.0 << 0.1 << false << 5 << 10;
        QTest::newRow("odd hundredths: one frame of three") << 805.0 << 0.15 << false << 7 << 15;
        QTest::newRow("rounded to hundredths") << 805.0 << 2.555 << false << 128 << 256;
        QTest::newRow("fewer steps than frames: one a step") << 805.0 << 3600.0 << false << 805 << 360000;
        QTest::newRow("a second's pause when looping") << 805.0 << 2.0 << true << 100 << 300;
        QTest::newRow("a million steps in an hour") << 1'000'001.0 << 3600.0 << false << 180000 << 360000;
    }
    void framesTakeTheTimeGiven()
    {
        QFETCH(double, presents);
        QFETCH(double, seconds);
        QFETCH(bool, loop);
        QFETCH(int, frames);
        QFETCH(int, centiseconds);
        const std::vector<AnimationFrame> schedule = scheduleFrames(presents, seconds, loop);
        QCOMPARE(int(schedule.size()), frames);
        int total = 0;
        for (const AnimationFrame &frame : schedule)
            total += frame.centiseconds;
        QCOMPARE(total, centiseconds);
        // None shorter than 20 ms; the pause on the last, which stays.
        const auto shortest = std::min_element(schedule.begin(), schedule.end() - 1,
            [](const AnimationFrame &a, const AnimationFrame &b) { return a.centiseconds < b.centiseconds; });
        QVERIFY(shortest->centiseconds >= 2);
        QVERIFY(schedule.back().centiseconds >= (loop ? 102 : 2));
        // Bare at the first present, finished at the last, and in between the
        // same number of steps a frame, give or take one.
        QCOMPARE(schedule.front().presents, 1.0);
        QCOMPARE(schedule.back().presents, presents);
        double fewest = presents;
        double most = 0;
        for (std::size_t i = 1; i < schedule.size(); ++i) {
            const double steps = schedule[i].presents - schedule[i - 1].presents;
            fewest = std::min(fewest, steps);
            most = std::max(most, steps);
        }
        QVERIFY2(fewest >= 1 && most - fewest <= 1, qPrintable(QStringLiteral("%1 to %2 steps").arg(fewest).arg(most)));
    }
};

QTEST_GUILESS_MAIN(AnimationFramesTest)
#include "tst_animation_frames.moc"
