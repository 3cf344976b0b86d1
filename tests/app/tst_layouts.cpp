#include "links/frmAbout.h"
#include "ProgramRun.h"
#include "reading/frmDisplay.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Where a label's text does not fit the box the design gives it, or spills
// out of its container.
QStringList textsThatDoNotFit(QWidget *window)
{
    QStringList faults;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isHidden() || label->text().isEmpty())
            continue;
        const QRect box = label->contentsRect();
        // Top-aligned text uses the top of its box only.
        const int usedHeight =
            label->wordWrap() ? label->heightForWidth(box.width()) : label->fontMetrics().height();
        QRect used = box.translated(label->pos());
        if (label->alignment() & Qt::AlignTop)
            used.setHeight(qMin(used.height(), usedHeight));
        if (!label->parentWidget()->rect().contains(used))
            faults.append(label->objectName() + u" spills out of its container"_s);
        const bool fits =
            label->wordWrap()
                ? label->heightForWidth(box.width()) <= box.height()
                : label->fontMetrics().horizontalAdvance(label->text()) <= box.width() &&
                      label->fontMetrics().height() <= box.height();
        if (!fits)
            faults.append(label->objectName() + u" is cut: "_s + label->text());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->sizeHint().width() > button->width())
            faults.append(button->objectName() + u" is cut: "_s + button->text());
    return faults;
}

} // namespace

// Every text of every window fits the place the design gives it, in the font
// that stands in for Verdana.
class tst_layouts : public QObject {
    Q_OBJECT
private slots:
    void mainWindowTextsFit();
    void resultsWindowTextsFit_data();
    void resultsWindowTextsFit();
    void aboutWindowTextsFit();
    void farewellWindowTextsFit_data();
    void farewellWindowTextsFit();
    void picturesAreDrawn_data();
    void picturesAreDrawn();
};

void tst_layouts::mainWindowTextsFit()
{
    ProgramRun run;
    run.start();
    {
        const QStringList faults = textsThatDoNotFit(&run.program.frmMain.load());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
    QCOMPARE(run.program.frmMain.load().client()->size(), QSize(438, 317));
}

void tst_layouts::resultsWindowTextsFit_data()
{
    QTest::addColumn<int>("stick");
    for (int stick = 1; stick <= 78; ++stick)
        QTest::addRow("stick %d", stick) << stick;
}

void tst_layouts::resultsWindowTextsFit()
{
    QFETCH(int, stick);
    ProgramRun run;
    run.platform.random.values = {(stick - 0.5f) / 78};
    run.start();
    run.read(child<QAbstractButton>(&run.program.frmMain.load(), "picMain"));
    auto *const display = run.program.frmDisplay.ifLoaded();
    QCOMPARE(child<QLabel>(display, "lblStick")->text(), QString::number(stick));
    {
        const QStringList faults = textsThatDoNotFit(display);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
    QCOMPARE(display->client()->size(), QSize(578, 352));
}

void tst_layouts::aboutWindowTextsFit()
{
    ProgramRun run;
    run.start();
    auto &about = run.program.frmAbout.load();
    {
        const QStringList faults = textsThatDoNotFit(&about);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
}

void tst_layouts::farewellWindowTextsFit_data()
{
    QTest::addColumn<float>("r");
    for (int message = 0; message < referral::frmNagScreen2::SupportMessageCount; ++message)
        QTest::addRow("support message %d", message) << (message + 0.5f) / 4;
}

void tst_layouts::farewellWindowTextsFit()
{
    QFETCH(float, r);
    ProgramRun run;
    run.platform.random.values = {r};
    run.start();
    auto &farewell = run.program.frmNagScreen2.load();
    {
        const QStringList faults = textsThatDoNotFit(&farewell);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
    QCOMPARE(farewell.client()->size(), QSize(741, 315));
}

void tst_layouts::picturesAreDrawn_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("sticks in the main window") << u"frmMain"_s << u"picMain"_s << QSize(130, 96);
    QTest::newRow("icon in the about window") << u"frmAbout"_s << u"Picture1"_s << QSize(32, 32);
    QTest::newRow("icon in the farewell window")
        << u"frmNagScreen2"_s << u"Picture1"_s << QSize(32, 32);
}

// Each picture comes out at its own size, and holds a picture rather than a
// blank: most of the sticks are red, most of the icon is not transparent.
void tst_layouts::picturesAreDrawn()
{
    QFETCH(QString, window);
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    ProgramRun run;
    run.start();
    QWidget *const form = window == u"frmMain" ? static_cast<QWidget *>(&run.program.frmMain.load())
                          : window == u"frmAbout"
                              ? static_cast<QWidget *>(&run.program.frmAbout.load())
                              : &run.program.frmNagScreen2.load();
    auto *const box = form->findChild<QWidget *>(picture);
    const QImage shot = box->grab().toImage();
    QRect drawn;
    int red = 0;
    const QColor background = shot.pixelColor(0, 0);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor colour = shot.pixelColor(x, y);
            if (colour == background)
                continue;
            drawn |= QRect(x, y, 1, 1);
            red += colour.red() > 150 && colour.green() < 110 && colour.blue() < 110;
        }
    // No larger than the picture (the sticks' border aside), and not much
    // smaller: the icon leaves a little of its square transparent.
    QVERIFY2(drawn.width() <= size.width() + 2 && drawn.height() <= size.height() + 2 &&
                 drawn.height() >= size.height() * 3 / 4,
             qPrintable(u"%1x%2"_s.arg(drawn.width()).arg(drawn.height())));
    QVERIFY2(red > size.width() * size.height() / 20, qPrintable(QString::number(red)));
}

QTEST_MAIN(tst_layouts)
#include "tst_layouts.moc"
