#include "FakePlatform.h"
#include "platform/QtPlatform.h"
#include "reading/WaitSeconds.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

class tst_WaitSeconds : public QObject {
    Q_OBJECT
private slots:
    void returnsOnlyOnceItsLengthHasPassed_data();
    void returnsOnlyOnceItsLengthHasPassed();
    void waitsOnTheRealClockWithoutBusyLooping();
};

// The fake clock moves in steps, each one an event that the wait must handle
// as it comes; no time at all, or less, is no wait.
void tst_WaitSeconds::returnsOnlyOnceItsLengthHasPassed_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QList<int>>("stepsMs");
    QTest::addColumn<int>("stepsTaken");
    QTest::newRow("zero") << 0 << QList<int>{5000} << 0;
    QTest::newRow("negative") << -5 << QList<int>{5000} << 0;
    QTest::newRow("three seconds in one step") << 3 << QList<int>{3000, 5000} << 1;
    QTest::newRow("three seconds, one short first") << 3 << QList<int>{2999, 1, 5000} << 2;
    QTest::newRow("equality ends the wait") << 1 << QList<int>{500, 500, 5000} << 2;
    QTest::newRow("past the length") << 2 << QList<int>{1000, 1500, 5000} << 2;
}

void tst_WaitSeconds::returnsOnlyOnceItsLengthHasPassed()
{
    QFETCH(int, seconds);
    QFETCH(QList<int>, stepsMs);
    QFETCH(int, stepsTaken);
    fake::Clock clock;
    int taken = 0;
    QTimer stepper;
    stepper.setInterval(5);
    connect(&stepper, &QTimer::timeout, [&] {
        if (taken < stepsMs.size())
            clock.now += std::chrono::milliseconds(stepsMs[taken++]);
    });
    stepper.start();
    reading::WaitSeconds(qint16(seconds), clock);
    QCOMPARE(taken, stepsTaken);
}

void tst_WaitSeconds::waitsOnTheRealClockWithoutBusyLooping()
{
    platform::SystemClock clock;
    QElapsedTimer elapsed;
    elapsed.start();
    const std::clock_t processorBefore = std::clock();
    reading::WaitSeconds(1, clock);
    const auto processorMs = (std::clock() - processorBefore) * 1000 / CLOCKS_PER_SEC;
    QVERIFY2(elapsed.elapsed() >= 1000, qPrintable(QString::number(elapsed.elapsed())));
    // A busy loop would spend the whole second on the processor.
    QVERIFY2(processorMs < 500, qPrintable(QString::number(processorMs)));
}

QTEST_GUILESS_MAIN(tst_WaitSeconds)
#include "tst_WaitSeconds.moc"
