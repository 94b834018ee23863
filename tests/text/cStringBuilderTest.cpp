#include "text/cStringBuilder.h"

#include "JsonTestSupport.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QString units(int count, char16_t unit = u'a')
{
    return QString(count, QChar(unit));
}

cStringBuilder builderWith(const QString& text)
{
    cStringBuilder builder;
    builder.Append(text);
    return builder;
}

// What a builder looks like from outside.
struct State
{
    QString text;
    int length;
    int capacity;
    int chunkSize;
};

State stateOf(const cStringBuilder& builder)
{
    return {builder.toString(), builder.Length(), builder.Capacity(), builder.ChunkSize()};
}

void expectState(const cStringBuilder& builder, const State& expected)
{
    const State actual = stateOf(builder);
    EXPECT_EQ(actual.text, expected.text);
    EXPECT_EQ(actual.length, expected.length);
    EXPECT_EQ(actual.capacity, expected.capacity);
    EXPECT_EQ(actual.chunkSize, expected.chunkSize);
}

TEST(cStringBuilder, NewBuilderIsEmpty)
{
    expectState(cStringBuilder(), {QString(), 0, 0, 8192});
}

// Growth: appended length, the capacity it gives, for a new builder.
struct GrowthCase
{
    int chunkSize;
    int appended;
    int capacity;
};

class Growth : public ::testing::TestWithParam<GrowthCase>
{
};

TEST_P(Growth, CapacityGrowsInWholeChunks)
{
    cStringBuilder builder;
    builder.setChunkSize(GetParam().chunkSize);
    builder.Append(units(GetParam().appended));
    EXPECT_EQ(builder.Length(), GetParam().appended);
    EXPECT_EQ(builder.Capacity(), GetParam().capacity);
}

INSTANTIATE_TEST_SUITE_P(cStringBuilder, Growth,
                         ::testing::Values(GrowthCase{8192, 0, 0}, GrowthCase{8192, 3, 8192},
                                           GrowthCase{8192, 8192, 8192},
                                           GrowthCase{8192, 8193, 16384},
                                           GrowthCase{8192, 20000, 24576},
                                           GrowthCase{100, 150, 200}, GrowthCase{1, 5, 5}));

TEST(cStringBuilder, AppendPastTheChunkAddsOneChunk)
{
    cStringBuilder builder = builderWith(units(8190));
    ASSERT_EQ(builder.Capacity(), 8192);
    builder.Append(u"bcdef"_qs);
    EXPECT_EQ(builder.Length(), 8195);
    EXPECT_EQ(builder.Capacity(), 16384);
    EXPECT_TRUE(builder.toString().endsWith(u"abcdef"_qs));
}

TEST(cStringBuilder, AppendVariantsAgree)
{
    cStringBuilder builder;
    builder.AppendNL(u"x"_qs);
    expectState(builder, {u"x\r\n"_qs, 3, 8192, 8192});
    builder.AppendByVal(u"y"_qs);
    builder.Append(QStringView(u"z"));
    builder.Append(QString());
    expectState(builder, {u"x\r\nyz"_qs, 5, 8192, 8192});
}

TEST(cStringBuilder, TheStringReplacesAndEmptyReleases)
{
    cStringBuilder builder;
    builder.setTheString(units(10000));
    expectState(builder, {units(10000), 10000, 16384, 8192});
    builder.setTheString(u"abc"_qs);
    expectState(builder, {u"abc"_qs, 3, 16384, 8192}); // a larger capacity stays
    builder.setTheString(QString());
    expectState(builder, {QString(), 0, 0, 8192});
}

TEST(cStringBuilder, ClearKeepsTheChunkSize)
{
    cStringBuilder builder;
    builder.setChunkSize(10);
    builder.Append(u"abc"_qs);
    builder.Clear();
    expectState(builder, {QString(), 0, 0, 10});
}

TEST(cStringBuilder, ToStringIsACopy)
{
    cStringBuilder builder = builderWith(u"abc"_qs);
    QString copy = builder.toString();
    copy[0] = u'X';
    builder.Append(u"d"_qs);
    EXPECT_EQ(copy, u"Xbc"_qs);
    EXPECT_EQ(builder.toString(), u"abcd"_qs);
}

// An edit on the built text "abcd" and its result; an empty result marks error 9.
struct EditCase
{
    const char* name;
    void (*edit)(cStringBuilder&);
    const char16_t* result;
};

std::ostream& operator<<(std::ostream& out, const EditCase& c)
{
    return out << c.name;
}

class Edits : public ::testing::TestWithParam<EditCase>
{
};

TEST_P(Edits, ChangeTheTextOrLeaveItUnchanged)
{
    cStringBuilder builder = builderWith(u"abcd"_qs);
    const QString result = QString::fromUtf16(GetParam().result);
    if (result.isEmpty()) {
        EXPECT_THROW(GetParam().edit(builder), std::out_of_range);
        expectState(builder, {u"abcd"_qs, 4, 8192, 8192});
    } else {
        GetParam().edit(builder);
        expectState(builder, {result, int(result.size()), 8192, 8192});
    }
}

const EditCase EditCases[] = {
    {"InsertAtStart", [](cStringBuilder& b) { b.Insert(0, u"xy"_qs); }, u"xyabcd"},
    {"InsertInside", [](cStringBuilder& b) { b.InsertByVal(2, u"-"_qs); }, u"ab-cd"},
    {"InsertAtLengthAppends", [](cStringBuilder& b) { b.Insert(4, u"z"_qs); }, u"abcdz"},
    {"InsertNothing", [](cStringBuilder& b) { b.Insert(1, QString()); }, u"abcd"},
    {"InsertPastLength", [](cStringBuilder& b) { b.Insert(5, u"z"_qs); }, u""},
    {"InsertNegative", [](cStringBuilder& b) { b.Insert(-1, u"z"_qs); }, u""},
    {"RemoveInside", [](cStringBuilder& b) { b.Remove(1, 2); }, u"ad"},
    {"RemoveNothingAtLength", [](cStringBuilder& b) { b.Remove(4, 0); }, u"abcd"},
    {"RemovePastLength", [](cStringBuilder& b) { b.Remove(3, 2); }, u""},
    {"RemoveFromPastLength", [](cStringBuilder& b) { b.Remove(5, 0); }, u""},
    {"RemoveNegativeIndex", [](cStringBuilder& b) { b.Remove(-1, 1); }, u""},
    {"RemoveNegativeLength", [](cStringBuilder& b) { b.Remove(2, -1); }, u""},
    {"RemoveHugeRange", [](cStringBuilder& b) { b.Remove(2, 2147483647); }, u""},
};
INSTANTIATE_TEST_SUITE_P(cStringBuilder, Edits, ::testing::ValuesIn(EditCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(cStringBuilder, RemoveEverythingKeepsTheCapacity)
{
    cStringBuilder builder = builderWith(u"abcd"_qs);
    builder.Remove(0, 4);
    expectState(builder, {QString(), 0, 8192, 8192});
}

struct FindCase
{
    const char16_t* needle;
    int start;
    int compare;
    int position;
};

class Find : public ::testing::TestWithParam<FindCase>
{
};

TEST_P(Find, GivesOneBasedPositionOrZero)
{
    cStringBuilder builder = builderWith(u"abcbx"_qs);
    builder.Remove(4, 1); // "abcb"; the x is gone from the built text
    const FindCase& c = GetParam();
    EXPECT_EQ(builder.Find(QString::fromUtf16(c.needle), c.start, c.compare), c.position);
}

INSTANTIATE_TEST_SUITE_P(cStringBuilder, Find,
                         ::testing::Values(FindCase{u"b", 1, 0, 2}, FindCase{u"b", 3, 0, 4},
                                           FindCase{u"b", 0, 0, 2}, FindCase{u"b", -5, 0, 2},
                                           FindCase{u"B", 1, 1, 2}, FindCase{u"B", 1, 0, 0},
                                           FindCase{u"bx", 1, 0, 0}, FindCase{u"b", 5, 0, 0},
                                           FindCase{u"cb", 1, 0, 3}, FindCase{u"abcbx", 1, 0, 0},
                                           FindCase{u"", 2, 0, 2}, FindCase{u"", 5, 0, 0}));

TEST(cStringBuilder, FindRejectsUnknownCompareModes)
{
    const cStringBuilder builder = builderWith(u"abc"_qs);
    EXPECT_THROW(builder.Find(u"a"_qs, 1, 2), std::invalid_argument);
    EXPECT_THROW(builder.Find(u"a"_qs, 1, -1), std::invalid_argument);
}

// HeapMinimize: text length and capacity before, capacity after.
struct MinimizeCase
{
    int length;
    int grownTo;
    int capacityAfter;
};

class HeapMinimize : public ::testing::TestWithParam<MinimizeCase>
{
};

TEST_P(HeapMinimize, TrimsSpareRoomToOneChunk)
{
    const MinimizeCase& c = GetParam();
    cStringBuilder builder = builderWith(units(c.grownTo));
    builder.Remove(c.length, c.grownTo - c.length);
    builder.HeapMinimize();
    expectState(builder, {units(c.length), c.length, c.capacityAfter, 8192});
}

INSTANTIATE_TEST_SUITE_P(cStringBuilder, HeapMinimize,
                         ::testing::Values(MinimizeCase{100, 30000, 8192}, MinimizeCase{0, 1, 8192},
                                           MinimizeCase{0, 9000, 8192},
                                           MinimizeCase{8192, 16384, 16384},
                                           MinimizeCase{9000, 30000, 16384}));

TEST(cStringBuilder, ChunkSizeMustBePositiveAndFit)
{
    cStringBuilder builder = builderWith(u"abc"_qs);
    EXPECT_THROW(builder.setChunkSize(0), std::invalid_argument);
    EXPECT_THROW(builder.setChunkSize(-8192), std::invalid_argument);
    EXPECT_THROW(builder.setChunkSize(1073741824), std::overflow_error);
    expectState(builder, {u"abc"_qs, 3, 8192, 8192});
    builder.setChunkSize(1073741823);
    EXPECT_EQ(builder.ChunkSize(), 1073741823);
    EXPECT_EQ(builder.Capacity(), 8192); // nothing else changes
}

TEST(cStringBuilder, ManySmallAppendsBuildSixteenMiB)
{
    // Would take hours if each append copied the whole text.
    cStringBuilder builder;
    const QString piece = u"abcd"_qs;
    for (int i = 0; i < 2 * 1024 * 1024; ++i)
        builder.Append(piece);
    EXPECT_EQ(builder.Length(), 8 * 1024 * 1024);
    EXPECT_EQ(builder.Capacity(), 8 * 1024 * 1024);
    EXPECT_EQ(builder.Find(u"dabcd"_qs, 8 * 1024 * 1024 - 9, 0), 8 * 1024 * 1024 - 8);
}

} // namespace
