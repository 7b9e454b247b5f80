// SPDX-FileCopyrightText: 2026 Veltrano developers
//
// SPDX-License-Identifier: MIT

#include "scores/score_merge.h"

#include <gtest/gtest.h>

#include "scores/score_file.h"
#include "score_text.h"

namespace {

struct Merge {
  const char* name;
  const char* ours;     // this game's list
  const char* base;     // the file as this game last read or wrote it
  const char* current;  // the file now
  const char* written;
};
void PrintTo(const Merge& value, std::ostream* out) { *out << value.name; }

class ScoreMerge : public testing::TestWithParam<Merge> {};

TEST_P(ScoreMerge, KeepsWhatEveryGameDid) {
  const Merge& m = GetParam();
  const scores::RowTable ours = testing_support::rowsIn(m.ours);
  const scores::OthersChanges others = scores::othersChanges(ours, testing_support::rowsIn(m.base), m.current);
  EXPECT_EQ(testing_support::fileOf(scores::withOthersChanges(ours, others)), m.written);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ScoreMerge,
    testing::Values(
        Merge{"NobodyElse", "b,2\na,1\n", "a,1\nb,2\n", "a,1\nb,2\n", "b,2\na,1\n"},
        Merge{"AnotherGameRecorded", "a,1\nme,5\n", "a,1\nme,5\n", "a,1\nme,5\nyou,6\nhand,7\n",
              "a,1\nme,5\nyou,6\nhand,7\n"},
        Merge{"AnotherGameRemoved", "c,3\nb,2\na,1\n", "a,1\nb,2\nc,3\n", "a,1\nc,3\n", "c,3\na,1\n"},
        Merge{"OurRemovalHolds", "a,1\n", "a,1\nb,2\n", "a,1\nb,2\n", "a,1\n"},
        Merge{"AnotherGameSortedTheFile", "a,1\nb,2\n", "a,1\nb,2\n", "b,2\na,1\n", "a,1\nb,2\n"},
        Merge{"EqualRowsAreCounted", "x,1\nx,1\nx,1\n", "x,1\nx,1\nx,1\n", "x,1\nx,1\n", "x,1\nx,1\n"},
        Merge{"BothRecordedTheSameRow", "a,1\nz,0\n", "a,1\nz,0\n", "a,1\nz,0\nz,0\n", "a,1\nz,0\nz,0\n"},
        Merge{"TheFileWasDeleted", "a,1\nnew,9\n", "a,1\n", "", "new,9\n"},
        Merge{"LinesWithoutAScoreAreNoRows", "a,1\n", "a,1\nnote\n", "a,1\nb,\nother note\n", "a,1\n"},
        Merge{"AnotherGameRemovedAMiddleRowOfLookalikes", "a,10\na,1\na,100\n", "a,10\na,1\na,100\n",
              "a,10\na,100\n", "a,10\na,100\n"},
        Merge{"OldLineEndsAreTheSameRows", "b,2\na,1\n", "a,1\r\nb,2\r\n", "a,1\nb,2\nc,3\n", "b,2\na,1\nc,3\n"},
        Merge{"TheLastLineGainedItsLineBreak", "a,1\nb,2\n", "a,1\nb,2", "a,1\nb,2\nc,3\n", "a,1\nb,2\nc,3\n"},
        Merge{"ALineChangedInPlace", "a,1\nb,2\n", "a,1\nb,2\n", "a,1\nb,20\n", "a,1\nb,20\n"},
        Merge{"EverythingAfterAShortFirstLine", "a,1\n", "a,1\n", "a,1\na,11\n", "a,1\na,11\n"},
        // Sorted by the other game, which recorded b,2 once more: one b,2 is new, not both.
        Merge{"AnotherGameSortedAndRecordedARowWeHave", "a,1\nb,2\n", "a,1\nb,2\n", "b,2\nb,2\na,1\n",
              "a,1\nb,2\nb,2\n"}),
    [](const testing::TestParamInfo<Merge>& info) { return std::string(info.param.name); });

}  // namespace
