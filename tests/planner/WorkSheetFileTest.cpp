#include "WorkSheetFile.h"

#include "AnswerRule.h"
#include "PlannerState.h"

#include "FakePlatform.h"

using namespace planner;

namespace {

TEST(WorkSheetFile, NamesHoldOnlyWhatTheUserCanSeeAndFind)
{
    const std::pair<QString, QString> cases[] = {
        {u"Q3/Q4 Sales plan for the northern region"_s, u"Q3Q4 Sales plan for"_s}, // 20, then cut
        {u"C:\\Sales\\Plan"_s, u"C:SalesPlan"_s},
        {QString(19, u'x') + u"\U0001F600", QString(19, u'x')}, // a character whole or not at all
        {u"x.doc"_s + QChar(0) + u"x", u"x.docx"_s},
        {u"Tab\there\x1b[31mred\x7f"_s, u"Tabhere[31mred"_s},
        {u"Next\u0085line\u2028and\u2029so"_s, u"Nextlineandso"_s},
        {u"a"_s + QChar(0xD800) + u"b" + QChar(0xDC00), u"ab"_s}, // halves of characters
        {u"../../etc/passwd"_s, u"etcpasswd"_s},
        {u"//"_s, u"Work Sheet"_s},
        {u".. ."_s, u"Work Sheet"_s},
        {u" .Budget. "_s, u" .Budget. "_s},
    };
    for (const auto &[name, base] : cases)
        EXPECT_EQ(workSheetBaseName(name), base) << name.toStdString();
}

// The name box takes what the file name keeps, bar the folder separators.
TEST(WorkSheetFile, TheNameBoxAndTheFileNameShareOneRule)
{
    const QString offered = u"Q3\u2028Plan\t\U0001F600/\u0000x"_s;
    EXPECT_EQ(admitted(NameAnswer, offered, 40), u"Q3Plan\U0001F600/x");
    EXPECT_EQ(workSheetBaseName(admitted(NameAnswer, offered, 40)), u"Q3Plan\U0001F600x");
    EXPECT_EQ(admitted(NameAnswer, offered, 7), u"Q3Plan"); // whole characters only
    EXPECT_EQ(admitted(FreeAnswer, offered, 0), u"Q3\nPlan\t\U0001F600/\u0000x"_s);
}

class SavingToDocs : public ::testing::Test
{
protected:
    void save(const QString &name, const QString &sheet = u"Sheet"_s)
    {
        platform.answers = {platform::Yes};
        state.workName = name;
        SaveWorkSheet(state, sheet, platform);
    }
    QString file(const QString &name) const
    {
        const auto found = platform.files.find(u"/opt/orvanta/Docs/" + name);
        return found == platform.files.end() ? u"(no file)"_s : found->second;
    }
    // The file each question named.
    QStringList asked() const
    {
        QStringList names;
        for (const FakePlatform::Box &box : platform.boxes) {
            if (box.text.startsWith(StoreQuestion))
                names.append(box.text.sliced(StoreQuestion.size()).chopped(1));
        }
        return names;
    }

    const QString StoreQuestion =
        u"Do you wish to store a copy of this Work Sheet on disk? (/opt/orvanta/Docs/"_s;
    const QString PostMortem =
        u"\r\n\r\nPOST-MORTEM.\r\nWas it successful and what can be improved for next time?\r\n"_s;
    FakePlatform platform;
    PlannerState state;
};

// Plans named alike, in one run and across runs, each keep their own sheet; a
// plan saved again replaces only its own file. The question names the file.
TEST_F(SavingToDocs, APlanReplacesOnlyItsOwnSheet)
{
    const QString first = u"Meeting with ACME Corp Q1"_s;
    save(first, u"Q1 plan"_s);
    save(first, u"Q1 plan, edited"_s);
    state.startTool(PlannerTool::Meeting);
    save(u"Meeting with ACME Corp Q2"_s, u"Q2 plan"_s);
    state = PlannerState(); // the program started again, the first plan made anew
    save(first, u"Q1 again"_s);

    EXPECT_EQ(asked(),
              QStringList({u"Meeting with ACME Co.doc"_s, u"Meeting with ACME Co.doc"_s,
                           u"Meeting with ACME Co (2).doc"_s, u"Meeting with ACME Co (3).doc"_s}));
    EXPECT_EQ(file(u"Meeting with ACME Co.doc"_s), u"Q1 plan, edited" + PostMortem);
    EXPECT_EQ(file(u"Meeting with ACME Co (2).doc"_s), u"Q2 plan" + PostMortem);
    EXPECT_EQ(file(u"Meeting with ACME Co (3).doc"_s), u"Q1 again" + PostMortem);
    EXPECT_EQ(platform.folders, QStringList(4, u"/opt/orvanta/Docs"_s));
}

// No stores nothing; neither does an empty name. A failure is told with the
// system's reason, and the sheet counts as unsaved.
TEST_F(SavingToDocs, OnlyAYesWithANameStoresAndAFailureIsTold)
{
    platform.answers = {platform::No};
    SaveWorkSheet(state, u"Sheet"_s, platform);
    save({});
    EXPECT_EQ(asked(), QStringList({u"Work Sheet.doc"_s, u"Work Sheet.doc"_s}));
    EXPECT_TRUE(platform.files.empty());

    platform.writeError = u"Not a directory"_s;
    save(u"Budget"_s);
    platform.writeError.clear();
    EXPECT_EQ(platform.boxes.back(),
              (FakePlatform::Box{u"The Work Sheet could not be stored in:\r\n\r\n"
                                 u"/opt/orvanta/Docs/Budget.doc\r\n\r\nNot a directory"_s,
                                 48, u"Orvanta"_s}));
    platform.files[u"/opt/orvanta/Docs/Budget.doc"_s] = u"Someone else's"_s;
    save(u"Budget"_s);
    EXPECT_EQ(asked().back(), u"Budget (2).doc");
}

} // namespace
