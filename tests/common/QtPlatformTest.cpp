#include "QtPlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

// Files written for real into a folder of the test's own.
class WritingFiles : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return folder.filePath(u"Docs/"_s + name); }
    QString write(const QString &name, const QString &text, bool replace = true)
    {
        QString reason;
        return platform.writeTextFile(path(name), text, replace, reason) ? u"written"_s : reason;
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    QTemporaryDir folder;
    platform::QtPlatform platform;
};

// Text beyond ASCII reads back exactly; a file is replaced whole or not at all,
// keeps its permissions, and is left alone unless replacing was asked for.
TEST_F(WritingFiles, AFileIsReplacedWholeOrNotAtAll)
{
    const QString text = u"Na\u00efve r\u00e9sum\u00e9 \u2013 \u00a3500\u00a0net \U0001F600"_s;
    const QString name = u"Caf\u00e9 \u4f1a\u8b70.doc"_s;
    EXPECT_EQ(write(name, text), u"written"); // Docs is made on the way
    EXPECT_EQ(contents(path(name)), text.toUtf8());
    ASSERT_TRUE(QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner));
    EXPECT_EQ(write(name, u"Short"_s), u"written");
    EXPECT_EQ(QFileInfo(path(name)).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0)
        << "kept private";
    EXPECT_EQ(write(name, u"Other"_s, false), u"File exists");

    std::signal(SIGXFSZ, SIG_IGN); // a write the system cuts short, beyond 1 KB
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{1024, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const QString tooLarge = write(name, QString(4000, u'x'));
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(tooLarge, u"File too large");
    EXPECT_EQ(contents(path(name)), "Short");
    EXPECT_EQ(QDir(folder.filePath(u"Docs"_s)).entryList(QDir::Files | QDir::Hidden), QStringList{name})
        << "nothing left over";
}

// A link of that name is replaced, never followed; without replacing, it stays.
// Where the folder cannot be made, the reason says why.
TEST_F(WritingFiles, ALinkIsNeverFollowedAndAFailureSaysWhy)
{
    QTemporaryDir elsewhere;
    const QString theirs = elsewhere.filePath(u"theirs.txt"_s);
    ASSERT_TRUE(QDir().mkpath(folder.filePath(u"Docs"_s)));
    ASSERT_TRUE(QFile::link(theirs, path(u"Plan.doc"_s)));
    EXPECT_EQ(write(u"Plan.doc"_s, u"Mine"_s, false), u"File exists");
    EXPECT_TRUE(platform.fileExists(path(u"Plan.doc"_s)));
    EXPECT_EQ(write(u"Plan.doc"_s, u"Mine"_s), u"written");
    EXPECT_FALSE(QFile::exists(theirs));
    EXPECT_EQ(contents(path(u"Plan.doc"_s)), "Mine");

    ASSERT_TRUE(QDir(folder.filePath(u"Docs"_s)).removeRecursively());
    QFile blocker(folder.filePath(u"Docs"_s)); // a file named Docs is in the way, and stays
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly) && blocker.write("Mine") == 4);
    blocker.close();
    EXPECT_EQ(write(u"Budget.doc"_s, u"Sheet"_s), u"Not a directory");
    EXPECT_EQ(contents(folder.filePath(u"Docs"_s)), "Mine");
}

} // namespace
