#include "QtPlatform.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace platform {

// Linux fails to start a program given an argument longer than 32 pages, the
// closing NUL included (MAX_ARG_STRLEN).
bool DesktopBrowser::canOpen(const QUrl &address) const
{
    return address.toEncoded().size() < qsizetype(sysconf(_SC_PAGESIZE)) * 32;
}

void DesktopBrowser::open(const QUrl &address)
{
    if (!canOpen(address))
        return;
    QProcess launcher;
    launcher.setProgram(u"xdg-open"_s);
    launcher.setArguments({QString::fromLatin1(address.toEncoded())});
    launcher.setStandardInputFile(QProcess::nullDevice());
    launcher.setStandardOutputFile(QProcess::nullDevice());
    launcher.setStandardErrorFile(QProcess::nullDevice());
    launcher.startDetached();
}

std::chrono::milliseconds SystemClock::monotonic() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

quint64 SystemClock::seedMaterial() const
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return quint64(QDateTime::currentMSecsSinceEpoch()) * 1000003u ^ quint64(ticks);
}

float ClockSeededRandom::next() { return float(m_engine() >> 8) / float(1 << 24); }

void ClockSeededRandom::seedFromClock()
{
    const quint64 material = m_clock.seedMaterial();
    std::seed_seq seed{quint32(material), quint32(material >> 32)};
    m_engine.seed(seed);
}

void SystemClipboard::setText(const QString &text) { QGuiApplication::clipboard()->setText(text); }

} // namespace platform
