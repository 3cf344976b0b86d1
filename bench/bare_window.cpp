// The yardstick for the program's launch and memory: a bare Qt Widgets window,
// one QLabel the size of the program's main window (438 x 335 pixels, its
// outer size with the menu bar), shown as the program shows its main window.

#include <QApplication>
#include <QLabel>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel window(u"Bare Qt window"_s);
    window.setWindowTitle(u"Bare Qt window"_s);
    window.setAlignment(Qt::AlignCenter);
    window.setFixedSize(438, 335);
    window.show();
    return application.exec();
}
