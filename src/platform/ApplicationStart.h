#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

#include <memory>

class QApplication;

namespace platform {

// The id of the program's desktop entry, the name of its .desktop file: docks
// and Wayland compositors match the program's windows to its menu entry by it.
QString desktopEntryId();

// The platforms to ask Qt for, or nothing where Qt's own choice stands. The
// program places its windows and keeps one on top, which Wayland leaves to the
// compositor: on a Wayland desktop it runs through XWayland (on Wayland itself
// only where there is none), unless the user chose a platform.
QByteArray windowSystemFor(const QProcessEnvironment &environment);

// The program's application object, on the window system above, known by its
// desktop entry, and given the program's path alone: none of Qt's own options
// (-reverse ...). What Qt says goes to standard error, control characters made
// harmless; where no display can be opened, a last line says why (a missing
// platform plugin, or a display that does not answer), and the status is 1.
std::unique_ptr<QApplication> startApplication(char *programPath);

} // namespace platform
