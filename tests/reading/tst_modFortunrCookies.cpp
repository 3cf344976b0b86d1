#include "FakePlatform.h"
#include "platform/QtPlatform.h"
#include "reading/modFortunrCookies.h"

#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using modFortunrCookies::FortuneCookies;

class tst_modFortunrCookies : public QObject {
    Q_OBJECT
private slots:
    void drawGivesStickAndSentence_data();
    void drawGivesStickAndSentence();
    void valueOutsideRangeKeepsLastDraw_data();
    void valueOutsideRangeKeepsLastDraw();
    void nothingDrawnBeforeFirstDraw();
    void drawNeverReseedsAndTakesOneValue();
    void tableHoldsSeventyEightSentencesAndEmptySlotZero();
    void drawsAreUniformOverManyDraws();
};

void tst_modFortunrCookies::drawGivesStickAndSentence_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("stick");
    QTest::addColumn<QString>("sentence");
    const float largestBelowOne = 1.0f - std::ldexp(1.0f, -24);
    QTest::newRow("zero") << 0.0f << 1 << u"You will hear some good news soon."_s;
    QTest::newRow("just below 1/78")
        << std::nextafter(1.0f / 78, 0.0f) << 1 << u"You will hear some good news soon."_s;
    QTest::newRow("half") << 0.5f << 40
                          << u"You will receive a message which will create temporary trouble "
                             u"for you."_s;
    QTest::newRow("longest sentence") << 59.5f / 78 << 60
                                      << u"You will receive unexpected financial gain when you "
                                         u"least expect it but most need it."_s;
    QTest::newRow("largest below one") << largestBelowOne << 78
                                       << u"Opportunity will knock on your doors. Do not let it "
                                          u"go."_s;
}

void tst_modFortunrCookies::drawGivesStickAndSentence()
{
    QFETCH(float, r);
    QFETCH(int, stick);
    QFETCH(QString, sentence);
    fake::Random random;
    random.values = {r};
    FortuneCookies cookies(random);
    cookies.DrawStick();
    QCOMPARE(cookies.intStickNumber(), stick);
    QCOMPARE(cookies.strFortuneText(), sentence);
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
    QCOMPARE(cookies.strFortuneText(), u"You will hear some good news soon."_s);
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
    QCOMPARE(cookies.intStickNumber(), modFortunrCookies::StickFor(0.2f));
}

void tst_modFortunrCookies::tableHoldsSeventyEightSentencesAndEmptySlotZero()
{
    const auto &table = modFortunrCookies::FortuneTable();
    QCOMPARE(table.size(), 79u);
    QVERIFY(table[0].isEmpty());
    for (std::size_t stick = 1; stick < table.size(); ++stick) {
        QVERIFY2(table[stick].endsWith(u'.'), qPrintable(table[stick]));
        for (const QChar c : table[stick])
            QVERIFY(c.unicode() >= 32 && c.unicode() < 127);
    }
    // The longest sentence, which the results window must show uncut.
    const auto longest = std::max_element(table.begin(), table.end(),
                                          [](auto &a, auto &b) { return a.size() < b.size(); });
    QCOMPARE(std::distance(table.begin(), longest), 60);
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
