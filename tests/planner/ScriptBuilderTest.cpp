#include "ScriptBuilder.h"

#include "FakePlatform.h"
#include "RecordingView.h"

using namespace planner;

namespace {

TEST(ScriptBuilder, PiecesJoinAsTheirMarksSay)
{
    int reads = 0;
    const auto folder = [&reads] {
        ++reads;
        return u"/home/sam/orvanta"_s;
    };
    using enum Join;
    EXPECT_EQ(composeGuidance({{Paragraph, u"One."},
                               {Line, u"Two."},
                               {IndentedParagraph, u"-  A"},
                               {IndentedLine, u"-  B"}},
                              folder),
              u"\r\nOne.\r\nTwo.\r\n\r\n     -  A\r\n     -  B");
    EXPECT_EQ(composeGuidance({{Flush, u"Body."}, {Paragraph, u"Next."}}, folder),
              u"Body.\r\n\r\nNext.");
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(composeGuidance(
                  {{Paragraph, u"stored in the "}, {FolderLine, u"[ "}, {Paragraph, u"To format"}},
                  folder),
              u"\r\nstored in the \r\n[ /home/sam/orvanta/Docs  ] directory.\r\n\r\nTo format");
    EXPECT_EQ(reads, 1);
}

// What every planner's script must be for the shell to walk it, and a few of
// each one's fixed lines.
TEST(ScriptBuilder, EachPlannerBuildsAScriptTheShellCanWalk)
{
    struct Planner
    {
        PlannerTool tool;
        int16_t screens;
        int16_t naming;
        std::vector<int16_t> flush; // guidance that starts without a line break
        const char16_t *caption;
        const char16_t *closing; // a fixed part of the closing screen
    };
    const Planner planners[] = {
        {PlannerTool::Presentation,
         18,
         3,
         {13, 14, 16},
         u"Presenting - the Presentation Planner",
         u"stored in the \r\n [ /srv/sales/Docs  ] directory.\r\n"},
        {PlannerTool::Meeting,
         12,
         2,
         {},
         u"Meetings - the Meeting Planner",
         u"in the \r\n[ /srv/sales/Docs  ] directory.\r\n\r\nTo format this file in Word - \r\n"
         u"   - menu Format --> Style Gallery --> (select a style, eg Professional Report) --> Ok"},
        {PlannerTool::Strategy,
         11,
         2,
         {1},
         u"Strategies - the Strategy Planner",
         u"use as a Strategy Work Sheet.\r\n\r\nA file of the entries"},
        {PlannerTool::PhoneCall,
         10,
         2,
         {},
         u"Calls - the Phone Call Planner",
         u"\r\n[ /srv/sales/Docs  ] directory.\r\n\r\nTo format this file in Word - \r\n"}};
    for (const auto &[tool, n, naming, flush, caption, closing] : planners) {
        FakePlatform platform;
        platform.folder = u"/srv/sales"_s;
        RecordingView view;
        PlannerState state;
        state.startTool(tool);
        buildScript(tool, state, view, platform);
        SCOPED_TRACE(state.toolName.toStdString());
        EXPECT_EQ(state.currentScreen, 1);
        EXPECT_EQ(state.screenEnd, n + 1);
        EXPECT_EQ(platform.folderReads, 1); // for the closing screen only
        EXPECT_EQ(view[Control::Form].caption, QStringView(caption));
        EXPECT_EQ(view[Control::Label1].caption, state.screen(1).title);
        for (int16_t i = 1; i <= n; ++i) {
            const Screen &screen = state.screen(i);
            EXPECT_FALSE(screen.title.isEmpty() || screen.guidance.endsWith(u'\n')) << i;
            EXPECT_NE(screen.guidance.startsWith(u"\r\n"),
                      std::count(flush.begin(), flush.end(), i))
                << i;
            EXPECT_EQ(isNamingTitle(screen.title), i == naming) << i;
            if (screen.title.contains(u"Key ") || screen.title.contains(u"calling")) {
                EXPECT_TRUE(screen.guidance.contains(u"Velkin")) << i;
            }
        }
        EXPECT_EQ(state.screen(naming).takesAnswer, TrueFlag);
        EXPECT_EQ(state.screen(1).takesAnswer + state.screen(n).takesAnswer, FalseFlag);
        EXPECT_TRUE(state.screen(n).title.endsWith(u"finished"));
        EXPECT_TRUE(state.screen(n).guidance.contains(QStringView(closing)));
        for (int16_t i = n + 1; i < PlannerState::Capacity; ++i)
            EXPECT_TRUE(state.screen(i).title.isEmpty() && state.screen(i).guidance.isEmpty());
    }
}

// Lines that differ from planner to planner in a letter or a blank.
TEST(ScriptBuilder, FixedLinesKeepTheirOwnWording)
{
    FakePlatform platform;
    RecordingView view;
    PlannerState state;
    const auto guidance = [&](PlannerTool tool, int16_t screen) {
        state.startTool(tool);
        buildScript(tool, state, view, platform);
        return state.screen(screen).guidance;
    };
    EXPECT_TRUE(
        guidance(PlannerTool::Presentation, 7).contains(u"What is their business objective?"));
    EXPECT_TRUE(
        guidance(PlannerTool::Presentation, 8).contains(u"What is their Business Objective?"));
    EXPECT_TRUE(guidance(PlannerTool::Presentation, 10)
                    .endsWith(u"\r\n\r\n     -  Strong Opening Statement to get attention.\r\n"
                              u"     -  A summary of what topics the presentation will cover."
                              u"\r\n     -  Each topic to be covered.\r\n     -  A Conclusion."
                              u"\r\n     -  A Future action plan."));
    EXPECT_EQ(guidance(PlannerTool::Strategy, 9),
              u"\r\nAnswer the question, ''What Good can come from this?''\r\n\r\n"
              u"And the question, ''What Bad can come from this?''");
    EXPECT_EQ(guidance(PlannerTool::PhoneCall, 1),
              u"\r\nThis program will help make your important phone calls more effective and "
              u"successful.\r\n\r\nThis program will:\r\n-  Help you organise any background work "
              u"required.\r\n-  Help you plan out the phone call.\r\n-  Produce a Work Sheet for "
              u"your phone calls/s.\r\n\r\nClick [ Forward ---> ] to move to the next screen.");
}

} // namespace
