#include "HelpTopics.h"

#include <gtest/gtest.h>

namespace {

// A topic is what its section holds, found by its context number alone; a link leads to a
// topic only as "#N", N a positive number.
TEST(HelpTopics, ATopicIsItsSectionAndALinkItsNumber)
{
    const QString file = u"<section id=\"1\"><h1>Contents</h1></section>"
                         u"<section id=\"12\"><p>Twelve</p></section>"_s;
    EXPECT_EQ(help::topic(file, 12), u"<p>Twelve</p>");
    EXPECT_EQ(help::topic(file, 1), u"<h1>Contents</h1>");
    EXPECT_EQ(help::topic(file, 2), u"");
    EXPECT_EQ(help::topic(u"<section id=\"3\">unended"_s, 3), u"");
    EXPECT_EQ(help::linkedContext(u"#12"_s), 12);
    for (const QString &link : {u"12"_s, u"#0"_s, u"#-3"_s, u"#x"_s, u"https://example.org/#2"_s})
        EXPECT_EQ(help::linkedContext(link), 0) << link.toStdString();
}

} // namespace
