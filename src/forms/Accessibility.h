#pragma once

class QWidget;

// What screen readers find of the program's windows, beyond what Qt's own
// controls tell them.
namespace forms {

// Makes what screen readers find of the kit's links and bands (see Controls.h)
// known to Qt; the kit's windows and those controls see to it as they are made.
void installAccessibility();

// A region whose contents screen readers read out unasked as it comes into
// view: shown while its window is active, or its window, newly shown, active
// and its focus told. They read its name, then the texts it shows in reading
// order; a named group inside gives its name before its texts.
void announceWhenShown(QWidget *region);

// Reads out the announced regions of a window that are showing, together.
void announceShownRegions(QWidget *window);

// Gives the controls of a window new accessible objects, which screen readers
// meet afresh. Orca keeps what it saw of a window while it waited hidden, its
// controls not showing, and goes on skipping them in read-whole-window once
// it is shown: Qt tells it only that the window itself is showing now.
void renewAccessibleControls(QWidget *window);

} // namespace forms
