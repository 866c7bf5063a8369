#include "WorkSheet.h"

#include "PlannerState.h"

#include <vector>

namespace planner {

namespace {

struct Section
{
    QString heading;
    const QString *answer;
};

} // namespace

QString workSheetText(const PlannerState &state)
{
    const int16_t first = state.activeTool == int16_t(PlannerTool::Presentation) ? 3 : 2;

    // Answers can be whole pasted documents: size the text once, then append.
    std::vector<Section> sections;
    const Screen &naming = state.screen(first);
    sections.push_back({naming.title.toUpper(), &naming.answer});
    for (int16_t i = first + 1; i < state.currentScreen; ++i) {
        const Screen &screen = state.screen(i);
        if (isOptionalTitle(screen.title) && screen.answer.isEmpty())
            continue;
        sections.push_back({sectionTitle(screen.title).toUpper(), &screen.answer});
    }

    qsizetype size = 0;
    for (const Section &s : sections)
        size += 8 + s.heading.size() + s.answer->size();
    QString text;
    text.reserve(size);
    text += u"\r\n";
    for (const Section &s : sections) {
        if (&s != &sections.front())
            text += u"\r\n\r\n";
        text += s.heading;
        text += u"\r\n\r\n";
        text += *s.answer;
    }
    return text;
}

} // namespace planner
