#pragma once

#include "ReadingWindow.h"

class QLabel;

namespace app {
class PictureBox;
class Shape;
} // namespace app

namespace reading {

// The main window, where every reading starts.
class frmMain final : public ReadingWindow {
    Q_OBJECT
public:
    explicit frmMain(app::Program &program);

    QFrame *const Frame1;
    QLabel *const Label1;
    QFrame *const picMessage;
    QLabel *const pi;
    app::Shape *const shp1;
    app::Shape *const shp2;
    app::Shape *const shp3;
    app::Shape *const shp4;
    app::PictureBox *const picMain;
    QLabel *const lblCaption;
    QFrame *const Frame5;
    app::LinkLabel *const Label2;

    QAction *const mnuExit;

    void picMain_Click();
    void Label2_Click();
    void mnuExit_Click();

protected:
    void Form_Load() override;

private:
    void lookAndLayout();
};

} // namespace reading
