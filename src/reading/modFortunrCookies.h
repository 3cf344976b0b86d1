#pragma once

#include <QString>

namespace platform {
class RandomSource;
}

// The stick draw and the fortune table.
namespace reading::modFortunrCookies {

// The draw and its results, which live as long as the program.
class FortuneCookies {
public:
    explicit FortuneCookies(platform::RandomSource &random);

    // Draws one of the 78 sticks with a value r in [0, 1) of the program's
    // random source, in the language the program speaks. A value outside
    // [0, 1) draws none, and leaves the last results as they were.
    void DrawStick();

    qint16 intStickNumber() const { return m_intStickNumber; }
    const QString &strFortuneText() const { return m_strFortuneText; }

private:
    platform::RandomSource &m_random;
    qint16 m_intStickNumber = 0;
    QString m_strFortuneText;
};

} // namespace reading::modFortunrCookies
