// The yardstick for the program's launch and memory: a bare Qt Widgets window,
// one QLabel the size of the program's main window (438 x 335 pixels, its
// outer size with the menu bar), shown as the program shows its main window.
//
//   bench_bare_window [--text TEXT]
//
// --text TEXT  shows TEXT instead of "Bare Qt window": a line in the language
//              being measured, so that the fonts that draw it are loaded.

#include <QApplication>
#include <QLabel>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QString text = u"Bare Qt window"_s;
    if (argc == 3 && std::strcmp(argv[1], "--text") == 0)
        text = QString::fromUtf8(argv[2]);
    else if (argc != 1)
        return 2;
    QApplication application(argc, argv);
    QLabel window(text);
    window.setWindowTitle(u"Bare Qt window"_s);
    window.setAlignment(Qt::AlignCenter);
    window.setFixedSize(438, 335);
    window.show();
    return application.exec();
}
