#pragma once

#include "PersonalityType.h"

#include <QString>

#include <optional>

namespace typefinder {

// The controls of the main window that the quick selection drives.
enum class Control {
    Option1, // Step 1: a Customer, where every check starts
    Frame2, // Step 2, with its three answers
    Option3, // fast
    Option4, // slow
    Option8, // the detailed test
    Frame3, // Step 3, with its two answers
    Option5,
    Option6,
    Label4, // the panel: a description or a trait list
    Label5, // the logo, where the panel's buttons are not
    Command2, // Clear
    Command3, // Print
    Command4, // Traits
};

// What the quick selection asks of the main window.
class VelkinView
{
public:
    virtual ~VelkinView() = default;

    virtual void setCaption(Control control, const QString &caption) = 0;
    virtual void setControlVisible(Control control, bool visible) = 0;
    // Selects or clears an answer without running what choosing it runs.
    virtual void setSelected(Control option, bool selected) = 0;
    virtual void focusControl(Control control) = 0;
    // The panel's text, and the name a screen reader gives it; the panel
    // takes the focus when it has a text.
    virtual void setPanel(const QString &text, const QString &name) = 0;
    // The detailed test, modally: the type it found, or none.
    virtual std::optional<PersonalityType> runDetailedTest(bool self) = 0;
};

} // namespace typefinder
