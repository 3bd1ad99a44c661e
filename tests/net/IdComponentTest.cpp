#include <gtest/gtest.h>

#include <string>

#include "EventLog.h"
#include "net/IdBuffer.h"
#include "net/IdComponent.h"

namespace {

using Lines = std::vector<std::string>;

class WorkEvents : public testing::Test {
protected:
    WorkEvents() { log.Attach(component); }

    TIdComponent component;
    EventLog log;
};

TEST_F(WorkEvents, NestedWorkFiresBeginAndEndOnlyAtTheOuterLevel) {
    component.BeginWork(wmRead, 100);
    component.DoWork(wmRead, 40);
    component.BeginWork(wmRead, 7);  // inner work keeps the outer maximum and total
    component.DoWork(wmRead, 60);
    component.EndWork(wmRead);
    component.EndWork(wmRead);
    EXPECT_EQ(log.lines, (Lines{"begin read 100", "work read 40", "work read 100", "end read"}));
}

TEST_F(WorkEvents, CountsOutsideWorkFireNothing) {
    component.DoWork(wmRead, 10);
    component.BeginWork(wmWrite, 5);
    component.DoWork(wmRead, 10);  // read counts while only write work runs
    component.DoWork(wmWrite, 5);
    component.EndWork(wmWrite);
    component.DoWork(wmWrite, 5);
    EXPECT_EQ(log.lines, (Lines{"begin write 5", "work write 5", "end write"}));
}

TEST_F(WorkEvents, EachWorkStartsItsTotalAfresh) {
    for (int round = 0; round < 2; ++round) {
        component.BeginWork(wmRead, 0);
        component.DoWork(wmRead, 3);
        component.EndWork(wmRead);
    }
    EXPECT_EQ(log.Starting("work"), (Lines{"work read 3", "work read 3"}));
}

TEST_F(WorkEvents, UnmatchedEndDoesNotSwallowTheNextBegin) {
    component.EndWork(wmRead);
    component.BeginWork(wmRead, 1);
    component.EndWork(wmRead);
    EXPECT_EQ(log.lines, (Lines{"begin read 1", "end read"}));
}

std::string Contents(const TIdBuffer& buffer) {
    return std::string(buffer.View());
}

TEST(InputBuffer, KeepsUnconsumedBytesAcrossCompaction) {
    TIdBuffer buffer;
    std::string expected;
    // Consume in uneven steps across several compaction points, appending as a socket would.
    for (int i = 0; i < 200; ++i) {
        const std::string chunk(1000 + i, static_cast<char>('a' + i % 26));
        buffer.Append(chunk.data(), chunk.size());
        expected += chunk;
        const std::size_t take = 700 + 13 * i;
        const std::size_t n = std::min(take, buffer.Size());
        buffer.Consume(n);
        expected.erase(0, n);
        ASSERT_EQ(Contents(buffer), expected) << "round " << i;
    }
}

TEST(InputBuffer, ConsumingEverythingEmptiesIt) {
    TIdBuffer buffer;
    buffer.Append("abc", 3);
    buffer.Consume(3);
    EXPECT_EQ(buffer.Size(), 0u);
    buffer.Append("de", 2);
    EXPECT_EQ(Contents(buffer), "de");
}

TEST(InputBuffer, ReserveAndCommitTakeOnlyWhatWasWritten) {
    TIdBuffer buffer;
    buffer.Append("x", 1);
    std::uint8_t* room = buffer.Reserve(100);
    room[0] = 'y';
    buffer.Commit(1);
    EXPECT_EQ(Contents(buffer), "xy");
}

TEST(InputBuffer, FindSearchesFromTheGivenOffset) {
    TIdBuffer buffer;
    buffer.Append("a\nb\n", 4);
    EXPECT_EQ(buffer.Find("\n", 0), 1u);
    EXPECT_EQ(buffer.Find("\n", 2), 3u);
    buffer.Consume(2);
    EXPECT_EQ(buffer.Find("\n", 0), 1u);
    EXPECT_EQ(buffer.Find("\r\n", 0), std::string_view::npos);
}

}  // namespace
