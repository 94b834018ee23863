#include "browser/ListingState.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

/** A ListingState whose reactions record what they saw. */
class ListingStateReactions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.setReactions({[this] {
                                requests.append(QStringLiteral("%1 %2 %3 %4")
                                                    .arg(state.categoryCode(), state.folderId(),
                                                         state.offset(), state.idPath()));
                            },
                            [this] { parses.append(state.responseText()); }});
        QObject::connect(&state, &ListingState::folderIdChanged,
                         [this](const QString& v) { events.append("folder " + v); });
        QObject::connect(&state, &ListingState::offsetChanged,
                         [this](const QString& v) { events.append("offset " + v); });
        QObject::connect(&state, &ListingState::idPathChanged,
                         [this](const QString& v) { events.append("ids " + v); });
        QObject::connect(&state, &ListingState::namePathChanged,
                         [this](const QString& v) { events.append("names " + v); });
        QObject::connect(&state, &ListingState::categoryCodeChanged,
                         [this](const QString& v) { events.append("category " + v); });
    }

    ListingState state;
    QStringList requests;
    QStringList parses;
    QStringList events;
};

TEST_F(ListingStateReactions, EqualValuesChangeNothing)
{
    state.setCategoryCode("1");
    state.setFolderId("0");
    state.setOffset("0");
    state.setResponseText("");
    state.setIdPath("/0");
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_TRUE(parses.isEmpty());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(ListingStateReactions, OffsetChangeRequestsOnce)
{
    state.setOffset("30");
    state.setOffset("30");
    EXPECT_EQ(requests, QStringList{"1 0 30 /0"});
}

TEST_F(ListingStateReactions, FolderChangeResetsTheOffsetAndReloadsOnlyWhenItMoved)
{
    state.setFolderId("12");
    EXPECT_TRUE(requests.isEmpty());
    state.setOffset("60");
    requests.clear();
    state.setFolderId("13");
    EXPECT_EQ(state.offset(), "0");
    EXPECT_EQ(requests, QStringList{"1 13 0 /0"});
}

TEST_F(ListingStateReactions, CategoryChangeReturnsToTheRootInOrder)
{
    state.setIdPath("/0/12");
    state.setNamePath("/a");
    state.setFolderId("12");
    state.setOffset("30");
    requests.clear();
    events.clear();
    state.setCategoryCode("30");
    EXPECT_EQ(events, (QStringList{"category 30", "folder 0", "offset 0", "names ", "ids /0"}));
    // the offset's reload runs nested, before the paths are reset
    EXPECT_EQ(requests, (QStringList{"30 0 0 /0/12", "30 0 0 /0"}));
}

TEST_F(ListingStateReactions, ResponseChangeParsesAfterItsSignal)
{
    QObject::connect(&state, &ListingState::responseTextChanged, [this](const QString& v) {
        events.append("response " + v);
        EXPECT_TRUE(parses.isEmpty());
    });
    state.setResponseText("{}");
    state.setResponseText("{}");
    EXPECT_EQ(events, QStringList{"response {}"});
    EXPECT_EQ(parses, QStringList{"{}"});
}

TEST_F(ListingStateReactions, PlainFieldsOnlySignal)
{
    int signalCount = 0;
    QObject::connect(&state, &ListingState::sortOrderChanged, [&] { ++signalCount; });
    QObject::connect(&state, &ListingState::sharedOnlyChanged, [&] { ++signalCount; });
    QObject::connect(&state, &ListingState::totalCountChanged, [&] { ++signalCount; });
    QObject::connect(&state, &ListingState::pageItemCountChanged, [&] { ++signalCount; });
    state.setSortOrder("file_size&asc=1");
    state.setSharedOnly(true);
    state.setSharedOnly(true);
    state.setTotalCount("95");
    state.setPageItemCount("30");
    state.setNamePath("/x");
    EXPECT_EQ(signalCount, 4);
    EXPECT_EQ(events, QStringList{"names /x"});
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_TRUE(parses.isEmpty());
}

} // namespace
