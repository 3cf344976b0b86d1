#include "forms/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(forms::Message::Icon)
Q_DECLARE_METATYPE(forms::Message::Buttons)

// The kit's message boxes: what they show and what they answer. Where they
// open, in front of the farewell window that stays on top and owned by it, the
// end-to-end farewell and second-copy tests see with a window manager.
class tst_MessageBoxes : public QObject {
    Q_OBJECT
private slots:
    void boxShowsItsMessageAndAnswersKeys_data();
    void boxShowsItsMessageAndAnswersKeys();
};

// A lone carriage return parts lines; a question's default answer is Yes.
void tst_MessageBoxes::boxShowsItsMessageAndAnswersKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<forms::Message::Icon>("icon");
    QTest::addColumn<forms::Message::Buttons>("buttons");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<forms::Answer>("answer");
    using Icon = forms::Message::Icon;
    using Buttons = forms::Message::Buttons;
    QTest::newRow("error, OK by Enter")
        << u"one\rtwo"_s << Icon::Error << Buttons::Ok << int(Qt::Key_Return) << u"one\ntwo"_s
        << QMessageBox::Critical << forms::Answer::Ok;
    QTest::newRow("question, Enter")
        << u"?"_s << Icon::Information << Buttons::YesNo << int(Qt::Key_Return) << u"?"_s
        << QMessageBox::Information << forms::Answer::Yes;
    QTest::newRow("question, Escape")
        << u"?"_s << Icon::Information << Buttons::YesNo << int(Qt::Key_Escape) << u"?"_s
        << QMessageBox::Information << forms::Answer::No;
}

void tst_MessageBoxes::boxShowsItsMessageAndAnswersKeys()
{
    QFETCH(QString, text);
    QFETCH(forms::Message::Icon, icon);
    QFETCH(forms::Message::Buttons, buttons);
    QFETCH(int, key);
    QFETCH(QString, shown);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(forms::Answer, answer);
    forms::MessageBoxes boxes;
    QTimer::singleShot(0, [&] {
        // A failing check must never leave the test waiting on the box.
        const auto close = qScopeGuard([] {
            if (auto *const open = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                open->reject();
        });
        auto *const box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->text(), shown);
        QCOMPARE(box->windowTitle(), u"LV Sortilo"_s);
        QCOMPARE(box->icon(), shownIcon);
        QTest::keyClick(box, Qt::Key(key));
    });
    QCOMPARE(boxes.ask({text, u"LV Sortilo"_s, icon, buttons}), answer);
}

QTEST_MAIN(tst_MessageBoxes)
#include "tst_MessageBoxes.moc"
