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
};

void tst_layouts::mainWindowTextsFit()
{
    ProgramRun run;
    run.start();
    {
        const QStringList faults = textsThatDoNotFit(&*run.program.frmMain);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
    QCOMPARE(run.program.frmMain->client()->size(), QSize(438, 317));
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
    run.read(run.program.frmMain->picMain);
    auto *const display = run.program.frmDisplay.ifLoaded();
    QCOMPARE(display->lblStick->text(), QString::number(stick));
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
    auto &about = *run.program.frmAbout;
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
    auto &farewell = *run.program.frmNagScreen2;
    {
        const QStringList faults = textsThatDoNotFit(&farewell);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; "_s)));
    }
    QCOMPARE(farewell.client()->size(), QSize(741, 315));
}

QTEST_MAIN(tst_layouts)
#include "tst_layouts.moc"
