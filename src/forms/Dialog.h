#pragma once

#include <QDialog>

namespace forms {

class CentredPlacement;

// A window opened from another, over its middle: Qt keeps it in front of its
// opener and, shown with exec(), blocks the opener until it closes. Esc closes
// it and Enter presses its default button.
class Dialog : public QDialog {
    Q_OBJECT
public:
    Dialog(const QString &name, QSize size, QWidget *opener);

    // Gives the dialog the keyboard as it appears, and the opener as it goes: a
    // window manager would mostly do both; without one, nothing else does.
    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    CentredPlacement *m_placement;
};

} // namespace forms
