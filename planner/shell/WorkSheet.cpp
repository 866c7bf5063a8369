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
    // Answers can be whole pasted documents: size the text once, then append.
    std::vector<Section> sections;
    for (const int16_t i : listedScreens(state)) {
        const Screen &screen = state.screen(i);
        sections.push_back({sectionTitle(screen).toUpper(), &screen.answer});
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
