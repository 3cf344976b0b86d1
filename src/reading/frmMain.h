#pragma once

#include "app/Form.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;

namespace app {
class LinkLabel;
class PictureBox;
class Program;
class Shape;
} // namespace app

namespace reading {

// The main window, where every reading starts.
class frmMain final : public app::Form {
    Q_OBJECT
public:
    explicit frmMain(app::Program &program);

    QFrame *const Frame2;
    app::LinkLabel *const Label61;
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

    QMenuBar *const menuBar;
    QMenu *const mnuFile;
    QAction *const mnuExit;
    QMenu *const mnuHelp;
    QAction *const mnuOnline;
    QAction *const mnuVisit;
    QAction *const mnuHelp1;
    QAction *const mnuUpdate;
    QAction *const mnuHelp2;
    QAction *const mnuAbout;
    QAction *const mnuDonate;
    QAction *const mkmoney;

    void picMain_Click();
    void Label61_Click();
    void Label2_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mkmoney_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void lookAndLayout();
    void connectHandlers();

    app::Program &m_program;
};

} // namespace reading
