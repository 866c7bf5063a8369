#pragma once

#include <QString>

namespace platform {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Question, Exclamation };
enum class Answer { Ok, Yes, No };

struct Message
{
    QString text; // "\r\n" breaks lines
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString title;
    bool operator==(const Message &) const = default;
};

// Where the logic asks a question or tells something: a modal message box
// over its window. Closing a Yes/No box answers No.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual Answer messageBox(const Message &message) = 0;
};

} // namespace platform
