#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "FakeSeams.h"
#include "draft_inputs/clsScoringIsolate.h"

namespace {

clsScoringIsolate ThreeRules() {
  clsScoringIsolate s;
  for (int i = 0; i < 3; ++i) {
    s.AddNew();
    s.SetCatID(10 + i);
  }
  return s;
}

// The cursor as "index BOF EOF", the ends as 0 or 1.
std::string Where(const clsScoringIsolate& s) {
  return std::to_string(s.Index()) + " " + (s.IsBOF() ? "1" : "0") + " " + (s.IsEOF() ? "1" : "0");
}

TEST(ScoringIsolateCursor, NewOrClearedSystemIsEmptyWithBothEndsAndAddNewMovesToAnEmptyRule) {
  kdtest::ScopedFakeSeams fakes;
  clsScoringIsolate s = ThreeRules();
  s.MoveFirst();
  s.Clear();
  EXPECT_EQ(s.RecordCount(), 0);
  EXPECT_EQ(Where(s), "0 1 1");
  s.MoveFirst();
  EXPECT_EQ(Where(s), "0 0 1");
  s.AddNew();
  EXPECT_EQ(Where(s), "0 0 0");
  EXPECT_EQ(s.Points(), 0.0f);
  EXPECT_EQ(s.CatID(), 0);
  EXPECT_EQ(s.ApplyToPos(), 0);
  EXPECT_FALSE(s.UsePos(1));
  s.AddNew();
  EXPECT_EQ(s.Index(), 1);
  EXPECT_EQ(s.RecordCount(), 2);
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST(ScoringIsolateCursor, MovesAcceptOneStepBeyondEitherEnd) {
  kdtest::ScopedFakeSeams fakes;
  clsScoringIsolate s = ThreeRules();
  s.Move(-1);
  EXPECT_EQ(Where(s), "-1 1 0");
  s.Move(s.RecordCount());
  EXPECT_EQ(Where(s), "3 0 1");
  s.MovePrevious();
  EXPECT_EQ(s.CatID(), 12);
  s.MoveFirst();
  EXPECT_EQ(s.CatID(), 10);
  s.MoveNext();
  EXPECT_EQ(s.CatID(), 11);
  s.MoveLast();
  EXPECT_EQ(s.CatID(), 12);
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST(ScoringIsolateCursor, MoveOutOfRangeShowsMessageAndChangesNothing) {
  kdtest::ScopedFakeSeams fakes;
  clsScoringIsolate s = ThreeRules();
  s.Move(1);
  s.Move(s.RecordCount() + 1);
  s.Move(-2);
  ASSERT_EQ(fakes.messages.plain.size(), 2u);
  EXPECT_EQ(fakes.messages.plain[0].text, "Scoring Isolate Error - Out of Range");
  EXPECT_EQ(fakes.messages.plain[0].buttons, seams::PlainButtons::kOk);
  EXPECT_EQ(Where(s), "1 0 0");

  s.Move(3);
  s.MoveNext();  // one past EOF
  EXPECT_EQ(fakes.messages.plain.size(), 3u);
  EXPECT_EQ(Where(s), "3 0 1");
}

TEST(ScoringIsolateCursor, FieldsOffTheRulesThrowInsteadOfReadingGarbage) {
  clsScoringIsolate s = ThreeRules();
  s.Move(3);
  EXPECT_THROW(s.CatID(), std::out_of_range);
  EXPECT_THROW(s.SetPoints(1.0f), std::out_of_range);
  s.Move(-1);
  EXPECT_THROW(s.UsePos(1), std::out_of_range);
}

TEST(ScoringIsolateCursor, SetRecordCountKeepsFirstRulesAndPullsCursorBack) {
  kdtest::ScopedFakeSeams fakes;
  clsScoringIsolate s = ThreeRules();
  s.MoveLast();
  s.SetApplyToPos(1 << 4);
  s.SetRecordCount(2);
  EXPECT_EQ(s.RecordCount(), 2);
  EXPECT_EQ(Where(s), "1 0 0");
  EXPECT_EQ(s.CatID(), 11);

  s.SetRecordCount(4);
  s.MoveLast();
  EXPECT_EQ(s.CatID(), 0);
  EXPECT_FALSE(s.UsePos(4));
  s.MoveFirst();
  EXPECT_EQ(s.CatID(), 10);

  s.SetRecordCount(0);
  EXPECT_EQ(s.RecordCount(), 0);
  EXPECT_TRUE(s.IsEOF());
  EXPECT_TRUE(s.IsBOF());
  EXPECT_TRUE(fakes.messages.plain.empty());
}

TEST(ScoringIsolateFields, ApplyToPosRefreshesThePositionSetAndForEveryXIsFieldVal) {
  clsScoringIsolate s;
  s.AddNew();
  s.SetApplyToPos((1 << 2) | (1 << 5));
  EXPECT_TRUE(s.UsePos(2));
  EXPECT_TRUE(s.UsePos(5));
  EXPECT_FALSE(s.UsePos(3));
  s.SetApplyToPos(1 << 1);
  EXPECT_TRUE(s.UsePos(3));
  EXPECT_EQ(s.ApplyToPos(), 2);
  s.SetFieldVal(25.0f);
  EXPECT_EQ(s.ForEveryX(), 25.0f);
}

TEST(ScoringIsolateFields, FilePathSetsNameWithoutExtension) {
  clsScoringIsolate s;
  s.SetFilePath("/home/u/sco/Standard PPR.sco");
  EXPECT_EQ(s.Name(), "/home/u/sco/Standard PPR");
  EXPECT_EQ(s.FilePath(), "/home/u/sco/Standard PPR.sco");
  s.SetFilePath("/sco/Ligue.s€é");  // four characters, seven bytes
  EXPECT_EQ(s.Name(), "/sco/Ligue");
  s.SetFilePath("ab");
  EXPECT_EQ(s.Name(), "");
  s.SetName("Other");
  EXPECT_EQ(s.Name(), "Other");
}

}  // namespace
