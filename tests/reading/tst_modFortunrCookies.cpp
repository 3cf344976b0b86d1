#include "FakePlatform.h"
#include "platform/QtPlatform.h"
#include "reading/modFortunrCookies.h"

#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using reading::modFortunrCookies::FortuneCookies;

class tst_modFortunrCookies : public QObject {
    Q_OBJECT
private slots:
    void drawGivesStickAndSentence_data();
    void drawGivesStickAndSentence();
    void valueOutsideRangeKeepsLastDraw_data();
    void valueOutsideRangeKeepsLastDraw();
    void nothingDrawnBeforeFirstDraw();
    void drawNeverReseedsAndTakesOneValue();
    void drawsAreUniformOverManyDraws();
};

void tst_modFortunrCookies::drawGivesStickAndSentence_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("stick");
    const float largestBelowOne = 1.0f - std::ldexp(1.0f, -24);
    QTest::newRow("zero") << 0.0f << 1;
    QTest::newRow("just below 1/78") << std::nextafter(1.0f / 78, 0.0f) << 1;
    QTest::newRow("exactly 1/78") << 1.0f / 78 << 2;
    QTest::newRow("half") << 0.5f << 40;
    QTest::newRow("largest below one") << largestBelowOne << 78;
    // Every stick once, from the middle of its share of [0, 1).
    for (int stick = 1; stick <= 78; ++stick)
        QTest::addRow("stick %d", stick) << (float(stick) - 0.5f) / 78 << stick;
}

void tst_modFortunrCookies::drawGivesStickAndSentence()
{
    QFETCH(float, r);
    QFETCH(int, stick);
    fake::Random random;
    random.values = {r};
    FortuneCookies cookies(random);
    cookies.DrawStick();
    QCOMPARE(cookies.intStickNumber(), stick);
    QCOMPARE(cookies.strFortuneText(), tabledFortune(stick));
}

void tst_modFortunrCookies::valueOutsideRangeKeepsLastDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::newRow("one") << 1.0f;
    QTest::newRow("negative") << -0.001f;
    QTest::newRow("not a number") << std::nanf("");
    QTest::newRow("infinite") << INFINITY;
}

void tst_modFortunrCookies::valueOutsideRangeKeepsLastDraw()
{
    QFETCH(float, r);
    fake::Random random;
    random.values = {0.0f, r};
    FortuneCookies cookies(random);
    cookies.DrawStick();
    cookies.DrawStick();
    QCOMPARE(cookies.intStickNumber(), 1);
    QCOMPARE(cookies.strFortuneText(), tabledFortune(1));
}

void tst_modFortunrCookies::nothingDrawnBeforeFirstDraw()
{
    fake::Random random;
    FortuneCookies cookies(random);
    QCOMPARE(cookies.intStickNumber(), 0);
    QVERIFY(cookies.strFortuneText().isEmpty());
}

void tst_modFortunrCookies::drawNeverReseedsAndTakesOneValue()
{
    fake::Random random;
    random.values = {0.1f, 0.2f, 0.3f};
    FortuneCookies cookies(random);
    cookies.DrawStick();
    cookies.DrawStick();
    QCOMPARE(random.values.size(), 1);
    QCOMPARE(random.seedings, 0);
    // The second value, 0.2, draws floor(0.2 x 78 + 1) = 16.
    QCOMPARE(cookies.intStickNumber(), 16);
}

// Chi-square over 78 sticks with the program's own generator and a fixed seed.
void tst_modFortunrCookies::drawsAreUniformOverManyDraws()
{
    fake::Clock clock;
    clock.seed = 20261207;
    platform::ClockSeededRandom random(clock);
    FortuneCookies cookies(random);
    constexpr int draws = 78 * 1000;
    std::array<int, 79> counts{};
    for (int i = 0; i < draws; ++i) {
        cookies.DrawStick();
        ++counts[std::size_t(cookies.intStickNumber())];
    }
    QCOMPARE(counts[0], 0);
    double chiSquare = 0;
    const double expected = draws / 78.0;
    for (int stick = 1; stick <= 78; ++stick)
        chiSquare += std::pow(counts[std::size_t(stick)] - expected, 2) / expected;
    // 77 degrees of freedom: exceeded by chance once in a thousand.
    QVERIFY2(chiSquare < 116.1, qPrintable(QString::number(chiSquare)));
}

QTEST_GUILESS_MAIN(tst_modFortunrCookies)
#include "tst_modFortunrCookies.moc"
