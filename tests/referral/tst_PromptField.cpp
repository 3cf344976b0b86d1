#include "FarewellWindow.h"
#include "ProgramRun.h"
#include "referral/frmNagScreen2.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace farewell;
using referral::frmNagScreen2;

// The farewell window's fields as the user types in them: each shows its own
// prompt while it is empty, and the e-mail fields refuse a typed space.
class tst_PromptField : public QObject {
    Q_OBJECT
private slots:
    void fieldShowsPromptOnlyWhileEmpty_data();
    void fieldShowsPromptOnlyWhileEmpty();
    void spaceTypedIntoEmailFieldIsRefused_data();
    void spaceTypedIntoEmailFieldIsRefused();
    void textNeverLandsInPrompt_data();
    void textNeverLandsInPrompt();
    void pastedTextGoesOutAsPasted_data();
    void pastedTextGoesOutAsPasted();
    void promptsAreDimmedTypedTextIsNot();
};

// A field is entered and left by Tab or by a click elsewhere; `initial` null
// leaves it as the window loaded it. The message field is reached by Tab only,
// as it lies outside the visible part of its frame.
void tst_PromptField::fieldShowsPromptOnlyWhileEmpty_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("enterByTab");
    QTest::addColumn<QString>("onEntering");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leaveByTab");
    QTest::addColumn<QString>("onLeaving");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("awayMeanwhile");
    const QString asLoaded;
    const auto row = [](const char *name, const char *field, const QString &initial,
                        bool enterByTab, const QString &onEntering, const QString &typed,
                        bool leaveByTab, const QString &onLeaving,
                        const QString &language = u"English"_s, bool awayMeanwhile = false) {
        QTest::newRow(name) << QString::fromLatin1(field) << initial << enterByTab << onEntering
                            << typed << leaveByTab << onLeaving << language << awayMeanwhile;
    };
    row("name prompt goes and comes back", "txtName", asLoaded, true, u""_s, u""_s, true,
        u"Your Name"_s);
    row("e-mail prompt goes and comes back", "txtEmail", asLoaded, false, u""_s, u""_s, false,
        u"Your Email Address"_s);
    row("friend's name prompt goes and comes back", "txtFriendName", asLoaded, false, u""_s, u""_s,
        true, u"Friend's Name"_s);
    row("friend's e-mail prompt goes and comes back", "txtFriendEmail", asLoaded, true, u""_s,
        u""_s, false, u"Friend's Email Address"_s);
    row("typed name stays", "txtName", asLoaded, false, u""_s, u"Ann Lee"_s, true, u"Ann Lee"_s);
    row("typed spaces only give the prompt", "txtName", asLoaded, false, u""_s, u"   "_s, true,
        u"Your Name"_s);
    row("prompt with spaces around it goes", "txtName", u"  Your Name  "_s, false, u""_s, u""_s,
        false, u"Your Name"_s);
    row("spaces only stay on entering, prompt on leaving", "txtFriendName", u"   "_s, true,
        u"   "_s, u""_s, true, u"Friend's Name"_s);
    row("prompt in small letters stays", "txtName", u"your name"_s, false, u"your name"_s, u""_s,
        true, u"your name"_s);
    row("prompt with more words stays", "txtFriendName", u"Friend's Name Here"_s, false,
        u"Friend's Name Here"_s, u""_s, false, u"Friend's Name Here"_s);
    row("another field's prompt stays", "txtName", u"Friend's Name"_s, true, u"Friend's Name"_s,
        u""_s, true, u"Friend's Name"_s);
    row("spaces around an entry stay", "txtName", u"  Ann  "_s, false, u"  Ann  "_s, u""_s, true,
        u"  Ann  "_s);
    row("tab before the prompt is content", "txtName", u"\tYour Name"_s, true, u"\tYour Name"_s,
        u""_s, true, u"\tYour Name"_s);
    row("tab alone is content", "txtEmail", u"\t"_s, false, u"\t"_s, u""_s, false, u"\t"_s);
    // The message's prompt as loaded ends in a line break, which makes it an entry.
    row("message as loaded keeps its line break", "txtMessage", asLoaded, true,
        u"Your Message\r\n"_s, u""_s, true, u"Your Message\r\n"_s);
    row("emptied message gets the prompt without line break", "txtMessage", u""_s, true, u""_s,
        u""_s, true, u"Your Message"_s);
    row("message prompt without line break goes", "txtMessage", u"Your Message"_s, true, u""_s,
        u""_s, false, u"Your Message"_s);
    row("message prompt with spaces around it goes", "txtMessage", u"  Your Message "_s, true,
        u""_s, u""_s, true, u"Your Message"_s);
    row("message of a line break alone stays", "txtMessage", u"\n"_s, true, u"\n"_s, u""_s, true,
        u"\n"_s);
    row("message of spaces only gets the prompt", "txtMessage", u"   "_s, true, u"   "_s, u""_s,
        true, u"Your Message"_s);
    row("typed message stays", "txtMessage", u"Your Message"_s, true, u""_s, u"Hello Bob"_s, true,
        u"Hello Bob"_s);
    // The prompts are those of the language shown.
    row("Chinese name prompt goes and comes back", "txtName", asLoaded, true, u""_s, u""_s, true,
        u"您的姓名"_s, u"zh_TW"_s);
    row("Chinese e-mail prompt goes and comes back", "txtFriendEmail", asLoaded, false, u""_s,
        u""_s, true, u"朋友的电子邮箱地址"_s, u"zh_CN"_s);
    row("English prompt is content where Chinese is shown", "txtEmail", u"Your Email Address"_s,
        false, u"Your Email Address"_s, u""_s, false, u"Your Email Address"_s, u"zh_TW"_s);
    row("Chinese message prompt without line break goes", "txtMessage", u"您的留言"_s, true, u""_s,
        u""_s, true, u"您的留言"_s, u"zh_CN"_s);
    // The user goes to another program and comes back before leaving the
    // field: the field is not left meanwhile.
    row("typed spaces stay while in another program", "txtName", asLoaded, false, u""_s, u"   "_s,
        true, u"Your Name"_s, u"English"_s, true);
    row("emptied field shows no prompt while in another program", "txtFriendEmail", asLoaded, true,
        u""_s, u""_s, false, u"Friend's Email Address"_s, u"English"_s, true);
}

void tst_PromptField::fieldShowsPromptOnlyWhileEmpty()
{
    QFETCH(QString, field);
    QFETCH(QString, initial);
    QFETCH(bool, enterByTab);
    QFETCH(QString, onEntering);
    QFETCH(QString, typed);
    QFETCH(bool, leaveByTab);
    QFETCH(QString, onLeaving);
    QFETCH(QString, language);
    QFETCH(bool, awayMeanwhile);
    const SpokenLanguage spoken(language);
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QWidget *const target = child<QWidget>(farewell, qPrintable(field));
    if (!initial.isNull())
        setTextOf(target, initial);

    if (enterByTab)
        QVERIFY(tabTo(target));
    else
        QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(focused(), target);
    // Typed at once, before the event loop has run on: the keys reach the
    // field as entering left it.
    QTest::keyClicks(focused(), typed);
    QTRY_COMPARE(textOf(target), onEntering + typed);
    if (awayMeanwhile) {
        QWidget otherProgram;
        QVERIFY(showActive(&otherProgram));
        QCOMPARE(textOf(target), onEntering + typed);
        QVERIFY(showActive(farewell));
        QCOMPARE(focused(), target);
        QCOMPARE(textOf(target), onEntering + typed);
    }

    QWidget *const elsewhere = target == child<QLineEdit>(farewell, "txtName")
                                   ? child<QLineEdit>(farewell, "txtEmail")
                                   : child<QLineEdit>(farewell, "txtName");
    if (leaveByTab)
        QTest::keyClick(focused(), Qt::Key_Tab);
    else
        QTest::mouseClick(elsewhere, Qt::LeftButton);
    QVERIFY(focused() != target);
    QCOMPARE(textOf(target), onLeaving);
    QVERIFY(run.platform.messages.shown.isEmpty());
}

void tst_PromptField::spaceTypedIntoEmailFieldIsRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("refused");
    QTest::newRow("own e-mail") << u"txtEmail"_s << true;
    QTest::newRow("friend's e-mail") << u"txtFriendEmail"_s << true;
    // Spaces typed into the own name and the message are kept in
    // fieldShowsPromptOnlyWhileEmpty.
    QTest::newRow("friend's name") << u"txtFriendName"_s << false;
}

void tst_PromptField::spaceTypedIntoEmailFieldIsRefused()
{
    QFETCH(QString, field);
    QFETCH(bool, refused);
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QWidget *const target = child<QWidget>(farewell, qPrintable(field));
    QVERIFY(tabTo(target));
    clearByKeys();
    QStringList textsWhileShown;
    run.platform.messages.whileShown = [&](const forms::Message &) {
        textsWhileShown.append(textOf(target));
    };

    QTest::keyClicks(focused(), u"a b "_s);

    QCOMPARE(focused(), target);
    if (!refused) {
        QCOMPARE(textOf(target), u"a b "_s);
        QVERIFY(run.platform.messages.shown.isEmpty());
        return;
    }
    QCOMPARE(textOf(target), u"ab"_s);
    QCOMPARE(textsWhileShown, (QStringList{u"a"_s, u"ab"_s}));
    for (const forms::Message &shown : std::as_const(run.platform.messages.shown)) {
        QCOMPARE(shown.text, u"Email Address Cannot Contain Space"_s);
        QCOMPARE(shown.title, u"LV Sortilo"_s);
        QCOMPARE(shown.icon, forms::Message::Icon::Error);
        QCOMPARE(shown.buttons, forms::Message::Buttons::Ok);
        QCOMPARE(shown.owner, farewell);
    }
}

// Text that reaches a field still showing its prompt replaces it, whatever
// brings it, and however soon after the click: each way is tried before the
// event loop runs on. The message field shows its prompt once emptied.
void tst_PromptField::textNeverLandsInPrompt_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("windowActive");
    const auto row = [](const char *field, const char *how, bool windowActive = true) {
        QTest::addRow("%s, %s%s", field, how, windowActive ? "" : ", window not active")
            << QString::fromLatin1(field) << QString::fromLatin1(how) << windowActive;
    };
    row("txtName", "Ctrl+V");
    row("txtName", "input method");
    // The mouse and drops reach the message field's viewport.
    for (const char *field : {"txtName", "txtMessage"}) {
        row(field, "context menu's Paste");
        row(field, "middle button");
        row(field, "drop after a click");
        row(field, "drop without a click");
    }
    row("txtEmail", "typed", false);
    row("txtEmail", "middle button", false);
    row("txtMessage", "context menu's Paste", false);
}

void tst_PromptField::textNeverLandsInPrompt()
{
    QFETCH(QString, field);
    QFETCH(QString, how);
    QFETCH(bool, windowActive);
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    QWidget *const target = child<QWidget>(farewell, qPrintable(field));
    QWidget *const mouseTarget = mouseTargetOf(target);
    const QString prompt = field == u"txtName"    ? u"Your Name"_s
                           : field == u"txtEmail" ? u"Your Email Address"_s
                                                  : u"Your Message"_s;
    setTextOf(target, prompt);
    const QString pasted = u"ann@example.com"_s;
    QApplication::clipboard()->setText(pasted);
    std::unique_ptr<QWidget> otherWindow;
    // The window is left from within another field, whose prompt comes back
    // once the click has moved the focus on.
    QLineEdit *const friendName = child<QLineEdit>(farewell, "txtFriendName");
    if (!windowActive) {
        QTest::mouseClick(friendName, Qt::LeftButton);
        QCOMPARE(friendName->text(), QString());
        otherWindow = std::make_unique<QWidget>();
        QVERIFY(showActive(otherWindow.get()));
    }
    // Each way ends with the text in the field, or for the middle button with
    // the primary selection where the system has one, and none here.
    QString expected = pasted;
    // A drag enters the field, then drops.
    const auto drop = [&] {
        QMimeData data;
        data.setText(pasted);
        const QPoint centre = mouseTarget->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(mouseTarget, &enter);
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(mouseTarget, &drop);
    };
    if (how == u"Ctrl+V") {
        QTest::mouseClick(mouseTarget, Qt::LeftButton);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else if (how == u"typed") {
        QTest::mouseClick(mouseTarget, Qt::LeftButton);
        QTest::keyClicks(target, pasted);
    } else if (how == u"context menu's Paste") {
        const auto closeMenus = qScopeGuard([] {
            while (QWidget *const popup = QApplication::activePopupWidget())
                popup->close();
        });
        QTest::mouseClick(mouseTarget, Qt::RightButton);
        // The window system asks for the menu, where the test's click does not.
        if (!QApplication::activePopupWidget()) {
            const QPoint centre = mouseTarget->rect().center();
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, centre,
                                        mouseTarget->mapToGlobal(centre));
            QCoreApplication::sendEvent(mouseTarget, &menuEvent);
        }
        auto *const menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *const action : menu->actions())
            if (action->text().startsWith(u"&Paste"_s))
                paste = action;
        QVERIFY(paste);
        paste->trigger();
    } else if (how == u"middle button") {
        QTest::mouseClick(mouseTarget, Qt::MiddleButton);
        expected = QApplication::clipboard()->supportsSelection()
                       ? QApplication::clipboard()->text(QClipboard::Selection)
                       : QString();
    } else if (how == u"drop after a click") {
        QTest::mouseClick(mouseTarget, Qt::LeftButton);
        drop();
    } else if (how == u"drop without a click") {
        drop();
    } else if (how == u"input method") {
        QTest::mouseClick(mouseTarget, Qt::LeftButton);
        QInputMethodEvent event;
        event.setCommitString(pasted);
        QCoreApplication::sendEvent(target, &event);
    } else {
        QFAIL(qPrintable(u"no way called "_s + how));
    }

    QCOMPARE(textOf(target), expected);
    if (!windowActive)
        QVERIFY(showActive(farewell));
    QCoreApplication::processEvents();
    QCOMPARE(textOf(target), expected);
    QCOMPARE(friendName->text(), u"Friend's Name"_s);
}

// What is pasted goes out exactly so: every character, every kind of line
// break; a single-line field, which holds at most 32,767 UTF-16 code units,
// cuts a longer paste between two characters, never inside one.
void tst_PromptField::pastedTextGoesOutAsPasted_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("sent");
    const QString message =
        u"no-break\u00a0space, lone LF\nlone CR\rCR LF\r\nline\u2028paragraph\u2029end"_s;
    QTest::newRow("message with every kind of line break") << u"txtMessage"_s << message << message;
    QTest::newRow("message of a no-break space") << u"txtMessage"_s << u"\u00a0"_s << u"\u00a0"_s;
    QTest::newRow("message of its prompt between no-break spaces")
        << u"txtMessage"_s << u"\u00a0Your Message\u00a0"_s << u"\u00a0Your Message\u00a0"_s;
    QTest::newRow("message with its line breaks at both ends")
        << u"txtMessage"_s << u"\n\rHi\r\n\u2029"_s << u"\n\rHi\r\n\u2029"_s;
    const QString fill(32'766, u'x');
    const QString emoji = u"\U0001F600"_s;
    QTest::newRow("name whose last character would not fit whole")
        << u"txtName"_s << fill + emoji + u"y"_s << fill;
    QTest::newRow("name whose last character just fits")
        << u"txtName"_s << fill.left(32'765) + emoji + u"y"_s << fill.left(32'765) + emoji;
    // Only typed spaces are refused in an e-mail field.
    QTest::newRow("e-mail with pasted spaces")
        << u"txtEmail"_s << u"ann @ example.com"_s << u"ann @ example.com"_s;
    QTest::newRow("name with a no-break space")
        << u"txtName"_s << u"Ann\u00a0Lee"_s << u"Ann\u00a0Lee"_s;
}

void tst_PromptField::pastedTextGoesOutAsPasted()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, sent);
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    child<QLineEdit>(farewell, "txtName")->setText(u"Ann"_s);
    child<QLineEdit>(farewell, "txtEmail")->setText(u"ann@example.com"_s);
    child<QLineEdit>(farewell, "txtFriendName")->setText(u"Bob"_s);
    child<QLineEdit>(farewell, "txtFriendEmail")->setText(u"bob@example.org"_s);
    QWidget *const target = child<QWidget>(farewell, qPrintable(field));
    QVERIFY(tabTo(target));
    clearByKeys();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(textOf(target), sent);
    // Cut and pasted back, it stays the same.
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(textOf(target), QString());
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(textOf(target), sent);

    QTest::mouseClick(child<QPushButton>(farewell, "cmdSubmit"), Qt::LeftButton);

    QCOMPARE(run.platform.messages.texts(), QStringList());
    QCOMPARE(run.platform.browser.opened.size(), 1);
    const QString key = field == u"txtMessage" ? u"taf3"_s
                        : field == u"txtEmail" ? u"taf2"_s
                                               : u"taf1"_s;
    QCOMPARE(queryValue(run.platform.browser.opened.first(), key), sent);
}

// An untouched form must not look filled in.
void tst_PromptField::promptsAreDimmedTypedTextIsNot()
{
    ProgramRun run;
    frmNagScreen2 *const farewell = showFarewell(run);
    QVERIFY(farewell);
    const auto colour = [](QWidget *field) { return field->palette().color(QPalette::Text); };
    const QColor dimmed =
        child<QLineEdit>(farewell, "txtName")->palette().color(QPalette::PlaceholderText);
    QCOMPARE(colour(child<QLineEdit>(farewell, "txtName")), dimmed);
    QCOMPARE(colour(child<QLineEdit>(farewell, "txtFriendEmail")), dimmed);
    // Not a prompt: the message's first line ends in a line break.
    QVERIFY(colour(child<QPlainTextEdit>(farewell, "txtMessage")) != dimmed);
    QVERIFY(tabTo(child<QLineEdit>(farewell, "txtName")));
    QTest::keyClicks(focused(), u"Ann"_s);
    QVERIFY(colour(child<QLineEdit>(farewell, "txtName")) != dimmed);
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focused(), Qt::Key_Delete);
    QVERIFY(tabTo(child<QLineEdit>(farewell, "txtEmail")));
    QCOMPARE(child<QLineEdit>(farewell, "txtName")->text(), u"Your Name"_s);
    QCOMPARE(colour(child<QLineEdit>(farewell, "txtName")), dimmed);
    // Dimmed in the new colours when the desktop changes its colour scheme.
    const QPalette before = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    QPalette dark = before;
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(0xA0A0A0));
    QApplication::setPalette(dark);
    QTRY_COMPARE(colour(child<QLineEdit>(farewell, "txtName")), QColor(0xA0A0A0));
}

QTEST_MAIN(tst_PromptField)
#include "tst_PromptField.moc"
