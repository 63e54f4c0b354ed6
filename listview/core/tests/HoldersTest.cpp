#include "listview/core/Holders.h"

#include <gtest/gtest.h>

#include <vector>

namespace listview {
namespace {

TEST(ColumnSizeValuesTest, SavesOnlyWithKeyAndSectionOutsideDesign) {
  struct Case { bool save; const char* key; const char* section; bool designing, saves; };
  for (const Case& c : {
           Case{true, "widths.ini", "List", false, true},
           Case{false, "widths.ini", "List", false, false},
           Case{true, "", "List", false, false},
           Case{true, "widths.ini", "", false, false},
           Case{true, "widths.ini", "List", true, false},
       }) {
    ColumnSizeValues v;
    v.Save = c.save;
    v.Key = c.key;
    v.Section = c.section;
    EXPECT_EQ(v.Saves(c.designing), c.saves) << c.key << "/" << c.section << " " << c.designing;
  }
  const ColumnSizeValues first;
  EXPECT_FALSE(first.Save || first.Stretch);
  EXPECT_EQ(first.Storage, stInifile);
}

TEST(TakesDetailValueTest, RefusesNegativeAndUnchangedValues) {
  struct Case { int present, value; bool takes; };
  for (const Case& c : {Case{16, -5, false}, Case{16, 16, false}, Case{16, 0, true}, Case{0, 1, true}})
    EXPECT_EQ(TakesDetailValue(c.present, c.value), c.takes) << c.present << " -> " << c.value;
  EXPECT_EQ(DetailValues{}.Height, 16);
}

TEST(ProgressColorsTest, AssignCopiesThroughEverySetter) {
  ProgressColors source, target;
  EXPECT_EQ(target.ColorFrom(), 0xC0C0C0u);     // silver, black, white, grey
  EXPECT_EQ(target.FontColorFrom(), 0x000000u);
  EXPECT_EQ(target.ColorTo(), 0xFFFFFFu);
  EXPECT_EQ(target.FontColorTo(), 0x808080u);
  source.SetColorFrom(1);
  source.SetFontColorFrom(2);
  source.SetColorTo(3);
  source.SetFontColorTo(4);
  std::vector<TColor> seen;   // ColorTo's value as each change is told
  target.OnChange = [&] { seen.push_back(target.ColorTo() * 10 + target.ColorFrom()); };
  target.AssignColors(source);
  EXPECT_EQ(seen, (std::vector<TColor>{30 + 0xC0C0C0, 30 + 0xC0C0C0, 31, 31}));
  EXPECT_EQ(target.FontColorFrom(), 2u);
  EXPECT_EQ(target.FontColorTo(), 4u);
}

TEST(SettingsValuesTest, StoredDefaults) {
  const HTMLSettingsValues html;
  EXPECT_EQ(html.Width, 100);
  EXPECT_EQ(html.BorderSize, 1);
  EXPECT_TRUE(html.SaveColor && html.SaveFonts);
  const PrintValues print;
  EXPECT_EQ(print.PageNumSep, "/");
  EXPECT_EQ(print.DateFormat, "dd/mm/yyyy");
  EXPECT_EQ(print.FitToPage, fpNever);
}

}  // namespace
}  // namespace listview
