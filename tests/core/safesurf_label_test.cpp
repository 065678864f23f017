#include "core/safesurf_label.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "qt_printers.h"

namespace {

const QString Head = QStringLiteral("<META http-equiv=\"PICS-Label\" content='(PICS-1.0 \"") +
                     SafeSurfServiceUrl() + QStringLiteral("\" l ");

TEST(BuildSafeSurfLabel, WritesRatedCategoriesInCodeOrder) {
  SafeSurfRating rating;
  EXPECT_EQ(BuildSafeSurfLabel(rating), Head + QStringLiteral(" r ())'>"));
  rating.Levels[0] = 3;
  EXPECT_EQ(BuildSafeSurfLabel(rating), Head + QStringLiteral(" r (SS~~000 3))'>"));
  rating.Levels[0] = 0;
  rating.Levels[1] = 2;
  EXPECT_EQ(BuildSafeSurfLabel(rating), Head + QStringLiteral(" r ( SS~~001 2))'>"));
  rating.Levels[0] = 9;
  rating.Levels[10] = 1;
  rating.GenericTrue = true;
  rating.SiteUrl = QStringLiteral("http://ann.example.net/");
  EXPECT_EQ(BuildSafeSurfLabel(rating),
            Head + QStringLiteral("generic true for \"http://ann.example.net/\" r (SS~~000 9 "
                                  "SS~~001 2 SS~~00A 1))'>"));
}

TEST(ReadSafeSurfLabel, ReadsBackWhatWasWritten) {
  SafeSurfRating written;
  written.Levels = {4, 0, 7, 0, 0, 1, 0, 0, 0, 9, 5};
  written.GenericTrue = true;
  written.SiteUrl = QStringLiteral("http://ann.example.net/");
  SafeSurfRating read;
  ReadSafeSurfLabel(BuildSafeSurfLabel(written), read);
  EXPECT_EQ(read.Levels, written.Levels);
  EXPECT_TRUE(read.GenericTrue);
  EXPECT_EQ(read.SiteUrl, written.SiteUrl);

  SafeSurfRating bad;
  EXPECT_THROW(ReadSafeSurfLabel(Head + QStringLiteral(" r (SS~~000 3 SS~~001 x))'>"), bad),
               std::invalid_argument);
  EXPECT_EQ(bad.Levels[0], 3);
}

TEST(SafeSurfCategories, EveryCategoryHasNineLevels) {
  for (const SafeSurfCategory& c : SafeSurfCategories())
    EXPECT_EQ(c.Levels.size(), 9) << c.Code.toStdString();
  EXPECT_EQ(SafeSurfCategories()[5].Levels[7],
            QStringLiteral("Inviting Participation in Graphic Interactive Format"));
  EXPECT_EQ(SafeSurfCategories()[2].Levels[6], QStringLiteral("Detailed Graphic"));
  EXPECT_EQ(SafeSurfCategories()[10].Code, QStringLiteral("SS~~00A"));
}

}  // namespace
