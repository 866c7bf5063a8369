#pragma once

#include "Platform.h"

#include <cstdint>

namespace planner {

struct PlannerState;
class PlannerView;

// The tool menu and the step buttons: what each press does to the planner
// state and to the window.
class Navigation
{
public:
    // The step buttons, Command1 by index.
    enum Step : int16_t { Finished = 0, Back = 1, Forward = 2, Print = 3, AboutBox = 4 };
    // The tool menu's button that starts the type finder, Command4 by index.
    static constexpr int16_t TypeFinderTool = 3;

    Navigation(PlannerState &state, PlannerView &view, platform::Platform &platform);

    void ShowMainMenu();
    // A tool-menu button: index 3 starts the type finder, the others a planner.
    void Command4_Click(int16_t index);
    // A step button: 0 Finished, 1 Back, 2 Forward, 3 Print, 4 AboutBox.
    void Command1_Click(int16_t index);
    // The type-finder button of a planner screen.
    void Command2_Click();
    // Save to Disk: stores the sheet as shown, edits included.
    void Command3_Click();

private:
    void ShowScreen();
    void ComposeWorkSheet();
    void finish();
    void back();
    void forward();
    platform::StartResult startTypeFinder();

    PlannerState &m_state;
    PlannerView &m_view;
    platform::Platform &m_platform;
};

} // namespace planner
