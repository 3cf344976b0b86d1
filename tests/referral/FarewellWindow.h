#pragma once

#include "forms/TextBoxes.h"
#include "ProgramRun.h"
#include "reading/frmMain.h"
#include "referral/frmNagScreen2.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QUrlQuery>

// The farewell window as the user turns to it, and the keys a user presses in it.
namespace farewell {

// Starts the program and closes its main window, which brings up the farewell
// window; then the user turns to it.
inline referral::frmNagScreen2 *showFarewell(ProgramRun &run)
{
    run.start();
    run.program.frmMain().load().close();
    referral::frmNagScreen2 *const farewell = run.program.frmNagScreen2().ifLoaded();
    if (!farewell || !farewell->isVisible())
        return nullptr;
    return showActive(farewell) ? farewell : nullptr;
}

inline QWidget *focused() { return QApplication::focusWidget(); }

// Tab from the control that has the focus until `field` has it.
inline bool tabTo(QWidget *field)
{
    for (int presses = 0; presses < 12 && focused() && focused() != field; ++presses)
        QTest::keyClick(focused(), Qt::Key_Tab);
    return focused() == field;
}

// Exactly what the field holds, every line break as it came.
inline QString textOf(QWidget *field)
{
    if (auto *const line = qobject_cast<QLineEdit *>(field))
        return line->text();
    return static_cast<forms::MultiLineTextBox *>(field)->text();
}

inline void setTextOf(QWidget *field, const QString &text)
{
    if (auto *const line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
    else
        static_cast<forms::MultiLineTextBox *>(field)->setText(text);
}

// Where the mouse reaches the field, and what is dropped on it.
inline QWidget *mouseTargetOf(QWidget *field)
{
    if (auto *const box = qobject_cast<forms::MultiLineTextBox *>(field))
        return box->viewport();
    return field;
}

inline void clearByKeys()
{
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(focused(), Qt::Key_Delete);
}

inline QString queryValue(const QUrl &address, const QString &key)
{
    return QUrlQuery(address).queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace farewell
