#include "ScriptBuilder.h"

#include "CaptionView.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

QString lines(std::initializer_list<const char16_t *> lines)
{
    QStringList list;
    for (const char16_t *line : lines)
        list.append(QString::fromUtf16(line));
    return list.join(QStringLiteral("\r\n"));
}

struct Planner
{
    PlannerTool tool;
    std::vector<const char16_t *> titles;
    std::vector<int> answered; // screens that take an answer
    std::vector<int> flush;    // screens whose guidance starts without a line break
};

const Planner Presentation{
    PlannerTool::Presentation,
    {u" The Presentation Planner", u" Presenting - Overview", u"Presentation - Title.",
     u"Presentation - Where and When.", u"What is the purpose of this presentation?",
     u"Background Research - Knowing your audience?", u" Key Attendee.", u" Second Key Attendee.",
     u" Other Attendees or Audience Profile.", u"The Presentation.", u"Strong Opening.",
     u"Summary of your Presentation.", u"Presentation Topics.", u"Presentation Conclusion.",
     u"Future Action.", u"General Notes.", u" Important Presentation Tips.",
     u" The Presentation Planner is finished"},
    {3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16},
    {13, 14, 16}};

const Planner Meeting{
    PlannerTool::Meeting,
    {u" The Meeting Planner", u"Meeting - Name.", u"Meeting - Where and When.",
     u"What is the purpose of this meeting?", u"Background Research.", u" Key Attendee.",
     u" Second Key Attendee.", u" Other Attendees.", u"The Meeting / Agenda.", u"What to Take.",
     u"General Notes.", u"The Meeting Planner is finished"},
    {2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
    {}};

const Planner Strategy{
    PlannerTool::Strategy,
    {u" The Strategy Planner", u"Task - Name.", u"What is the purpose of this task?",
     u"Background Research.", u" Key Player.", u" Other Players.", u"The Strategy.",
     u"The Strategy Steps.", u"The Good and the Bad.", u"General Notes.",
     u"The Strategy Planner is finished"},
    {2, 3, 4, 5, 6, 7, 8, 9, 10},
    {1}};

const Planner PhoneCall{
    PlannerTool::PhoneCall,
    {u" The Phone Call Planner", u"Phone Call - Description.", u" Who are you calling?",
     u"What is the purpose of this phone call?", u"Background Research.", u"Likely Questions.",
     u"The Phone Call.", u"General Notes.", u" Phone Tips.", u"The Phone Call Planner is finished"},
    {2, 3, 4, 5, 6, 7, 8},
    {}};

class ScreenTables : public ::testing::Test
{
protected:
    PlannerState built(PlannerTool tool)
    {
        PlannerState state;
        state.startTool(tool);
        platform.folder = QStringLiteral("/srv/sales/orvanta");
        buildScript(tool, state, view, platform);
        return state;
    }

    FakePlatform platform;
    CaptionView view;
};

TEST_F(ScreenTables, EachPlannerHasItsScreensInOrder)
{
    for (const Planner *planner : {&Presentation, &Meeting, &Strategy, &PhoneCall}) {
        const PlannerState state = built(planner->tool);
        const auto n = int16_t(planner->titles.size());
        SCOPED_TRACE(state.toolName.toStdString());
        EXPECT_EQ(state.currentScreen, 1);
        EXPECT_EQ(state.screenEnd, n + 1);
        for (int16_t i = 1; i <= n; ++i) {
            const Screen &screen = state.screen(i);
            EXPECT_EQ(screen.title, QStringView(planner->titles[i - 1]));
            const bool answers = std::count(planner->answered.begin(), planner->answered.end(), i);
            EXPECT_EQ(screen.takesAnswer, answers ? -1 : 0) << i;
            const bool flush = std::count(planner->flush.begin(), planner->flush.end(), i);
            EXPECT_EQ(screen.guidance.startsWith(u"\r\n"), !flush) << i;
            EXPECT_FALSE(screen.guidance.endsWith(u"\n")) << i;
            EXPECT_TRUE(screen.answer.isEmpty());
        }
        for (int16_t i = n + 1; i < PlannerState::Capacity; ++i)
            EXPECT_TRUE(state.screen(i).title.isEmpty() && state.screen(i).guidance.isEmpty());
    }
}

TEST_F(ScreenTables, PresentationPlanner)
{
    const PlannerState s = built(PlannerTool::Presentation);
    EXPECT_TRUE(s.screen(1).guidance.startsWith(
        u"\r\nThis program will help you to produce a professional presentation.\r\n\r\n"));
    EXPECT_TRUE(s.screen(1).guidance.endsWith(
        u"\r\n\r\nClick [ Forward ---> ] to move to the next screen."));
    EXPECT_EQ(s.screen(2).guidance,
              lines({u"", u"This program will:", u"", u"-  Help you organise the background work required.",
                     u"", u"-  Help you plan out the presentation structure.", u"",
                     u"-  Produce a Work Sheet for your presentation."}));
    EXPECT_EQ(s.screen(3).guidance, u"\r\nPlease enter a short title for this presentation.");
    EXPECT_TRUE(s.screen(6).guidance.startsWith(
        u"\r\nWhat can you read, look up on the Internet or who can you talk to that will help you "
        u"know your audience better?\r\n\r\n"));
    // Screens 7 and 8 differ in the capitals of their business objective.
    EXPECT_TRUE(s.screen(7).guidance.contains(
        u"\r\n\r\nWhat is their business objective? Eg, wants to generate more sales or save costs."
        u"\r\n\r\nDo they have a personal objective? Eg, wants a promotion, has been burnt by "
        u"previous projects so now tries to avoid them."));
    EXPECT_TRUE(s.screen(8).guidance.contains(
        u"\r\n\r\nWhat is their Business Objective? Eg, wants to generate more sales or save costs."));
    EXPECT_TRUE(s.screen(9).guidance.startsWith(
        u"\r\nEnter details about the other attendees or if it is a large group then enter a "
        u"profile of the audience.\r\n\r\n"));

    // The flow is an indented list after a blank line; the theme follows the journey directly.
    const QStringList flow = s.screen(10).guidance.split(QStringLiteral("\r\n"));
    ASSERT_GE(flow.size(), 9);
    EXPECT_FALSE(flow[1].isEmpty());
    EXPECT_FALSE(flow[2].isEmpty());
    EXPECT_EQ(flow.mid(flow.size() - 7),
              QStringList({QStringLiteral("The flow of the presentation is:"), {},
                           QStringLiteral("     -  Strong Opening Statement to get attention."),
                           QStringLiteral("     -  A summary of what topics the presentation will cover."),
                           QStringLiteral("     -  Each topic to be covered."), QStringLiteral("     -  A Conclusion."),
                           QStringLiteral("     -  A Future action plan.")}));

    EXPECT_TRUE(s.screen(11).guidance.startsWith(
        u"\r\nAll presentations need a strong opening. You need to get people to sit up and take "
        u"notice of what you have to say.\r\n\r\n"));
    EXPECT_TRUE(s.screen(12).guidance.endsWith(
        u"\r\n\r\nThis will let the people know the purpose of the presentation and what you will be "
        u"covering."));
    EXPECT_TRUE(s.screen(14).guidance.startsWith(
        u"Now you have to tie all of the topics together and sum it all up in a conclusion.\r\n\r\n"
        u"This should start with a brief recap of the conclusions of the topics then give the "
        u"conclusion for the presentation.\r\n\r\n"));
    EXPECT_TRUE(s.screen(16).guidance.endsWith(u"\r\n\r\nWill this presentation achieve what you want?"));

    const QStringList tips = s.screen(17).guidance.split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(tips.size(), 6);
    EXPECT_EQ(tips[0], u"\r\nHere are some important presentation tips:");
    EXPECT_TRUE(tips[1].startsWith(u"Eye Contact - "));
    EXPECT_TRUE(tips[2].startsWith(u"Speed - "));
    EXPECT_EQ(tips[3], u"Your Personality - Let your personality shine through, anything less will look fake.");
    EXPECT_EQ(tips[4], u"Getting Better - Practice your presentation. Reading books and magazines aloud help many people.");
    EXPECT_TRUE(tips[5].startsWith(u"Audio Visuals - "));

    const QString closing = s.screen(18).guidance;
    EXPECT_TRUE(closing.startsWith(
        u"\r\nYou should now have a well structured presentation tailored to achieve your goals and "
        u"meet your audience's needs. \r\n\r\nAudio Visuals - "));
    const QStringList closingLines = closing.split(QStringLiteral("\r\n"));
    const QStringList end = closingLines.mid(closingLines.size() - 5);
    EXPECT_EQ(end[0], u"The next display will give you a summary of your entries that you can print out and use as a Presentation Work Sheet. ");
    EXPECT_EQ(end[2], u"A file of the entries using the title as the name can also be stored in the ");
    EXPECT_EQ(end[3], u" [ /srv/sales/orvanta/Docs  ] directory.");
    EXPECT_FALSE(end[4].isEmpty()); // how to lay it out in Word, without a blank line before
    EXPECT_TRUE(end[4].contains(u"Word"));
}

const QString WordSteps = lines({u"To format this file in Word - ",
                                 u"   - menu Format --> Style Gallery --> (select a style, eg Professional Report) --> Ok",
                                 u"     then", u"   - menu Format --> Auto Format --> Ok. ",
                                 u"   - to save your changes use menu File --> Save As."});

TEST_F(ScreenTables, MeetingPlanner)
{
    const PlannerState s = built(PlannerTool::Meeting);
    EXPECT_EQ(s.screen(1).guidance,
              lines({u"", u"This program will help make your meetings more professional and successful.", u"",
                     u"This program will:", u"-  Help you organise the background work required.",
                     u"-  Help you plan out the meeting structure.",
                     u"-  Produce a Work Sheet for your meeting.", u"",
                     u"Click [ Forward ---> ] to move to the next screen."}));
    EXPECT_EQ(s.screen(2).guidance, u"\r\nPlease enter a short name for this meeting.");
    EXPECT_EQ(s.screen(3).guidance, u"\r\nPlease enter the date, time and location of where the meeting will be held.");
    EXPECT_EQ(s.screen(4).guidance, u"\r\nPlease describe what you want to have achieved at the end of the meeting.");
    EXPECT_EQ(s.screen(5).guidance, u"\r\nWhat background work can you do to make the meeting more successful?");
    for (int16_t i : {6, 7})
        EXPECT_TRUE(s.screen(i).guidance.endsWith(
            u"\r\n\r\nWhat is their Business Objective? Eg, wants to generate more sales or save costs."
            u"\r\n\r\nDo they have a personal objective? Eg, wants to find out what you know."));
    EXPECT_TRUE(s.screen(10).guidance.startsWith(u"\r\nEnter the things that you need to take to the meeting.\r\n\r\n"));
    EXPECT_EQ(s.screen(12).guidance,
              lines({u"", u"You should now have a well structured Meeting plan. ", u"",
                     u"The next display will give you a summary of your entries that you can print out and use as a Meeting Work Sheet. ",
                     u"", u"A file of the entries using the title as the name can also be stored in the ",
                     u"[ /srv/sales/orvanta/Docs  ] directory.", u"", u""})
                  + WordSteps);
}

TEST_F(ScreenTables, StrategyPlanner)
{
    const PlannerState s = built(PlannerTool::Strategy);
    EXPECT_TRUE(s.screen(1).guidance.endsWith(
        lines({u"", u"This program will:", u"-  Help you organise the background work required.",
               u"-  Help you plan out a Strategy for the task.",
               u"-  Produce a Work Sheet for your strategy.", u"",
               u"Click [ Forward ---> ] to move to the next screen."})));
    EXPECT_EQ(s.screen(3).guidance,
              u"\r\nPlease describe what this task is to achieve. Include the date and time it is required "
              u"to be finished by.\r\n\r\nAnswer the question, ''Why are we doing this?''");
    EXPECT_TRUE(s.screen(5).guidance.endsWith(
        u"\r\n\r\nWhat is their role in this? Do you know where they are coming from and where they want to go?"
        u"\r\n\r\nDo they have a special business or personal objective?"));
    EXPECT_EQ(s.screen(7).guidance,
              u"\r\nEnter your Strategy to best perform this important task.\r\n\r\n"
              u"Enter all of your ideas and any relevant points that you can think of.");
    EXPECT_EQ(s.screen(9).guidance,
              u"\r\nAnswer the question, ''What Good can come from this?''\r\n\r\n"
              u"And the question, ''What Bad can come from this?''");
    const QString closing = s.screen(11).guidance;
    EXPECT_TRUE(closing.startsWith(u"\r\n"));
    EXPECT_TRUE(closing.endsWith(
        lines({u" ", u"",
               u"The next display will give you a summary of your entries that you can print out and use as a Strategy Work Sheet.",
               u"", u"A file of the entries using the title as the name can also be stored in the ",
               u"[ /srv/sales/orvanta/Docs  ] directory.", u"", u""})
        + WordSteps));
}

TEST_F(ScreenTables, PhoneCallPlanner)
{
    const PlannerState s = built(PlannerTool::PhoneCall);
    EXPECT_EQ(s.screen(1).guidance,
              lines({u"", u"This program will help make your important phone calls more effective and successful.",
                     u"", u"This program will:", u"-  Help you organise any background work required.",
                     u"-  Help you plan out the phone call.",
                     u"-  Produce a Work Sheet for your phone calls/s.", u"",
                     u"Click [ Forward ---> ] to move to the next screen."}));
    EXPECT_TRUE(s.screen(3).guidance.endsWith(
        u"\r\n\r\nEnter the person's phone number and the date and time you propose to call them."));
    EXPECT_TRUE(s.screen(5).guidance.startsWith(
        u"\r\nWhat background work can you do to make the phone call more successful?\r\n\r\n"));
    EXPECT_TRUE(s.screen(5).guidance.endsWith(
        u"\r\n\r\nWhat notes do you have about the person's company and the topic for which you are calling them?"));
    EXPECT_EQ(s.screen(6).guidance,
              u"\r\nWhat questions are you likely to be asked? Do you have the answers ready?\r\n\r\n"
              u"If this is a sales call people always want to know about pricing, service, availability "
              u"and why should they buy from you?");
    EXPECT_EQ(s.screen(7).guidance,
              u"\r\nWhat are your opening statements to raise interest in what you have to say?\r\n\r\n"
              u"What are the key points that you wish to cover?\r\n\r\nHow do you plan to finish the call? "
              u"What do you want the person to think and do after the call?");
    EXPECT_EQ(s.screen(9).guidance,
              lines({u"", u"1. Be prepared. Have all information, a pad, a pen and anything else you may require ready, before you make the call.",
                     u"", u"2. Early in the call let the person know your name, your company and the reason for your call.",
                     u"", u"3. Speak at the same speed as the person you are talking to.", u"",
                     u"4. When you know the person's name use it regularly during the call.", u"",
                     u"5. Always let the other person hang up first."}));
    EXPECT_EQ(s.screen(10).guidance,
              lines({u"", u"You should now have a well structured Phone Call plan. ", u"",
                     u"The next display will give you a summary of your entries that you can print out and use as a Phone Call Work Sheet. ",
                     u"", u"A file of the entries using the title as the name can also be stored in the ",
                     u"[ /srv/sales/orvanta/Docs  ] directory.", u"", u""})
                  + WordSteps);
}

TEST_F(ScreenTables, TheFolderIsReadOnlyForTheClosingScreen)
{
    int reads = 0;
    const auto folder = [&reads] {
        ++reads;
        return QStringLiteral("/x");
    };
    for (const ScreenTable *table :
         {&presentationScreens(), &meetingScreens(), &strategyScreens(), &phoneCallScreens()}) {
        reads = 0;
        for (size_t i = 0; i < table->rows.size(); ++i) {
            composeGuidance(table->rows[i].pieces, folder);
            EXPECT_EQ(reads, i + 1 == table->rows.size() ? 1 : 0);
        }
    }
}

} // namespace
