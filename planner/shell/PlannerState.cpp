#include "PlannerState.h"

#include <QtGlobal>

namespace planner {

Screen &PlannerState::screen(int16_t index)
{
    Q_ASSERT(index >= 0 && index < Capacity);
    return script[index];
}

const Screen &PlannerState::screen(int16_t index) const
{
    Q_ASSERT(index >= 0 && index < Capacity);
    return script[index];
}

void PlannerState::startTool(PlannerTool tool)
{
    currentScreen = 1;
    screenEnd = 0;
    activeTool = int16_t(tool);
    // Entry 0 and the answer flags are left alone: nothing reads them before a builder writes them.
    for (int16_t i = 1; i < Capacity; ++i) {
        Screen &s = script[i];
        s.title.clear();
        s.guidance.clear();
        s.answer.clear();
        s.role = ScreenRole::None;
    }
    toolName = planner::toolName(tool);
    savedSheets.clear();
}

bool PlannerState::backLeadsSomewhere() const
{
    return currentScreen >= 2 && screen(int16_t(currentScreen - 1)).role != ScreenRole::Opening;
}

namespace {

bool isListed(const Screen &screen)
{
    switch (screen.role) {
    case ScreenRole::Naming:
    case ScreenRole::Answer:
    case ScreenRole::Heading:
        return true;
    case ScreenRole::OptionalAnswer:
        return !screen.answer.isEmpty();
    default:
        return false;
    }
}

} // namespace

std::vector<int16_t> listedScreens(const PlannerState &state)
{
    std::vector<int16_t> listed;
    bool named = false; // nothing before the naming screen is listed
    for (int16_t i = 1; i < PlannerState::Capacity; ++i) {
        const Screen &screen = state.screen(i);
        if (screen.role == ScreenRole::Closing)
            break;
        named = named || screen.role == ScreenRole::Naming;
        if (named && isListed(screen))
            listed.push_back(i);
    }
    return listed;
}

QString toolName(PlannerTool tool)
{
    switch (tool) {
    case PlannerTool::Presentation:
        return QStringLiteral("The Presentation Planner");
    case PlannerTool::Meeting:
        return QStringLiteral("The Meeting Planner");
    case PlannerTool::Strategy:
        return QStringLiteral("The Strategy Planner");
    case PlannerTool::PhoneCall:
        return QStringLiteral("The Phone Call Planner");
    }
    return {};
}

bool isNamingTitle(const QString &title)
{
    return title == u"Presentation - Title." || title == u"Meeting - Name."
        || title == u"Task - Name." || title == u"Phone Call - Description.";
}

QString sectionTitle(const Screen &screen)
{
    const bool optional =
        screen.role == ScreenRole::OptionalAnswer || screen.role == ScreenRole::Information;
    return optional ? screen.title.mid(1, 9999) : screen.title;
}

} // namespace planner
