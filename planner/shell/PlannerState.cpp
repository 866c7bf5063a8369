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
    }
    toolName = planner::toolName(tool);
    savedSheets.clear();
}

std::vector<int16_t> listedScreens(const PlannerState &state, int16_t end)
{
    const int16_t first = state.activeTool == int16_t(PlannerTool::Presentation) ? 3 : 2;
    std::vector<int16_t> listed{first};
    for (int16_t i = first + 1; i < end; ++i) {
        const Screen &screen = state.screen(i);
        if (!(isOptionalTitle(screen.title) && screen.answer.isEmpty()))
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

bool isOptionalTitle(const QString &title)
{
    return title.startsWith(u' ');
}

QString sectionTitle(const QString &title)
{
    return isOptionalTitle(title) ? title.mid(1, 9999) : title;
}

} // namespace planner
