#pragma once

#include "MessageBox.h"

#include <QString>

namespace planner {

// The controls of the main window that the planner logic drives.
enum class Control {
    Form, // the window itself; its caption is the window title
    Label1, // screen title
    Frame2, // frame around the guidance
    Label2, // guidance
    Text1, // answer box, and the work sheet at the end
    Command3, // Save to Disk
    Frame3, // tool menu
    Picture1, // picture of a planner's first screen
    Picture2, // picture of the tool menu
    Command2, // starts the type finder from a planner screen
    Finished, // step buttons, Command1 index 0 to 4
    Back,
    Forward,
    Print,
    AboutBox,
};

// What the answer box takes: one line of a limited length for a name, or free text.
struct AnswerMode
{
    bool oneLine;
    int maxLength; // 0 means no limit
    bool operator==(const AnswerMode &) const = default;
};
inline constexpr AnswerMode FreeAnswer{false, 0};
inline constexpr AnswerMode NameAnswer{true, 40};

// What the planner logic asks of its window, message boxes over it included.
// Positions and sizes are in twips.
class PlannerView : public platform::MessageBoxes
{
public:
    virtual void setCaption(Control control, const QString &caption) = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;
    virtual void setControlEnabled(Control control, bool enabled) = 0;
    virtual void setControlTop(Control control, int twips) = 0;
    virtual void setControlHeight(Control control, int twips) = 0;
    virtual void focusControl(Control control) = 0;

    // The answer box's text, every line break as "\r\n".
    virtual QString answerText() const = 0;
    virtual void setAnswerText(const QString &text) = 0;
    virtual void setAnswerMode(AnswerMode mode) = 0;

    // The About box, modally: returns when it has been closed.
    virtual void showAboutBox() = 0;
    // A screen, the tool menu or the work sheet is now on show, for those who cannot see it.
    virtual void screenShown() = 0;

    virtual void closeWindow() = 0;
};

} // namespace planner
