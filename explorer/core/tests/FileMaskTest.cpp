#include "explorer/core/FileMask.h"

#include <gtest/gtest.h>

namespace explorer {
namespace {

TEST(FileMaskTest, PiecesAreTakenAsTheyStand) {
  using Pieces = std::vector<std::string>;
  struct Case {
    std::string mask;
    Pieces pieces;
  };
  for (const Case& c : {
           Case{"*.*", {"*.*"}},
           Case{"   ", {"*.*"}},                                // all blank: every file
           Case{"", {"*.*"}},
           Case{"  *.txt;*.doc  ", {"*.txt", "*.doc"}},
           Case{"*.txt; *.doc", {"*.txt", " *.doc"}},             // the blank stays in the pattern
           Case{"*.txt;*.txt", {"*.txt", "*.txt"}},               // an entry may show twice
           Case{"*.txt;;*.doc", {"*.txt", "", "*.doc"}},
           Case{"*.txt;", {"*.txt"}},
           Case{"\t*.txt", {"\t*.txt"}},                          // only spaces are blanks
       })
    EXPECT_EQ(MaskPieces(c.mask), c.pieces) << "'" << c.mask << "'";
}

TEST(FileMaskTest, EntryFilter) {
  const TEntryAttributes file{}, folder{true}, readOnly{false, true}, hidden{false, false, true},
      hiddenFolder{true, false, true}, system{false, false, false, true};
  const TEntryAttributes allFiles{false, true, true, true}, allFolders{true, true, true, true},
      noHidden{false, true, false, true}, noHiddenFolders{true, true, false, true}, plain{};
  struct Case {
    const char* note;
    std::string name;
    TEntryAttributes entry, wanted;
    bool parentEnabled, taken;
  };
  for (const Case& c : {
           Case{"a file when files are wanted", "a.txt", file, allFiles, true, true},
           Case{"no folder among files", "Sub", folder, allFiles, true, false},
           Case{"no file among folders", "a.txt", file, allFolders, true, false},
           Case{"a folder among folders", "Sub", folder, allFolders, true, true},
           Case{"hidden file without hidden", "h.txt", hidden, noHidden, true, false},
           Case{"hidden folder without hidden", "H", hiddenFolder, noHiddenFolders, true, false},
           Case{"read-only without it", "r.txt", readOnly, plain, true, false},
           Case{"system where allowed", "s.sys", system, noHidden, true, true},
           Case{"system without it", "s.sys", system, plain, true, false},
           Case{"dot never", ".", folder, allFolders, true, false},
           Case{"parent when enabled", "..", folder, allFolders, true, true},
           Case{"parent when disabled", "..", folder, allFolders, false, false},
       })
    EXPECT_EQ(EntryWanted(c.name, c.entry, c.wanted, c.parentEnabled), c.taken) << c.note;
}

TEST(FileMaskTest, CaptionsWithHiddenExtensions) {
  struct Case {
    std::string name;
    bool hide;
    std::string caption;
  };
  for (const Case& c : {Case{"readme.txt", true, "readme"}, Case{"readme.txt", false, "readme.txt"},
                        Case{".profile", true, ""},  // the only dot is the first character
                        Case{"a.b.c", true, "a.b"}, Case{"Makefile", true, "Makefile"}})
    EXPECT_EQ(EntryCaption(c.name, c.hide), c.caption) << c.name << " " << c.hide;
}

}  // namespace
}  // namespace explorer
