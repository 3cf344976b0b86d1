#pragma once

#include <QString>

namespace platform {

// A modal message box: the code that shows it waits for the user's answer.
struct Message {
    enum class Icon { Information, Error };
    enum class Buttons { Ok, YesNo };

    QString text;
    QString title;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
};

enum class Answer { Ok, Yes, No };

class Messages {
public:
    virtual ~Messages() = default;
    // With Buttons::YesNo, Yes is the default button.
    virtual Answer ask(const Message &message) = 0;
};

} // namespace platform
