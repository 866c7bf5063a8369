#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace planner {

// Index of a planner's button on the tool menu; index 3 is the type finder.
enum class PlannerTool : int16_t {
    Presentation = 0,
    Meeting = 1,
    Strategy = 2,
    PhoneCall = 4,
};

inline constexpr int16_t TrueFlag = -1;
inline constexpr int16_t FalseFlag = 0;

struct Screen
{
    QString title;
    QString guidance;
    int16_t takesAnswer = FalseFlag; // TrueFlag (-1) when the screen shows the answer box
    QString answer;
};

// Everything a running planner keeps in memory, owned by the main window.
struct PlannerState
{
    static constexpr int16_t Capacity = 31; // entries 0 to 30; a script uses 1 to N, N <= 29

    std::array<Screen, Capacity> script;
    int16_t currentScreen = 0; // 0 is the tool menu
    int16_t screenEnd = 0; // one past the last screen of the script
    QString toolName;
    QString workName;
    int16_t activeTool = 0; // a PlannerTool value
    QStringList savedSheets; // the files this plan has saved, which its saves may replace

    Screen &screen(int16_t index);
    const Screen &screen(int16_t index) const;
    Screen &current() { return screen(currentScreen); }

    // Empties entries 1 to 30 and points the state at `tool`, ready for its builder.
    void startTool(PlannerTool tool);
};

// The screens a work sheet lists, of those before `end`: the naming screen
// first (3 for the Presentation Planner, else 2), then every later one but
// the optional sections left unanswered.
std::vector<int16_t> listedScreens(const PlannerState &state, int16_t end);

// The display name of a planner, such as "The Meeting Planner".
QString toolName(PlannerTool tool);

// True for the exact titles of the four naming screens.
bool isNamingTitle(const QString &title);

// True when the title begins with a blank, which marks an optional section.
bool isOptionalTitle(const QString &title);

// The heading a title gets in the work sheet and on paper: without the marking blank.
QString sectionTitle(const QString &title);

} // namespace planner
