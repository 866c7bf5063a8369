#include "PlannerState.h"
#include "PlannerView.h"
#include "ScriptBuilder.h"
#include "WorkSheet.h"
#include "WorkSheetPrint.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <map>

using namespace planner;

namespace {

// A window for the planner logic that only keeps the captions it is given.
class CaptionView final : public PlannerView
{
public:
    void setCaption(Control c, const QString &caption) override { captions[c] = caption; }
    void setControlVisible(Control, bool) override { }
    void setControlEnabled(Control, bool) override { }
    void setControlTop(Control, int) override { }
    void setControlHeight(Control, int) override { }
    void focusControl(Control) override { }
    QString answerText() const override { return {}; }
    void setAnswerText(const QString &) override { }
    void setAnswerMaxLength(int) override { }
    void closeWindow() override { }

    std::map<Control, QString> captions;
};

TEST(PlannerState, NamingTitlesMatchExactlyAndStartingAToolKeepsTheName)
{
    for (const char16_t *title : {u"Presentation - Title.", u"Meeting - Name.", u"Task - Name.",
                                  u"Phone Call - Description."})
        EXPECT_TRUE(isNamingTitle(QString::fromUtf16(title)));
    for (const char16_t *title :
         {u"Meeting - Name", u"meeting - name.", u" Meeting - Name.", u"Meeting - Name. ", u""})
        EXPECT_FALSE(isNamingTitle(QString::fromUtf16(title)));
    PlannerState state;
    state.script.fill({u"title"_s, u"guidance"_s, TrueFlag, u"answer"_s});
    state.currentScreen = 7;
    state.screenEnd = 13;
    state.workName = u"Budget review"_s;
    state.startTool(PlannerTool::PhoneCall);
    EXPECT_EQ(state.currentScreen, 1);
    EXPECT_EQ(state.screenEnd, 0);
    EXPECT_EQ(state.activeTool, 4);
    EXPECT_EQ(state.toolName, u"The Phone Call Planner");
    EXPECT_EQ(state.workName, u"Budget review");
    for (int16_t i = 1; i < PlannerState::Capacity; ++i) {
        const Screen &s = state.screen(i);
        EXPECT_TRUE(s.title.isEmpty() && s.guidance.isEmpty() && s.answer.isEmpty()) << i;
    }
    EXPECT_EQ(state.screen(0).answer, u"answer"); // entry 0 is never part of a script
}

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

// Expected texts keep one line of text to a line of code.
// clang-format off
// Guidance texts, or the parts of them that are fixed word for word.
struct Text { enum Kind { Whole, Contains, Ends } kind; int screen; QString text; };

const QString Folder = u"\r\n[ /srv/sales/orvanta/Docs  ] directory."_s;
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
     {{Text::Whole, 2, lines({u"", u"This program will:", u"", u"-  Help you organise the background work required.", u"",
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
     {{Text::Whole, 1, lines({u"", u"This program will help make your meetings more professional and successful.", u"", u"This program will:",
                              u"-  Help you organise the background work required.", u"-  Help you plan out the meeting structure.",
                              u"-  Produce a Work Sheet for your meeting.", u"", u"Click [ Forward ---> ] to move to the next screen."})},
      {Text::Whole, 12, u"\r\nYou should now have a well structured Meeting plan. \r\n\r\nThe next display will give you a summary of your entries "
                        "that you can print out and use as a Meeting Work Sheet. \r\n\r\n" + StoredIn + Folder + WordSteps}}},
    {PlannerTool::Strategy, u"Strategies - the Strategy Planner",
     {u" The Strategy Planner", u"Task - Name.", u"What is the purpose of this task?", u"Background Research.", u" Key Player.",
      u" Other Players.", u"The Strategy.", u"The Strategy Steps.", u"The Good and the Bad.", u"General Notes.", u"The Strategy Planner is finished"},
     {2, 3, 4, 5, 6, 7, 8, 9, 10}, {1},
     {{Text::Whole, 3, u"\r\nPlease describe what this task is to achieve. Include the date and time it is required to be finished by.\r\n\r\n"
                       u"Answer the question, ''Why are we doing this?''"_s},
      {Text::Whole, 9, u"\r\nAnswer the question, ''What Good can come from this?''\r\n\r\nAnd the question, ''What Bad can come from this?''"_s},
      // The closing paragraph ends with a blank; the sentence after it does not.
      {Text::Ends, 11, u" \r\n\r\nThe next display will give you a summary of your entries that you can print out and use as a Strategy Work Sheet.\r\n\r\n"
                       + StoredIn + Folder + WordSteps}}},
    {PlannerTool::PhoneCall, u"Calls - the Phone Call Planner",
     {u" The Phone Call Planner", u"Phone Call - Description.", u" Who are you calling?", u"What is the purpose of this phone call?",
      u"Background Research.", u"Likely Questions.", u"The Phone Call.", u"General Notes.", u" Phone Tips.", u"The Phone Call Planner is finished"},
     {2, 3, 4, 5, 6, 7, 8}, {},
     {{Text::Whole, 1, lines({u"", u"This program will help make your important phone calls more effective and successful.", u"", u"This program will:",
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
        CaptionView view;
        PlannerState state;
        state.startTool(planner.tool);
        buildScript(planner.tool, state, view, platform);
        SCOPED_TRACE(state.toolName.toStdString());
        const auto n = int16_t(planner.titles.size());
        EXPECT_EQ(state.screenEnd, n + 1);
        EXPECT_EQ(platform.folderReads, 1); // for the closing screen only
        EXPECT_EQ(view.captions[Control::Form], QStringView(planner.caption));
        EXPECT_EQ(view.captions[Control::Label1], QStringView(planner.titles[0]));
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

// Optional sections, screens before the naming screen and the closing screen stay out.
TEST(WorkSheet, TheMeetingExample)
{
    PlannerState state;
    state.startTool(PlannerTool::Meeting);
    int16_t i = 0;
    for (const auto &[title, answer] : {std::pair{u" The Meeting Planner", u"ignored"},
                                        {u"Meeting - Name.", u"Budget review"},
                                        {u"Meeting - Where and When.", u"Room 4, Monday 10:00"},
                                        {u" Key Attendee.", u""},
                                        {u"The Meeting Planner is finished", u"never"}})
        state.screen(++i) = {QString::fromUtf16(title), {}, FalseFlag, QString::fromUtf16(answer)};
    state.screenEnd = 6;
    state.currentScreen = 5;
    EXPECT_EQ(workSheetText(state),
              u"\r\nMEETING - NAME.\r\n\r\nBudget review\r\n\r\nMEETING - WHERE AND WHEN.\r\n\r\n"
              u"Room 4, Monday 10:00");
}

// How the cost grows with the answers is measured by bench/worksheet_bench.
TEST(WorkSheet, KeepsLongAnswersWhole)
{
    // Twenty pasted documents of 512 KB each.
    PlannerState state;
    state.startTool(PlannerTool::Strategy);
    const QString document(512 * 1024, u'x');
    for (int16_t i = 1; i <= 22; ++i)
        state.screen(i) = {u"Section " + QString::number(i), {}, FalseFlag, document};
    state.currentScreen = 22;
    const QString sheet = workSheetText(state);
    EXPECT_EQ(sheet.size(), 2 + 20 * document.size() + 19 * 4 + 20 * 4 + 8 * 9 + 12 * 10);
    EXPECT_TRUE(sheet.endsWith(u"\r\n\r\nSECTION 21\r\n\r\n" + document));
}

const QString Rule = u"line " + QString(80, u'_');

class PrintLayout : public ::testing::Test
{
protected:
    // A planner walked to its sheet, with these answers.
    void walked(PlannerTool tool, const std::map<int16_t, QString> &answers)
    {
        state.startTool(tool);
        CaptionView view;
        buildScript(tool, state, view, platform);
        for (const auto &[screen, answer] : answers)
            state.screen(screen).answer = answer;
        state.currentScreen = state.screenEnd - 1;
    }

    // The 14-point lines: the section titles as printed, without their line breaks.
    QStringList titles() const
    {
        QStringList titles;
        for (qsizetype i = 1; i < platform.printed.size(); ++i) {
            if (platform.printed[i - 1] == u"size 14")
                titles.append(platform.printed[i].mid(5).trimmed());
        }
        return titles;
    }

    PlannerState state;
    FakePlatform platform;
};

TEST_F(PrintLayout, AMeetingSheetLineByLine)
{
    walked(PlannerTool::Meeting,
           {{2, u"Budget review"_s}, {3, u"Room 4\r\nMonday"_s}, {7, u"Mr Okafor"_s}});
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    const FakePlatform::Box question{u"Are you sure that you wish to print the Work Sheet?"_s, 36,
                                     u"Orvanta"_s};
    EXPECT_EQ(platform.boxes, FakePlatform::Boxes{question});
    EXPECT_EQ(platform.jobs, 1);

    // Expected operations keep a section to a line of code.
    // clang-format off
    QStringList expected{u"font Arial"_s, u"size 11"_s, Rule, u"y 340"_s, u"size 16"_s, u"stay           The Meeting Planner"_s,
                         u"size 11"_s, u"line " + QString(40, u' ') + u"Printed: 5 December 2026", Rule, u"line "_s,
                         u"size 14"_s, u"line Meeting - Name.\r\n"_s, u"size 11"_s, u"line Budget review\r\n"_s};
    for (const auto &[title, answer] : {std::pair{u"Meeting - Where and When."_s, u"Room 4\r\nMonday"_s},
                                        {u"What is the purpose of this meeting?"_s, QString()}, {u"Background Research."_s, QString()},
                                        {u"Second Key Attendee."_s, u"Mr Okafor"_s}, {u"The Meeting / Agenda."_s, QString()},
                                        {u"What to Take."_s, QString()}, {u"General Notes."_s, QString()}})
        expected << u"size 14"_s << u"line " + title + u"\r\n" << u"size 11"_s << u"line " + answer + u"\r\n" << u"size 11"_s << Rule;
    expected << u"line "_s << u"line "_s << u"size 14"_s
             << u"line Post-mortem - Was it successful and what can be improved for next time?"_s << u"finish"_s;
    // clang-format on
    EXPECT_EQ(platform.printed, expected);
}

TEST_F(PrintLayout, SheetsOpenWithTheNamingScreenAndLeaveOutWhatIsNotWanted)
{
    walked(PlannerTool::Presentation, {{3, u"Launch"_s}, {8, u"Ms Shah"_s}, {18, u"never"_s}});
    layOutWorkSheet(state, u"1 March 2027"_s, *platform.openTextPrinter());
    // clang-format off
    EXPECT_EQ(titles().join(u'|'), u"Presentation - Title.|Presentation - Where and When.|What is the purpose of this presentation?|"
                                   u"Background Research - Knowing your audience?|Second Key Attendee.|The Presentation.|Strong Opening.|"
                                   u"Summary of your Presentation.|Presentation Topics.|Presentation Conclusion.|Future Action.|General Notes.|"
                                   u"Post-mortem - Was it successful and what can be improved for next time?");
    // No rule line after the first item; one after each section of the loop.
    EXPECT_EQ(platform.printed.count(Rule), 2 + 11);

    // Closing screens and empty optional sections are left out.
    platform.printed.clear();
    walked(PlannerTool::PhoneCall, {{2, u"Quote"_s}, {10, u"typed on the closing screen"_s}});
    layOutWorkSheet(state, u"5 December 2026"_s, *platform.openTextPrinter());
    EXPECT_EQ(titles().join(u'|'), u"Phone Call - Description.|What is the purpose of this phone call?|Background Research.|Likely Questions.|"
                                   u"The Phone Call.|General Notes.|Post-mortem - Was it successful and what can be improved for next time?");
    // clang-format on
}

TEST_F(PrintLayout, NoPrintsNothingAndAFailingPrinterIsToldOnce)
{
    walked(PlannerTool::Strategy, {{2, u"Win"_s}});
    platform.answers = {platform::No};
    PrintWorkSheet(state, platform);
    EXPECT_EQ(platform.jobs, 0);
    EXPECT_TRUE(platform.printed.isEmpty());

    platform.printerFailsAt = 3;
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    ASSERT_EQ(platform.boxes.size(), 3u); // the two questions and one message
    EXPECT_EQ(platform.boxes[2],
              (FakePlatform::Box{u"Command1_Click_error 482"_s, 0, u"Orvanta"_s}));
    EXPECT_EQ(platform.printed.size(), 3); // nothing after the failure

    // A cancelled job is not an error worth a word.
    platform.printed.clear();
    platform.printerError = platform::CancelledError;
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    EXPECT_EQ(platform.boxes.size(), 4u);
}

} // namespace
