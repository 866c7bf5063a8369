#include "ScriptBuilder.h"

#include "FakePlatform.h"
#include "RecordingView.h"

using namespace planner;

namespace {

// Each piece joins as its mark says; only a folder line asks for the folder, so the rest get none.
TEST(ScriptBuilder, PiecesJoinAsTheirMarksSay)
{
    using enum Join;
    EXPECT_EQ(composeGuidance({{Paragraph, u"One."},
                               {Line, u"Two."},
                               {IndentedParagraph, u"-  A"},
                               {IndentedLine, u"-  B"}},
                              {}),
              u"\r\nOne.\r\nTwo.\r\n\r\n     -  A\r\n     -  B");
    EXPECT_EQ(composeGuidance({{Flush, u"Body."}, {Paragraph, u"Next."}}, {}),
              u"Body.\r\n\r\nNext.");
    EXPECT_EQ(composeGuidance(
                  {{Paragraph, u"stored in the "}, {FolderLine, u"[ "}, {Paragraph, u"To format"}},
                  [] { return u"/home/sam/orvanta"_s; }),
              u"\r\nstored in the \r\n[ /home/sam/orvanta/Docs  ] directory.\r\n\r\nTo format");
}

// What every planner's script must be for the shell to walk it, and what each screen is to it.
// clang-format off
TEST(ScriptBuilder, EachPlannerBuildsAScriptTheShellCanWalk)
{
    using enum ScreenRole;
    const std::tuple<PlannerTool, int16_t, int16_t, const char16_t *, std::map<int16_t, ScreenRole>> planners[] = {
        // Tool, screens, naming screen, caption, spot roles.
        {PlannerTool::Presentation, 18, 3, u"Presenting - the Presentation Planner", {{2, Information}, {7, OptionalAnswer}, {10, Heading}, {16, Answer}, {17, Information}}},
        {PlannerTool::Meeting, 12, 2, u"Meetings - the Meeting Planner", {{5, Answer}, {8, OptionalAnswer}}},
        {PlannerTool::Strategy, 11, 2, u"Strategies - the Strategy Planner", {{5, OptionalAnswer}, {10, Answer}}},
        {PlannerTool::PhoneCall, 10, 2, u"Calls - the Phone Call Planner", {{3, OptionalAnswer}, {9, Information}}}};
    for (const auto &[tool, n, naming, caption, roles] : planners) {
        FakePlatform platform;
        platform.folder = u"/srv/sales"_s;
        RecordingView view;
        PlannerState state;
        state.startTool(tool);
        buildScript(tool, state, view, platform);
        SCOPED_TRACE(state.toolName.toStdString());
        EXPECT_EQ(std::tuple(state.currentScreen, state.screenEnd, platform.folderReads), std::tuple(1, n + 1, 1));
        EXPECT_EQ(view[Control::Form].caption + u'|' + view[Control::Label1].caption + u'|' + view[Control::Label2].caption, QStringView(caption) + u'|' + state.screen(1).title + u'|' + state.screen(1).guidance);
        EXPECT_TRUE(QStringView(caption).endsWith(state.toolName.mid(1))) << "the tool's own name";
        for (int16_t i = 1; i < PlannerState::Capacity; ++i) {
            const Screen &screen = state.screen(i);
            EXPECT_EQ(screen.title.isEmpty() || screen.guidance.endsWith(u'\n'), i > n) << i;
            EXPECT_EQ(screen.role == Naming, i == naming) << i;
            EXPECT_EQ(screen.role == None, i > n) << i;
            EXPECT_TRUE(!screen.title.contains(u"Key ") || screen.guidance.contains(u"Velkin")) << i;
        }
        for (const auto &[i, role] : roles)
            EXPECT_EQ(state.screen(i).role, role) << i;
        EXPECT_EQ(std::tuple(state.screen(1).role, state.screen(n).role), std::tuple(Opening, Closing));
        EXPECT_EQ(state.screen(naming).takesAnswer + 2 * (state.screen(1).takesAnswer + state.screen(n).takesAnswer), TrueFlag);
        EXPECT_TRUE(state.screen(n).guidance.contains(u"[ /srv/sales/Docs  ] directory.\r\n"));
    }
}
// clang-format on

} // namespace
