#pragma once

class QWidget;

// What screen readers find of the program's windows, beyond what Qt's own
// controls tell them.
namespace forms {

// Makes the kit's accessible interfaces known to Qt; the first window does it.
//  - A link label is a link, named by its text, that can be pressed.
//  - A band (a plain frame that holds controls) is a group, presented by its
//    name when the focus enters it, or a pane if it has no name; never a
//    window of its own inside the window.
//  - A region announced when shown is a notification.
void installAccessibility();

// A region of a window whose contents a screen reader reads out unasked when
// the region comes into view: when it is shown while its window is on screen,
// and when its window, newly shown, becomes the active window. Its name holds
// its title and then what it shows, in reading order, so that it is read as a
// whole. To be called when the region is made.
void announceWhenShown(QWidget *region);

// Tells screen readers that the controls of a window that was just shown are
// showing now; Qt tells them only about the window. A screen reader that met
// the controls while the window was hidden would otherwise go on skipping
// them. Announced regions are left to announceShownRegions().
void tellControlsShown(QWidget *window);

// Reads out the announced regions of a window that are showing.
void announceShownRegions(QWidget *window);

} // namespace forms
