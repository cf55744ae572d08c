#include <gtest/gtest.h>

#include <stdexcept>

#include "database/clsDisplayFormatIsolate.h"

namespace {

TEST(DisplayFormats, ZeroDisplayCodes) {
  EXPECT_EQ(clsDisplayFormatIsolate::GetZeroDisplay(0), "-");
  EXPECT_EQ(clsDisplayFormatIsolate::GetZeroDisplay(1), "0");
  EXPECT_EQ(clsDisplayFormatIsolate::GetZeroDisplay(2), "N/A");
  EXPECT_EQ(clsDisplayFormatIsolate::GetZeroDisplay(3), "");
  EXPECT_EQ(clsDisplayFormatIsolate::GetZeroDisplay(255), "");
}

TEST(DisplayFormats, RangedConversionsMatchBothEndsInclusiveAndExactOnesOnlyTheirMinimum) {
  clsDisplayFormatIsolate formats;
  formats.AddDisplayFormat(7, 1, 1, true, "Grade", "0.0", 0, 3);
  formats.AddTextConvert(7, 0, 0, "none");
  formats.AddTextConvert(7, 1, 4, "some");
  formats.AddTextConvert(7, 4, 9, "many");
  formats.AddDisplayFormat(3, 12, 1, false, "Status", "", 0, 2);
  formats.AddTextConvert(3, 1, 99, "PRB");
  formats.AddTextConvert(3, 2, 2, "QST");
  const struct {
    int32_t index;
    float value;
    const char* text;
  } cases[] = {{0, 0, "none"},    {0, 0.5f, ""},  {0, 1, "some"},   {0, 2.5f, "some"}, {0, 4, "some"},
               {0, 4.5f, "many"}, {0, 9, "many"}, {0, 9.0001f, ""}, {0, -1, ""},       {1, 1, "PRB"},
               {1, 2, "QST"},     {1, 1.5f, ""},  {1, 50, ""}};
  for (const auto& c : cases)
    EXPECT_EQ(formats.GetTextConvert(c.index, c.value), c.text) << c.index << " " << c.value;
}

TEST(DisplayFormats, IdsMapToListPositionsAndUnknownIdsAreNotFound) {
  clsDisplayFormatIsolate formats;
  EXPECT_EQ(formats.DisplayIndex(1), -1);
  EXPECT_THROW(formats.DisplayName(0), std::out_of_range);
  formats.AddDisplayFormat(1, 1, 0, false, "Whole", "0", 0, 0);
  formats.AddDisplayFormat(2, 1, 0, false, "One Decimal", "0.0", 0, 0);
  formats.AddDisplayFormat(5, 3, 2, false, "Name", "", 0, 0);
  // An id far beyond the others is found without sizing an array by it.
  formats.AddDisplayFormat(2000000000, 1, 0, false, "Far", "0", 0, 0);
  EXPECT_EQ(formats.Count(), 4);
  EXPECT_EQ(formats.DisplayIndex(5), 2);
  EXPECT_EQ(formats.DisplayNameWID(5), "Name");
  EXPECT_EQ(formats.DisplayID(2), 5);
  EXPECT_EQ(formats.TextType(2), 2);
  EXPECT_EQ(formats.StringFormat(1), "0.0");
  EXPECT_EQ(formats.DisplayIndex(2000000000), 3);
  for (int32_t id : {0, 3, 4, 6, -1, 1 << 20, 1999999999}) {
    EXPECT_EQ(formats.DisplayIndex(id), -1) << id;
    EXPECT_EQ(formats.DisplayNameWID(id), "") << id;
  }
}

TEST(DisplayFormats, ConvertCountIsTheNumberOfConversionsActuallyLoaded) {
  clsDisplayFormatIsolate formats;
  // The first format claims three conversions but has one; the second claims
  // none but has two. Neither may read the other's texts.
  formats.AddDisplayFormat(1, 2, 1, false, "Claims Three", "", 0, 3);
  formats.AddTextConvert(1, 1, 1, "Yes");
  formats.AddDisplayFormat(2, 2, 1, false, "Claims None", "", 0, 0);
  formats.AddTextConvert(2, 0, 0, "Off");
  formats.AddTextConvert(2, 1, 1, "On");
  EXPECT_EQ(formats.ConvertCount(0), 1);
  EXPECT_EQ(formats.ConvertCount(1), 2);
  EXPECT_EQ(formats.GetTextConvert(0, 0), "");
  EXPECT_EQ(formats.GetTextConvert(0, 1), "Yes");
  EXPECT_EQ(formats.GetTextConvert(1, 1), "On");
  // A conversion naming another format joins none.
  formats.AddTextConvert(1, 0, 0, "Stray");
  EXPECT_EQ(formats.ConvertCount(1), 2);
  EXPECT_EQ(formats.GetTextConvert(0, 0), "");
}

}  // namespace
