#include "PlannerState.h"
#include "ScriptBuilder.h"

#include "FakePlatform.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

// Expected texts keep one line of text to a line of code.
// clang-format off
// Guidance texts, or the parts of them that are fixed word for word.
struct Text { enum Kind { Whole, Contains, Ends } kind; int screen; QString text; };

const QString Folder = u"\r\n[ /srv/sales/orvanta/Docs  ] directory."_s;
// Every planner sends the user to the type finder in the same words.
const QString ToVelkin = u"? Use Velkin to find their type and the techniques that work best with it.\r\n\r\n"_s;
const QString StoredIn = u"A file of the entries using the title as the name can also be stored in the "_s;
const QString WordSteps = lines({u"", u"", u"To format this file in Word - ",
                                 u"   - menu Format --> Style Gallery --> (select a style, eg Professional Report) --> Ok",
                                 u"     then", u"   - menu Format --> Auto Format --> Ok. ", u"   - to save your changes use menu File --> Save As."});

struct Planner
{
    PlannerTool tool;
    const char16_t *caption;
    std::vector<const char16_t *> titles;
    std::vector<int> answered; // screens that take an answer
    std::vector<int> flush;    // screens whose guidance starts without a line break
    std::vector<Text> texts;
};

const Planner Planners[] = {
    {PlannerTool::Presentation, u"Presenting - the Presentation Planner",
     {u" The Presentation Planner", u" Presenting - Overview", u"Presentation - Title.", u"Presentation - Where and When.",
      u"What is the purpose of this presentation?", u"Background Research - Knowing your audience?", u" Key Attendee.",
      u" Second Key Attendee.", u" Other Attendees or Audience Profile.", u"The Presentation.", u"Strong Opening.",
      u"Summary of your Presentation.", u"Presentation Topics.", u"Presentation Conclusion.", u"Future Action.", u"General Notes.",
      u" Important Presentation Tips.", u" The Presentation Planner is finished"},
     {3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16}, {13, 14, 16},
     {{Text::Contains, 7, ToVelkin}, {Text::Contains, 8, ToVelkin},
      {Text::Whole, 2, lines({u"", u"This program will:", u"", u"-  Help you organise the background work required.", u"",
                              u"-  Help you plan out the presentation structure.", u"", u"-  Produce a Work Sheet for your presentation."})},
      // Screens 7 and 8 differ in the capitals of the business objective.
      {Text::Ends, 7, u"\r\n\r\nWhat is their business objective? Eg, wants to generate more sales or save costs.\r\n\r\n"
                      u"Do they have a personal objective? Eg, wants a promotion, has been burnt by previous projects so now tries to avoid them."_s},
      {Text::Ends, 8, u"\r\n\r\nWhat is their Business Objective? Eg, wants to generate more sales or save costs.\r\n\r\n"
                      u"Do they have a personal objective? Eg, wants a promotion, has been burnt by previous projects so now tries to avoid them."_s},
      {Text::Ends, 10, lines({u"", u"The flow of the presentation is:", u"", u"     -  Strong Opening Statement to get attention.",
                              u"     -  A summary of what topics the presentation will cover.", u"     -  Each topic to be covered.",
                              u"     -  A Conclusion.", u"     -  A Future action plan."})},
      {Text::Contains, 18, u"\r\n\r\nThe next display will give you a summary of your entries that you can print out and use as a Presentation Work Sheet. \r\n\r\n"
                           + StoredIn + u"\r\n [ /srv/sales/orvanta/Docs  ] directory.\r\nTo "}}},
    {PlannerTool::Meeting, u"Meetings - the Meeting Planner",
     {u" The Meeting Planner", u"Meeting - Name.", u"Meeting - Where and When.", u"What is the purpose of this meeting?",
      u"Background Research.", u" Key Attendee.", u" Second Key Attendee.", u" Other Attendees.", u"The Meeting / Agenda.",
      u"What to Take.", u"General Notes.", u"The Meeting Planner is finished"},
     {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {},
     {{Text::Contains, 6, ToVelkin}, {Text::Contains, 7, ToVelkin},
      {Text::Whole, 1, lines({u"", u"This program will help make your meetings more professional and successful.", u"", u"This program will:",
                              u"-  Help you organise the background work required.", u"-  Help you plan out the meeting structure.",
                              u"-  Produce a Work Sheet for your meeting.", u"", u"Click [ Forward ---> ] to move to the next screen."})},
      {Text::Whole, 12, u"\r\nYou should now have a well structured Meeting plan. \r\n\r\nThe next display will give you a summary of your entries "
                        "that you can print out and use as a Meeting Work Sheet. \r\n\r\n" + StoredIn + Folder + WordSteps}}},
    {PlannerTool::Strategy, u"Strategies - the Strategy Planner",
     {u" The Strategy Planner", u"Task - Name.", u"What is the purpose of this task?", u"Background Research.", u" Key Player.",
      u" Other Players.", u"The Strategy.", u"The Strategy Steps.", u"The Good and the Bad.", u"General Notes.", u"The Strategy Planner is finished"},
     {2, 3, 4, 5, 6, 7, 8, 9, 10}, {1},
     {{Text::Contains, 5, ToVelkin},
      {Text::Whole, 3, u"\r\nPlease describe what this task is to achieve. Include the date and time it is required to be finished by.\r\n\r\n"
                       u"Answer the question, ''Why are we doing this?''"_s},
      {Text::Whole, 9, u"\r\nAnswer the question, ''What Good can come from this?''\r\n\r\nAnd the question, ''What Bad can come from this?''"_s},
      // The closing paragraph ends with a blank; the sentence after it does not.
      {Text::Ends, 11, u" \r\n\r\nThe next display will give you a summary of your entries that you can print out and use as a Strategy Work Sheet.\r\n\r\n"
                       + StoredIn + Folder + WordSteps}}},
    {PlannerTool::PhoneCall, u"Calls - the Phone Call Planner",
     {u" The Phone Call Planner", u"Phone Call - Description.", u" Who are you calling?", u"What is the purpose of this phone call?",
      u"Background Research.", u"Likely Questions.", u"The Phone Call.", u"General Notes.", u" Phone Tips.", u"The Phone Call Planner is finished"},
     {2, 3, 4, 5, 6, 7, 8}, {},
     {{Text::Contains, 3, ToVelkin},
      {Text::Whole, 1, lines({u"", u"This program will help make your important phone calls more effective and successful.", u"", u"This program will:",
                              u"-  Help you organise any background work required.", u"-  Help you plan out the phone call.",
                              u"-  Produce a Work Sheet for your phone calls/s.", u"", u"Click [ Forward ---> ] to move to the next screen."})},
      {Text::Whole, 6, u"\r\nWhat questions are you likely to be asked? Do you have the answers ready?\r\n\r\n"
                       u"If this is a sales call people always want to know about pricing, service, availability and why should they buy from you?"_s},
      {Text::Whole, 9, lines({u"", u"1. Be prepared. Have all information, a pad, a pen and anything else you may require ready, before you make the call.", u"",
                              u"2. Early in the call let the person know your name, your company and the reason for your call.", u"",
                              u"3. Speak at the same speed as the person you are talking to.", u"",
                              u"4. When you know the person's name use it regularly during the call.", u"", u"5. Always let the other person hang up first."})},
      {Text::Whole, 10, u"\r\nYou should now have a well structured Phone Call plan. \r\n\r\nThe next display will give you a summary of your entries "
                        "that you can print out and use as a Phone Call Work Sheet. \r\n\r\n" + StoredIn + Folder + WordSteps}}},
};

TEST(ScreenTables, EachPlannerHasItsScreensInOrder)
{
    for (const Planner &planner : Planners) {
        FakePlatform platform;
        platform.folder = u"/srv/sales/orvanta"_s;
        RecordingView view;
        PlannerState state;
        state.startTool(planner.tool);
        buildScript(planner.tool, state, view, platform);
        SCOPED_TRACE(state.toolName.toStdString());
        const auto n = int16_t(planner.titles.size());
        EXPECT_EQ(state.screenEnd, n + 1);
        EXPECT_EQ(platform.folderReads, 1); // for the closing screen only
        EXPECT_EQ(view[Control::Form].caption, QStringView(planner.caption));
        EXPECT_EQ(view[Control::Label1].caption, QStringView(planner.titles[0]));
        for (int16_t i = 1; i <= n; ++i) {
            const Screen &screen = state.screen(i);
            EXPECT_EQ(screen.title, QStringView(planner.titles[i - 1]));
            const bool answers = std::count(planner.answered.begin(), planner.answered.end(), i);
            EXPECT_EQ(screen.takesAnswer, answers ? -1 : 0) << i;
            const bool flush = std::count(planner.flush.begin(), planner.flush.end(), i);
            EXPECT_EQ(screen.guidance.startsWith(u"\r\n"), !flush) << i;
            EXPECT_FALSE(screen.guidance.endsWith(u"\n")) << i;
        }
        for (int16_t i = n + 1; i < PlannerState::Capacity; ++i)
            EXPECT_TRUE(state.screen(i).title.isEmpty() && state.screen(i).guidance.isEmpty());
        for (const Text &t : planner.texts) {
            const QString &guidance = state.screen(int16_t(t.screen)).guidance;
            const bool found = t.kind == Text::Whole ? guidance == t.text
                             : t.kind == Text::Ends ? guidance.endsWith(t.text) : guidance.contains(t.text);
            EXPECT_TRUE(found) << "screen " << t.screen << ": " << guidance.toStdString() << "\nwanted: " << t.text.toStdString();
        }
    }
}
// clang-format on

} // namespace
