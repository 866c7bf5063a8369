#include "ScriptBuilder.h"

#include "CaptionView.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

TEST(ScriptBuilder, PiecesJoinAsTheirMarksSay)
{
    int folderReads = 0;
    const auto folder = [&folderReads] {
        ++folderReads;
        return QStringLiteral("/home/sam/orvanta");
    };
    EXPECT_EQ(composeGuidance(
                  {{Join::Paragraph, u"One."}, {Join::Paragraph, u"Two."}, {Join::Line, u"Three."}},
                  folder),
              u"\r\nOne.\r\n\r\nTwo.\r\nThree.");
    EXPECT_EQ(composeGuidance({{Join::Flush, u"Body."}, {Join::Paragraph, u"Next."}}, folder),
              u"Body.\r\n\r\nNext.");
    EXPECT_EQ(composeGuidance({{Join::Paragraph, u"Flow:"},
                               {Join::IndentedParagraph, u"-  A"},
                               {Join::IndentedLine, u"-  B"}},
                              folder),
              u"\r\nFlow:\r\n\r\n     -  A\r\n     -  B");
    EXPECT_EQ(folderReads, 0);

    EXPECT_EQ(composeGuidance({{Join::Paragraph, u"stored in the "},
                               {Join::FolderLine, u"[ "},
                               {Join::Paragraph, u"To format"}},
                              folder),
              u"\r\nstored in the \r\n[ /home/sam/orvanta/Docs  ] directory.\r\n\r\nTo format");
    EXPECT_EQ(folderReads, 1);
}

TEST(ScriptBuilder, FillsTheStateAndShowsTheFirstScreen)
{
    const ScreenTable table{
        u"Tests - the Test Planner",
        {{u" Welcome", Answer::No, {{Join::Paragraph, u"Hello."}}},
         {u"Meeting - Name.", Answer::Yes, {{Join::Paragraph, u"Name it."}}},
         {u"The Test Planner is finished", Answer::No, {{Join::Flush, u"Bye."}}}}};
    PlannerState state;
    state.startTool(PlannerTool::Meeting);
    state.screen(4).takesAnswer = TrueFlag; // left from an earlier planner
    CaptionView view;
    FakePlatform platform;

    buildScript(table, state, view, platform);

    EXPECT_EQ(state.currentScreen, 1);
    EXPECT_EQ(state.screenEnd, 4);
    EXPECT_EQ(state.screen(1).title, u" Welcome");
    EXPECT_EQ(state.screen(1).guidance, u"\r\nHello.");
    EXPECT_EQ(state.screen(1).takesAnswer, FalseFlag);
    EXPECT_EQ(state.screen(2).takesAnswer, -1);
    EXPECT_EQ(state.screen(3).guidance, u"Bye.");
    EXPECT_TRUE(state.screen(4).title.isEmpty() && state.screen(4).guidance.isEmpty());
    EXPECT_EQ(view.captions[Control::Form], u"Tests - the Test Planner");
    EXPECT_EQ(view.captions[Control::Label1], u" Welcome");
    EXPECT_EQ(view.captions[Control::Label2], u"\r\nHello.");
}

} // namespace
