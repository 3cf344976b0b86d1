#pragma once

#include <QString>

namespace platform {
class RandomSource;
}

// The stick draw and the fortune table.
namespace reading::modFortunrCookies {

inline constexpr int StickCount = 78;

// The stick that a value r in [0, 1) of the random source draws, 1 to 78; 0,
// which no stick bears, for a value outside [0, 1).
int StickFor(float r);

// The fortune of a stick, in the language the program speaks; empty for a
// number that no stick bears.
QString Fortune(int stick);

// The draw and its results, which live as long as the program.
class FortuneCookies {
public:
    explicit FortuneCookies(platform::RandomSource &random);

    // Draws a stick from the program's random source. A value that falls
    // outside the table leaves the last results as they were.
    void DrawStick();

    qint16 intStickNumber() const { return m_intStickNumber; }
    const QString &strFortuneText() const { return m_strFortuneText; }

private:
    platform::RandomSource &m_random;
    qint16 m_intStickNumber = 0;
    QString m_strFortuneText;
};

} // namespace reading::modFortunrCookies
