#pragma once

class QString;

namespace platform {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const QString &text) = 0;
};

} // namespace platform
