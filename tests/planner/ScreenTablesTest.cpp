#include "ScriptBuilder.h"

#include "CaptionView.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

using namespace planner;

// Expected texts keep one line of text to a line of code.
// clang-format off
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
        platform.folderReads = 0;
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
        EXPECT_EQ(platform.folderReads, 1); // for the closing screen only
        for (int16_t i = 1; i <= n; ++i) {
            const Screen &screen = state.screen(i);
            EXPECT_EQ(screen.title, QStringView(planner->titles[i - 1]));
            const bool answers = std::count(planner->answered.begin(), planner->answered.end(), i);
            EXPECT_EQ(screen.takesAnswer, answers ? -1 : 0) << i;
            const bool flush = std::count(planner->flush.begin(), planner->flush.end(), i);
            EXPECT_EQ(screen.guidance.startsWith(u"\r\n"), !flush) << i;
            EXPECT_FALSE(screen.guidance.endsWith(u"\n")) << i;
        }
        for (int16_t i = n + 1; i < PlannerState::Capacity; ++i)
            EXPECT_TRUE(state.screen(i).title.isEmpty() && state.screen(i).guidance.isEmpty());
    }
}

// Guidance texts, or the parts of them that are fixed word for word.
struct Text
{
    enum Kind { Whole, Contains, Ends } kind;
    int screen;
    QString text;
};

void expectTexts(const PlannerState &state, const std::vector<Text> &texts)
{
    for (const Text &t : texts) {
        const QString &guidance = state.screen(int16_t(t.screen)).guidance;
        switch (t.kind) {
        case Text::Whole: EXPECT_EQ(guidance, t.text) << "screen " << t.screen; break;
        case Text::Contains: EXPECT_TRUE(guidance.contains(t.text)) << "screen " << t.screen << ": " << t.text.toStdString(); break;
        case Text::Ends: EXPECT_TRUE(guidance.endsWith(t.text)) << "screen " << t.screen << ": " << t.text.toStdString(); break;
        }
    }
}

const QString Folder = QStringLiteral("\r\n[ /srv/sales/orvanta/Docs  ] directory.");
const QString StoredIn = QStringLiteral("A file of the entries using the title as the name can also be stored in the ");
const QString WordSteps = lines({u"", u"", u"To format this file in Word - ",
                                 u"   - menu Format --> Style Gallery --> (select a style, eg Professional Report) --> Ok",
                                 u"     then", u"   - menu Format --> Auto Format --> Ok. ",
                                 u"   - to save your changes use menu File --> Save As."});

TEST_F(ScreenTables, PresentationPlanner)
{
    expectTexts(built(PlannerTool::Presentation), {
        {Text::Contains, 1, QStringLiteral("\r\nThis program will help you to produce a professional presentation.\r\n\r\n")},
        {Text::Ends, 1, QStringLiteral("\r\n\r\nClick [ Forward ---> ] to move to the next screen.")},
        {Text::Whole, 2, lines({u"", u"This program will:", u"", u"-  Help you organise the background work required.", u"",
                                u"-  Help you plan out the presentation structure.", u"", u"-  Produce a Work Sheet for your presentation."})},
        {Text::Whole, 3, QStringLiteral("\r\nPlease enter a short title for this presentation.")},
        {Text::Whole, 4, QStringLiteral("\r\nPlease enter the date, time and location of where the presentation will be held.")},
        {Text::Contains, 6, QStringLiteral("\r\nWhat can you read, look up on the Internet or who can you talk to that will help you know your audience better?\r\n\r\n")},
        // Screens 7 and 8 differ in the capitals of the business objective.
        {Text::Ends, 7, QStringLiteral("\r\n\r\nWhat is their business objective? Eg, wants to generate more sales or save costs.\r\n\r\n"
                        "Do they have a personal objective? Eg, wants a promotion, has been burnt by previous projects so now tries to avoid them.")},
        {Text::Ends, 8, QStringLiteral("\r\n\r\nWhat is their Business Objective? Eg, wants to generate more sales or save costs.\r\n\r\n"
                        "Do they have a personal objective? Eg, wants a promotion, has been burnt by previous projects so now tries to avoid them.")},
        {Text::Contains, 9, QStringLiteral("\r\nEnter details about the other attendees or if it is a large group then enter a profile of the audience.\r\n\r\n")},
        {Text::Ends, 10, lines({u"", u"The flow of the presentation is:", u"", u"     -  Strong Opening Statement to get attention.",
                                u"     -  A summary of what topics the presentation will cover.", u"     -  Each topic to be covered.",
                                u"     -  A Conclusion.", u"     -  A Future action plan."})},
        {Text::Contains, 11, QStringLiteral("\r\nAll presentations need a strong opening. You need to get people to sit up and take notice of what you have to say.\r\n\r\n")},
        {Text::Ends, 12, QStringLiteral("\r\n\r\nThis will let the people know the purpose of the presentation and what you will be covering.")},
        {Text::Contains, 14, QStringLiteral("Now you have to tie all of the topics together and sum it all up in a conclusion.\r\n\r\n"
                             "This should start with a brief recap of the conclusions of the topics then give the conclusion for the presentation.\r\n\r\n")},
        {Text::Ends, 16, QStringLiteral("\r\n\r\nWill this presentation achieve what you want?")},
        {Text::Contains, 17, QStringLiteral("\r\nHere are some important presentation tips:\r\n\r\nEye Contact - ")},
        {Text::Contains, 17, QStringLiteral("\r\n\r\nSpeed - ")},
        {Text::Contains, 17, QStringLiteral("\r\n\r\nYour Personality - Let your personality shine through, anything less will look fake.\r\n\r\n"
                             "Getting Better - Practice your presentation. Reading books and magazines aloud help many people.\r\n\r\nAudio Visuals - ")},
        {Text::Contains, 18, QStringLiteral("\r\nYou should now have a well structured presentation tailored to achieve your goals and meet your audience's needs. \r\n\r\nAudio Visuals - ")},
        {Text::Contains, 18, QStringLiteral("\r\n\r\nThe next display will give you a summary of your entries that you can print out and use as a Presentation Work Sheet. \r\n\r\n")
                             + StoredIn + QStringLiteral("\r\n [ /srv/sales/orvanta/Docs  ] directory.\r\nTo ")},
    });
}

TEST_F(ScreenTables, MeetingPlanner)
{
    expectTexts(built(PlannerTool::Meeting), {
        {Text::Whole, 1, lines({u"", u"This program will help make your meetings more professional and successful.", u"", u"This program will:",
                                u"-  Help you organise the background work required.", u"-  Help you plan out the meeting structure.",
                                u"-  Produce a Work Sheet for your meeting.", u"", u"Click [ Forward ---> ] to move to the next screen."})},
        {Text::Whole, 2, QStringLiteral("\r\nPlease enter a short name for this meeting.")},
        {Text::Whole, 5, QStringLiteral("\r\nWhat background work can you do to make the meeting more successful?")},
        {Text::Ends, 7, QStringLiteral("\r\n\r\nWhat is their Business Objective? Eg, wants to generate more sales or save costs.\r\n\r\n"
                        "Do they have a personal objective? Eg, wants to find out what you know.")},
        {Text::Contains, 10, QStringLiteral("\r\nEnter the things that you need to take to the meeting.\r\n\r\n")},
        {Text::Whole, 12, QStringLiteral("\r\nYou should now have a well structured Meeting plan. \r\n\r\nThe next display will give you a summary of your entries "
                          "that you can print out and use as a Meeting Work Sheet. \r\n\r\n") + StoredIn + Folder + WordSteps},
    });
}

TEST_F(ScreenTables, StrategyPlanner)
{
    expectTexts(built(PlannerTool::Strategy), {
        {Text::Ends, 1, lines({u"", u"", u"This program will:", u"-  Help you organise the background work required.",
                               u"-  Help you plan out a Strategy for the task.", u"-  Produce a Work Sheet for your strategy.", u"",
                               u"Click [ Forward ---> ] to move to the next screen."})},
        {Text::Whole, 3, QStringLiteral("\r\nPlease describe what this task is to achieve. Include the date and time it is required to be finished by.\r\n\r\n"
                         "Answer the question, ''Why are we doing this?''")},
        {Text::Ends, 5, QStringLiteral("\r\n\r\nWhat is their role in this? Do you know where they are coming from and where they want to go?\r\n\r\n"
                        "Do they have a special business or personal objective?")},
        {Text::Whole, 9, QStringLiteral("\r\nAnswer the question, ''What Good can come from this?''\r\n\r\nAnd the question, ''What Bad can come from this?''")},
        // The closing paragraph ends with a blank; the sentence after it does not.
        {Text::Ends, 11, QStringLiteral(" \r\n\r\nThe next display will give you a summary of your entries that you can print out and use as a Strategy Work Sheet.\r\n\r\n")
                         + StoredIn + Folder + WordSteps},
    });
}

TEST_F(ScreenTables, PhoneCallPlanner)
{
    expectTexts(built(PlannerTool::PhoneCall), {
        {Text::Whole, 1, lines({u"", u"This program will help make your important phone calls more effective and successful.", u"", u"This program will:",
                                u"-  Help you organise any background work required.", u"-  Help you plan out the phone call.",
                                u"-  Produce a Work Sheet for your phone calls/s.", u"", u"Click [ Forward ---> ] to move to the next screen."})},
        {Text::Ends, 3, QStringLiteral("\r\n\r\nEnter the person's phone number and the date and time you propose to call them.")},
        {Text::Ends, 5, QStringLiteral("\r\n\r\nWhat notes do you have about the person's company and the topic for which you are calling them?")},
        {Text::Whole, 6, QStringLiteral("\r\nWhat questions are you likely to be asked? Do you have the answers ready?\r\n\r\n"
                         "If this is a sales call people always want to know about pricing, service, availability and why should they buy from you?")},
        {Text::Whole, 9, lines({u"", u"1. Be prepared. Have all information, a pad, a pen and anything else you may require ready, before you make the call.", u"",
                                u"2. Early in the call let the person know your name, your company and the reason for your call.", u"",
                                u"3. Speak at the same speed as the person you are talking to.", u"",
                                u"4. When you know the person's name use it regularly during the call.", u"",
                                u"5. Always let the other person hang up first."})},
        {Text::Whole, 10, QStringLiteral("\r\nYou should now have a well structured Phone Call plan. \r\n\r\nThe next display will give you a summary of your entries "
                          "that you can print out and use as a Phone Call Work Sheet. \r\n\r\n") + StoredIn + Folder + WordSteps},
    });
}

} // namespace
// clang-format on
