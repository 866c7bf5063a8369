#include "ScriptBuilder.h"

#include <gtest/gtest.h>

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

} // namespace
