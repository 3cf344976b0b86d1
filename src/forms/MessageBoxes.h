#pragma once

#include <QString>

class QWidget;

namespace forms {

// A modal message box: the code that shows it waits for the user's answer.
struct Message {
    enum class Icon { Information, Error };
    enum class Buttons { Ok, YesNo };

    QString text;
    QString title;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
    // The window the box speaks to: the box stays in front of it, and gives
    // it the keyboard back. None while no window of the program is open.
    QWidget *owner = nullptr;
};

enum class Answer { Ok, Yes, No };

class Messages {
public:
    virtual ~Messages() = default;
    // With Buttons::YesNo, Yes is the default button.
    virtual Answer ask(const Message &message) = 0;
};

// Qt's message boxes, over the middle of the window they speak to, or of the
// screen, frame and title bar included, and in front of every window.
class MessageBoxes final : public Messages {
public:
    Answer ask(const Message &message) override;
};

} // namespace forms
