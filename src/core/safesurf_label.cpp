#include "core/safesurf_label.h"

#include <stdexcept>

#include "core/tag_text.h"

namespace {

QStringList Graded(const QStringList& lastTwo) {
  QStringList levels = {"Subtle Innuendo",      "Explicit Innuendo",  "Technical Reference",
                        "Non-Graphic-Artistic", "Graphic-Artistic",   "Graphic",
                        "Detailed Graphic",     "Explicit Vulgarity", "Explicit and Crude"};
  if (!lastTwo.isEmpty()) levels = levels.mid(0, 7) + lastTwo;
  return levels;
}

}  // namespace

const std::array<SafeSurfCategory, SafeSurfCategoryCount>& SafeSurfCategories() {
  static const QStringList sexual =
      Graded({"Explicitly Graphic or Inviting Participation",
              "Explicit and Crude or Explicitly Inviting Participation"});
  static const std::array<SafeSurfCategory, SafeSurfCategoryCount> categories = {{
      {"SS~~000",
       "Suitable Age Range (note: this category can still be used to limit access to adults) :",
       {"All Ages", "Older Children", "Teens", "Older Teens", "Adult Supervision Recommended",
        "Adults", "Limited to Adults", "Adults Only", "Explicitly for Adults"}},
      {"SS~~001", "Profanity:", Graded({})},
      {"SS~~002",
       "Heterosexual themes without illustrations-writings, adult conversation; may include "
       "profanity:",
       sexual},
      {"SS~~003",
       "Homosexual themes without illustrations-writings, adult conversation; may include "
       "profanity:",
       sexual},
      {"SS~~004", "Nudity and consenting sexual acts-may include illustrations:", Graded({})},
      {"SS~~005",
       "Violent themes-writings, devices, militia, adult conversation; may include profanity:",
       Graded({"Inviting Participation in Graphic Interactive Format",
               "Encouraging Personal Participation, Weapon Making"})},
      {"SS~~006", "Both sexual and violent themes combined with profanity:", Graded({})},
      {"SS~~007",
       "Accusations or attacks against racial or religious groups:",
       {"Subtle Innuendo", "Explicit Innuendo", "Technical Reference", "Non-Graphic-Literary",
        "Graphic-Literary", "Graphic Discussions", "Endorsing Hatred",
        "Endorsing Violent or Hateful Action", "Advocating Violent or Hateful Action"}},
      {"SS~~008", "Themes advocating or glorifying illegal drug use:",
       Graded({"Simulated Interactive Participation", "Soliciting Personal Participation"})},
      {"SS~~009", "Other adult themes requiring parental caution:", Graded({})},
      {"SS~~00A",
       "Gambling:",
       {"Subtle Innuendo", "Explicit Innuendo", "Technical Discussion",
        "Non-Graphic-Artistic, Advertising", "Graphic-Artistic, Advertising", "Simulated Gambling",
        "Real Life Gambling without Stakes",
        "Encouraging Interactive Real Life Participation with Stakes",
        "Providing Means with Stakes"}},
  }};
  return categories;
}

QString SafeSurfServiceUrl() { return QStringLiteral("http://rating.example.org/"); }

QString BuildSafeSurfLabel(const SafeSurfRating& rating) {
  QString label = QStringLiteral("<META http-equiv=\"PICS-Label\" content='(PICS-1.0 \"") +
                  SafeSurfServiceUrl() + QStringLiteral("\" l ");
  if (rating.GenericTrue)
    label += QStringLiteral("generic true for \"") + rating.SiteUrl + QLatin1Char('"');
  label += QStringLiteral(" r (");
  for (int i = 0; i < SafeSurfCategoryCount; ++i) {
    const int level = rating.Levels[size_t(i)];
    if (level < 1 || level > 9) continue;
    if (i > 0) label += QLatin1Char(' ');
    label += SafeSurfCategories()[size_t(i)].Code + QLatin1Char(' ') + QString::number(level);
  }
  return label + QStringLiteral("))'>");
}

void ReadSafeSurfLabel(const QString& label, SafeSurfRating& rating) {
  for (int i = 0; i < SafeSurfCategoryCount; ++i) {
    QString code = SafeSurfCategories()[size_t(i)].Code;
    if (i < SafeSurfCategoryCount - 1) code += QLatin1Char(' ');
    const qsizetype at = label.indexOf(code);
    if (at < 0) continue;
    const QString digit = label.mid(at + 8, 1);
    if (digit.size() != 1 || !digit[0].isDigit() || digit[0].unicode() > '9')
      throw std::invalid_argument(
          QStringLiteral("'%1' is not a valid integer value").arg(digit).toStdString());
    rating.Levels[size_t(i)] = digit.toInt();
  }
  if (label.contains(QLatin1String("generic true for"))) {
    rating.GenericTrue = true;
    rating.SiteUrl = ExtractField(label, QLatin1Char('"'), 5);
  }
}
