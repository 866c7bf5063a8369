#include "WorkSheetFile.h"

#include "AnswerRule.h"
#include "PlannerState.h"

#include "RecordingView.h"

using namespace planner;

namespace {

// The file name keeps what the name box takes, but folder separators and leading dots.
TEST(WorkSheetFile, NamesHoldOnlyWhatTheUserCanSeeAndFind)
{
    const QString offered = u"Q3\u2028Plan\t\U0001F600/\u0000x"_s;
    EXPECT_EQ(admitted(NameAnswer, offered, 40), u"Q3Plan\U0001F600/x");
    EXPECT_EQ(admitted(NameAnswer, offered, 7), u"Q3Plan"); // whole characters only
    EXPECT_EQ(admitted(FreeAnswer, offered, 0), u"Q3\nPlan\t\U0001F600/\u0000x"_s);
    const std::pair<QString, QString> names[] = {
        {u"Q3/Q4 Sales plan for the northern region"_s, u"Q3Q4 Sales plan for"_s}, // 20, then cut
        {QString(19, u'x') + u"\U0001F600", QString(19, u'x')},
        {offered, u"Q3Plan\U0001F600x"_s},
        {u"a"_s + QChar(0xD800) + u"b" + QChar(0xDC00), u"ab"_s}, // halves of characters
        {u"..\\../etc/passwd"_s, u"etcpasswd"_s},
        {u".. ."_s, u"Work Sheet"_s},
        {u" .Budget. "_s, u" .Budget. "_s},
    };
    for (const auto &[name, base] : names)
        EXPECT_EQ(workSheetBaseName(name), base) << name.toStdString();
}

// Plans named alike, in one run or across runs, each keep their own sheet, which only they
// replace. The question names the file and says when it goes beside another; No or no name
// stores nothing; a failure tells why.
TEST(SavingToDocs, APlanReplacesOnlyItsOwnSheet)
{
    FakePlatform platform;
    RecordingView boxes; // the window the question is asked over
    PlannerState state;
    const auto save = [&](const QString &name, const QString &sheet,
                          platform::Answer answer = platform::Answer::Yes) {
        boxes.answers = {answer};
        state.workName = name;
        SaveWorkSheet(state, sheet, platform, boxes);
        return boxes.boxes.back().text;
    };
    const QString first = u"Meeting with ACME Corp Q1"_s;
    const QString docs = u"/opt/orvanta/Docs/"_s;
    EXPECT_EQ(save(first, u"Q1 plan"_s),
              u"Do you wish to store a copy of this Work Sheet on disk? (" + docs
                  + u"Meeting with ACME Co.doc)");
    save(first, u"Q1 plan, edited"_s);
    state.startTool(PlannerTool::Meeting);
    EXPECT_TRUE(
        save(u"Meeting with ACME Corp Q2"_s, u"Q2"_s)
            .endsWith(u"Co (2).doc)\r\n\r\nA Work Sheet called \"Meeting with ACME Co.doc\" "
                      u"is already there, so this one goes beside it."));
    state = PlannerState(); // the program started again, the first plan made anew
    save(first, u"Q1 again"_s);
    save(u"Budget"_s, u"No"_s, platform::Answer::No);
    save({}, u"Nameless"_s);
    const QString post =
        u"\r\n\r\nPOST-MORTEM.\r\nWas it successful and what can be improved for next time?\r\n"_s;
    EXPECT_EQ(
        platform.files,
        (std::map<QString, QString>{{docs + u"Meeting with ACME Co.doc", u"Q1 plan, edited" + post},
                                    {docs + u"Meeting with ACME Co (2).doc", u"Q2" + post},
                                    {docs + u"Meeting with ACME Co (3).doc", u"Q1 again" + post}}));
    boxes.answering = [&] { // another program takes the name while the question is up
        platform.files[docs + u"Budget.doc"] = u"Theirs"_s;
        return platform::Answer::Yes;
    };
    save(u"Budget"_s, u"Sheet"_s);
    EXPECT_EQ(platform.files[docs + u"Budget.doc"], u"Theirs");
    boxes.answering = nullptr;
    platform.writeError = u"Not a directory"_s;
    save(u"Plan"_s, u"Sheet"_s);
    EXPECT_EQ(
        boxes.boxes.back(),
        (platform::Message{u"The Work Sheet could not be stored in:\r\n\r\n" + docs
                               + u"Plan.doc\r\n\r\nNot a directory",
                           platform::Buttons::Ok, platform::Icon::Exclamation, u"Orvanta"_s}));
}

} // namespace
