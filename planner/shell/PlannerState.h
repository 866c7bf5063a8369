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

// What a screen is to the shell, decided where the script is built.
enum class ScreenRole : int8_t {
    None, // not part of the script
    Opening, // screen 1, put up by the builder
    Naming, // the required one-line name of the work, which names its file
    Answer, // a question, always in the work sheet
    OptionalAnswer, // a question in the work sheet only when answered
    Heading, // information, in the work sheet as a heading for what follows
    Information, // information the work sheet leaves out
    Closing, // the last screen, whose answer is never kept
};

struct Screen
{
    QString title;
    QString guidance;
    int16_t takesAnswer = FalseFlag; // TrueFlag (-1) when the screen shows the answer box
    QString answer;
    ScreenRole role = ScreenRole::None;
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

    // Whether Back leads anywhere from the current screen: never to the
    // opening screen, which only the tool menu shows.
    bool backLeadsSomewhere() const;
};

// The screens the work sheet lists, on screen and on paper: the naming
// screen first, then every later one up to the closing screen but the
// optional sections left unanswered and the information it leaves out.
std::vector<int16_t> listedScreens(const PlannerState &state);

// The display name of a planner, such as "The Meeting Planner".
QString toolName(PlannerTool tool);

// True for the exact titles of the four naming screens.
bool isNamingTitle(const QString &title);

// The heading a screen gets in the work sheet and on paper: an optional
// section's title without the blank that marks it.
QString sectionTitle(const Screen &screen);

} // namespace planner
