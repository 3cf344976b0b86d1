#include "forms/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

// Closes every modal window still up, whatever the checks before it found: a
// failing check must never leave the test waiting on a box.
void closeModalWindows()
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        QWidget *const modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *const dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }
}

} // namespace

// The kit's message boxes: what they show, what they answer, where they open.
class tst_MessageBoxes : public QObject {
    Q_OBJECT
private slots:
    void messageBoxShowsLoneCarriageReturnAsLineBreak();
    void questionDefaultsToYes_data();
    void questionDefaultsToYes();
    void messageBoxOpensInFrontOfEverything();
};

void tst_MessageBoxes::messageBoxShowsLoneCarriageReturnAsLineBreak()
{
    forms::MessageBoxes boxes;
    QString shownText, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        const auto closeBox = qScopeGuard(closeModalWindows);
        auto *const box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownText = box->text();
        title = box->windowTitle();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    const forms::Answer answer = boxes.ask(
        {u"one\rtwo"_s, u"LV Sortilo"_s, forms::Message::Icon::Error, forms::Message::Buttons::Ok});
    QCOMPARE(answer, forms::Answer::Ok);
    QCOMPARE(shownText, u"one\ntwo"_s);
    QCOMPARE(title, u"LV Sortilo"_s);
    QCOMPARE(icon, QMessageBox::Critical);
}

void tst_MessageBoxes::questionDefaultsToYes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<forms::Answer>("answer");
    QTest::newRow("Enter") << int(Qt::Key_Return) << forms::Answer::Yes;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << forms::Answer::No;
}

void tst_MessageBoxes::questionDefaultsToYes()
{
    QFETCH(int, key);
    QFETCH(forms::Answer, answer);
    forms::MessageBoxes boxes;
    QTimer::singleShot(0, [&] {
        const auto closeBox = qScopeGuard(closeModalWindows);
        QWidget *const box = QApplication::activeModalWidget();
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key(key));
    });
    QCOMPARE(boxes.ask({u"?"_s, u"LV Sortilo"_s, forms::Message::Icon::Information,
                        forms::Message::Buttons::YesNo}),
             answer);
}

// Even in front of a window that stays on top, such as the farewell window,
// and owned by the window it speaks to.
void tst_MessageBoxes::messageBoxOpensInFrontOfEverything()
{
    QWidget onTop(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    onTop.show();
    onTop.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&onTop));
    forms::MessageBoxes boxes;
    bool inFront = false, belongsToOpener = false;
    QTimer::singleShot(0, [&] {
        const auto closeBox = qScopeGuard(closeModalWindows);
        QWidget *const box = QApplication::activeModalWidget();
        QVERIFY(box);
        inFront = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        belongsToOpener = box->windowHandle()->transientParent() == onTop.windowHandle();
        QTest::keyClick(box, Qt::Key_Return);
    });
    boxes.ask({u"Please Enter Your Name"_s, u"LV Sortilo"_s, forms::Message::Icon::Error,
               forms::Message::Buttons::Ok, &onTop});
    QVERIFY(inFront);
    QVERIFY(belongsToOpener);
}

QTEST_MAIN(tst_MessageBoxes)
#include "tst_MessageBoxes.moc"
