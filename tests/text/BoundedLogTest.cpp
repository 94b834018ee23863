#include "text/BoundedLog.h"

#include "JsonTestSupport.h"

#include <gtest/gtest.h>

namespace {

QString closing()
{
    return BoundedLog::closingLine().toString();
}

// A log with room for `lineRoom` code units of lines besides the closing line.
BoundedLog logWithRoom(qsizetype lineRoom)
{
    return BoundedLog(BoundedLog::closingLine().size() + lineRoom);
}

TEST(BoundedLog, KeepsLinesWholeWhileTheyFit)
{
    BoundedLog log = logWithRoom(100);
    log.addLine({u"Duplicate key", u": ", u"a"});
    log.addLine({u"second"});
    EXPECT_EQ(log.text(), u"Duplicate key: a\r\nsecond\r\n"_qs);
    EXPECT_TRUE(log.isOpen());
}

TEST(BoundedLog, LineThatFitsExactlyIsKept)
{
    BoundedLog log = logWithRoom(10);
    log.addLine({u"01234567"});
    EXPECT_EQ(log.text(), u"01234567\r\n"_qs);
    EXPECT_TRUE(log.isOpen());
    log.addLine({u"x"});
    EXPECT_EQ(log.text(), u"01234567\r\n"_qs + closing());
    EXPECT_FALSE(log.isOpen());
}

TEST(BoundedLog, CutsTheLineThatPassesTheBoundThenCloses)
{
    BoundedLog log = logWithRoom(10);
    log.addLine({u"0123", u"456789ABC"});
    EXPECT_EQ(log.text(), u"01234567\r\n"_qs + closing());
    EXPECT_FALSE(log.isOpen());
    log.addLine({u"later"});
    EXPECT_EQ(log.text(), u"01234567\r\n"_qs + closing());
}

TEST(BoundedLog, NeverCutsASurrogatePairInHalf)
{
    BoundedLog log = logWithRoom(5);
    log.addLine({u"ab\U0001F600cd"});
    EXPECT_EQ(log.text(), u"ab\r\n"_qs + closing());
}

TEST(BoundedLog, ClearAndSetTextReopen)
{
    BoundedLog log = logWithRoom(4);
    log.addLine({u"too long"});
    ASSERT_FALSE(log.isOpen());
    log.setText(u"Invalid JSON"_qs);
    EXPECT_EQ(log.text(), u"Invalid JSON"_qs);
    EXPECT_TRUE(log.isOpen());
    log.addLine({u"xx"});
    EXPECT_FALSE(log.isOpen()); // the set text already fills the room
    log.clear();
    EXPECT_EQ(log.text(), QString());
    EXPECT_TRUE(log.isOpen());
    log.addLine({u"ok"});
    EXPECT_EQ(log.text(), u"ok\r\n"_qs);
}

} // namespace
