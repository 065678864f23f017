#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The PICS-1.0 rating label with the SafeSurf categories, written as a META tag.

constexpr int SafeSurfCategoryCount = 11;

struct SafeSurfCategory {
  QString Code;        // "SS~~000"
  QString Question;    // the label of its page
  QStringList Levels;  // the names of levels 1 to 9
};
const std::array<SafeSurfCategory, SafeSurfCategoryCount>& SafeSurfCategories();

// Where the label says the rating system is described.
QString SafeSurfServiceUrl();

struct SafeSurfRating {
  std::array<int, SafeSurfCategoryCount> Levels{};  // 0 = not rated
  bool GenericTrue = false;                         // the ratings hold for the whole site
  QString SiteUrl;
};

QString BuildSafeSurfLabel(const SafeSurfRating& rating);

// Reads a label back into `rating`: the level digit after each category code, and the
// site address when the label holds for the whole site. A character after a code that is
// not a digit throws std::invalid_argument with the conversion message; the levels read
// before it are kept.
void ReadSafeSurfLabel(const QString& label, SafeSurfRating& rating);
