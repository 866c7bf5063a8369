#include "WorkSheetFile.h"

#include "PlannerState.h"

#include "FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using planner::SaveWorkSheet;
using planner::workSheetBaseName;

namespace {

TEST(WorkSheetFile, NamesHoldOnlyWhatTheUserCanSeeAndFind)
{
    const std::pair<QString, QString> cases[] = {
        {u"Q3/Q4 Sales plan for the northern region"_s, u"Q3Q4 Sales plan for"_s}, // 20 characters
        {u"C:\\Sales\\Plan"_s, u"C:SalesPlan"_s},
        {QString(19, u'x') + u"\U0001F600", QString(19, u'x')}, // a character whole or not at all
        {u"a"_s + QChar(0) + u"b", u"ab"_s},
        {u"x.doc"_s + QChar(0) + u"x", u"x.docx"_s},
        {u"Tab\there\x1b[31mred\x7f"_s, u"Tabhere[31mred"_s},
        {u"Next\u0085line\u2028and\u2029so"_s, u"Nextlineandso"_s},
        {u"a"_s + QChar(0xD800) + u"b" + QChar(0xDC00), u"ab"_s}, // halves of characters
        {u".profile"_s, u"profile"_s},
        {u"../../etc/passwd"_s, u"etcpasswd"_s},
        {u"/"_s, u"Work Sheet"_s},
        {u"//"_s, u"Work Sheet"_s},
        {u"."_s, u"Work Sheet"_s},
        {u".. ."_s, u"Work Sheet"_s},
        {u"   "_s, u"Work Sheet"_s},
        {u"\t\r\n"_s, u"Work Sheet"_s},
        {u" .Budget. "_s, u" .Budget. "_s},
    };
    for (const auto &[name, base] : cases)
        EXPECT_EQ(workSheetBaseName(name), base) << name.toStdString();
}

class SavingToDocs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid() && elsewhere.isValid());
        platform.folder = folder.path();
    }

    QString docs() const { return folder.filePath(u"Docs"_s); }
    QString docs(const QString &name) const { return docs() + u'/' + name; }

    void save(const QString &name, const QString &sheet = u"Sheet"_s)
    {
        platform.answers = {platform::Yes};
        state.workName = name;
        SaveWorkSheet(state, sheet, platform);
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    // Everything in Docs, hidden files too.
    QStringList docsEntries() const
    {
        return QDir(docs()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                      | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    FakePlatform platform;
    planner::PlannerState state;
};

const QByteArray PostMortem =
    "\r\n\r\nPOST-MORTEM.\r\nWas it successful and what can be improved for next time?\r\n";

// Plans named alike, in one run and across runs, each keep their own sheet;
// a plan saved again replaces only its own file. The question names the file
// that is written.
TEST_F(SavingToDocs, APlanReplacesOnlyItsOwnSheet)
{
    const QString first = u"Meeting with ACME Corp Q1"_s;
    save(first, u"Q1 plan"_s);
    save(first, u"Q1 plan, edited"_s);
    state.startTool(planner::PlannerTool::Meeting);
    save(u"Meeting with ACME Corp Q2"_s, u"Q2 plan"_s);
    planner::PlannerState nextRun; // the program started again, the first plan made anew
    std::swap(state, nextRun);
    save(first, u"Q1 again"_s);
    ASSERT_TRUE(QFile::link(elsewhere.filePath(u"theirs.txt"_s), docs(u"Budget.doc"_s)));
    save(u"Budget"_s);

    QStringList asked;
    for (const FakePlatform::Box &box : platform.boxes)
        asked.append(box.text.sliced(box.text.indexOf(u"/Docs/") + 6).chopped(1));
    EXPECT_EQ(asked,
              QStringList({u"Meeting with ACME Co.doc"_s, u"Meeting with ACME Co.doc"_s,
                           u"Meeting with ACME Co (2).doc"_s, u"Meeting with ACME Co (3).doc"_s,
                           u"Budget (2).doc"_s}));
    EXPECT_TRUE(platform.boxes[0].text.startsWith(
        u"Do you wish to store a copy of this Work Sheet on disk? (" + folder.path() + u"/Docs/"));
    EXPECT_EQ(contents(docs(u"Meeting with ACME Co.doc"_s)), "Q1 plan, edited" + PostMortem);
    EXPECT_EQ(contents(docs(u"Meeting with ACME Co (2).doc"_s)), "Q2 plan" + PostMortem);
    EXPECT_EQ(contents(docs(u"Meeting with ACME Co (3).doc"_s)), "Q1 again" + PostMortem);
    EXPECT_TRUE(QFileInfo(docs(u"Budget.doc"_s)).isSymLink());
    EXPECT_FALSE(QFile::exists(elsewhere.filePath(u"theirs.txt"_s))) << "nothing written there";
    EXPECT_EQ(docsEntries().size(), 5) << "nothing left over";
}

// A name and a sheet beyond ASCII read back exactly; a second save replaces the file, and
// one that the file system refuses half way, beyond 1 KB, keeps it as it was.
TEST_F(SavingToDocs, ASheetReadsBackExactlyAndOnlyAWholeSaveReplacesIt)
{
    const QString name = u"Caf\u00e9 Z\u00fcrich \u20ac5 \u4f1a\u8b70 \U0001F600"_s;
    const QString sheet = u"Na\u00efve r\u00e9sum\u00e9 \u2013 \u00a3500\u00a0net"_s;
    save(name, sheet);
    EXPECT_EQ(contents(docs(name + u".doc")), sheet.toUtf8() + PostMortem);
    save(name, u"Short"_s);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{1024, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    save(name, QString(4000, u'x'));
    setrlimit(RLIMIT_FSIZE, &limit);
    ASSERT_EQ(platform.boxes.size(), 4u);
    EXPECT_EQ(platform.boxes[3].flags, 48);
    EXPECT_TRUE(platform.boxes[3].text.endsWith(u"File too large"))
        << platform.boxes[3].text.toStdString();
    EXPECT_EQ(contents(docs(name + u".doc")), "Short" + PostMortem);
    EXPECT_EQ(docsEntries(), QStringList{name + u".doc"}) << "nothing left over";
}

// Runs `work` in a child process without root's rights, which would let it write
// anywhere, and returns what it returned.
QString withoutRoot(const std::function<QString()> &work)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return u"(no pipe)"_s;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        const QByteArray out = work().toUtf8();
        const bool written = ::write(pipe[1], out.constData(), size_t(out.size())) == out.size();
        ::_exit(written ? 0 : 1);
    }
    ::close(pipe[1]);
    QByteArray out;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, n);
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return status == 0 ? QString::fromUtf8(out) : u"(the child failed)"_s;
}

TEST_F(SavingToDocs, WhenDocsCannotBeMadeTheMessageSaysWhy)
{
    const QString notStored = u"The Work Sheet could not be stored in:\r\n\r\n" + folder.path()
        + u"/Docs/Budget.doc\r\n\r\n";

    // The program's folder is read-only.
    ASSERT_TRUE(QFile::setPermissions(
        folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    const QString refused = withoutRoot([this] {
        save(u"Budget"_s);
        return platform.boxes.back().text;
    });
    EXPECT_EQ(refused, notStored + u"Permission denied");
    ASSERT_TRUE(QFile::setPermissions(folder.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    // A file named Docs is in the way; it stays as it was.
    QFile blocker(docs());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly) && blocker.write("Mine") == 4);
    blocker.close();
    save(u"Budget"_s);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1],
              (FakePlatform::Box{notStored + u"Not a directory", 48, u"Orvanta"_s}));
    EXPECT_EQ(contents(docs()), "Mine");
}

} // namespace
