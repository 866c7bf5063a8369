#include "ScriptBuilder.h"

#include "PlannerView.h"
#include "Platform.h"

namespace planner {

namespace {

constexpr QStringView LineBreak = u"\r\n";
constexpr QStringView Indent = u"     ";
constexpr QStringView DocsLineEnd = u"/Docs  ] directory.";

// What the screen at `index` of a script of `last` screens is, by its place,
// its title and whether it takes an answer. A title that begins with a blank
// marks what the work sheet lists only when answered, or never.
ScreenRole roleOf(const ScreenRow &row, int16_t index, int16_t last)
{
    if (index == 1)
        return ScreenRole::Opening;
    if (index == last)
        return ScreenRole::Closing;
    if (isNamingTitle(row.title.toString()))
        return ScreenRole::Naming;
    const bool optional = row.title.startsWith(u' ');
    if (row.takesAnswer == Answer::Yes)
        return optional ? ScreenRole::OptionalAnswer : ScreenRole::Answer;
    return optional ? ScreenRole::Information : ScreenRole::Heading;
}

} // namespace

QString composeGuidance(const std::vector<Piece> &pieces,
                        const std::function<QString()> &programFolder)
{
    QString text;
    bool first = true;
    for (const Piece &piece : pieces) {
        switch (piece.join) {
        case Join::Paragraph:
            text += LineBreak;
            if (!first)
                text += LineBreak;
            break;
        case Join::Line:
            text += LineBreak;
            break;
        case Join::Flush:
            break;
        case Join::IndentedParagraph:
            text += LineBreak;
            text += LineBreak;
            text += Indent;
            break;
        case Join::IndentedLine:
            text += LineBreak;
            text += Indent;
            break;
        case Join::FolderLine:
            text += LineBreak;
            text += piece.text;
            text += programFolder();
            text += DocsLineEnd;
            first = false;
            continue;
        }
        text += piece.text;
        first = false;
    }
    return text;
}

void buildScript(const ScreenTable &table, PlannerState &state, PlannerView &view,
                 const platform::Platform &platform)
{
    state.currentScreen = 1;
    int16_t i = 1;
    const auto folder = [&platform] {
        return platform.programFolder();
    };
    const auto last = int16_t(table.rows.size());
    for (const ScreenRow &row : table.rows) {
        Screen &screen = state.screen(i);
        screen.title = row.title.toString();
        screen.guidance = composeGuidance(row.pieces, folder);
        screen.takesAnswer = row.takesAnswer == Answer::Yes ? TrueFlag : FalseFlag;
        screen.role = roleOf(row, i, last);
        ++i;
    }
    state.screenEnd = i;

    // The first screen is put up directly, so the answer box stays hidden and Back disabled.
    view.setCaption(Control::Form, table.windowCaption.toString());
    view.setControlVisible(Control::Picture1, true);
    view.setCaption(Control::Label1, state.screen(1).title);
    view.setCaption(Control::Label2, state.screen(1).guidance);
}

void BuildPresentationScript(PlannerState &state, PlannerView &view,
                             const platform::Platform &platform)
{
    buildScript(presentationScreens(), state, view, platform);
}

void BuildMeetingScript(PlannerState &state, PlannerView &view, const platform::Platform &platform)
{
    buildScript(meetingScreens(), state, view, platform);
}

void BuildStrategyScript(PlannerState &state, PlannerView &view, const platform::Platform &platform)
{
    buildScript(strategyScreens(), state, view, platform);
}

void BuildPhoneCallScript(PlannerState &state, PlannerView &view,
                          const platform::Platform &platform)
{
    buildScript(phoneCallScreens(), state, view, platform);
}

void buildScript(PlannerTool tool, PlannerState &state, PlannerView &view,
                 const platform::Platform &platform)
{
    switch (tool) {
    case PlannerTool::Presentation:
        BuildPresentationScript(state, view, platform);
        break;
    case PlannerTool::Meeting:
        BuildMeetingScript(state, view, platform);
        break;
    case PlannerTool::Strategy:
        BuildStrategyScript(state, view, platform);
        break;
    case PlannerTool::PhoneCall:
        BuildPhoneCallScript(state, view, platform);
        break;
    }
}

} // namespace planner
