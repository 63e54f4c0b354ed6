#include "manager/core/TransferPlan.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

#include "common/core/TextCase.h"
#include "manager/core/ConsoleNames.h"

namespace manager {
namespace {

constexpr const char* kPC = "C:\\Videos\\";
constexpr const char* kPSP = "P:\\MP_ROOT\\100MNV01\\";
constexpr const char* kDefault = "C:\\Program\\DefaultPreview.THM";

// Files by path without regard to case, "." or "..", each with its content.
class TFakeFiles : public TTransferFiles {
public:
  std::map<std::string, std::string> Content;
  std::set<std::string> Unreadable;  // copies from these fail
  std::set<std::string> Full;        // folders where a copy stops part way, leaving what it wrote
  std::set<std::string> InUse;       // these cannot be written, replaced or deleted
  std::set<std::string> Folders{"C:\\VIDEOS\\", "P:\\MP_ROOT\\"};
  int NamesRead = 0;            // readings of a folder's names
  bool StopWhileReading = false;  // whether a reading asked about Stop

  bool Exists(const std::string& path) override {
    return IsFile(path) || Folders.count(Key(path) + "\\") > 0;
  }
  bool IsFile(const std::string& path) override { return Content.count(Key(path)) > 0; }
  std::vector<std::string> Names(const std::string& folder,
                                 const std::function<bool()>& stopRequested) override {
    ++NamesRead;
    if (stopRequested()) {
      StopWhileReading = true;
      return {};
    }
    std::vector<std::string> names;
    const std::string key = Key(folder);
    for (const std::set<std::string>& paths : {Keys(), Folders})
      for (const std::string& path : paths)
        if (path.size() > key.size() && path.rfind(key, 0) == 0) {
          const std::string name = path.substr(key.size());
          if (name.find('\\') >= name.size() - 1) names.push_back(name.substr(0, name.find('\\')));
        }
    return names;
  }
  bool Copy(const std::string& from, const std::string& to) override {
    if (!IsFile(from) || Unreadable.count(Key(from))) return Fail("cannot be read");
    if (InUse.count(Key(to))) return Fail("in use");
    if (Full.count(Key(to.substr(0, to.rfind('\\') + 1)))) {
      Content[Key(to)] = "part of " + Content[Key(from)];
      return Fail("disk full");
    }
    Content[Key(to)] = Content[Key(from)];
    return true;
  }
  bool Replace(const std::string& temporary, const std::string& target) override {
    if (!IsFile(temporary)) return Fail("no such file");
    if (InUse.count(Key(target))) return Fail("in use");
    Content[Key(target)] = Content[Key(temporary)];
    Content.erase(Key(temporary));
    return true;
  }
  bool Rename(const std::string& from, const std::string& target) override {
    if (Exists(target)) return Fail("exists");
    return Replace(from, target);
  }
  bool Delete(const std::string& path) override {
    if (InUse.count(Key(path))) return Fail("in use");
    return Content.erase(Key(path)) > 0 || Fail("no such file");
  }
  bool MakeFolder(const std::string& folder) override {
    Folders.insert(Key(folder));
    return true;
  }
  bool SameFile(const std::string& a, const std::string& b) override { return Key(a) == Key(b); }
  std::string LastError() override { return FLastError; }

  static std::string Key(const std::string& path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t end; (end = path.find('\\', start)) != std::string::npos; start = end + 1) {
      const std::string name = path.substr(start, end - start);
      if (name == "..") names.pop_back();
      else if (name != ".") names.push_back(name);
    }
    std::string key;
    for (const std::string& name : names) key += name + "\\";
    return common::UpperCase(key + path.substr(start));
  }

private:
  bool Fail(const std::string& why) {
    FLastError = why;
    return false;
  }
  std::set<std::string> Keys() const {
    std::set<std::string> keys;
    for (const auto& [path, content] : Content) keys.insert(path);
    return keys;
  }
  std::string FLastError;
};

// Records what the transfer asked of the window, in order.
class TFakeUser : public TTransferUser {
public:
  // A new transfer with these answers to the overwrite questions.
  void Reset(std::vector<bool> answers = {}) {
    Log.clear();
    Answers = std::move(answers);
    FDone = 0;
    FAnswer = 0;
  }
  std::vector<std::string> Log;
  std::vector<bool> Answers;   // to the overwrite questions, in turn
  int StopAfterVideo = -1;     // Stop is pressed once this many videos are done; -1 never
  bool Connected = true;       // the answer when asked whether the console is there

  void SelectAll() override { Log.push_back("select all"); }
  bool StopRequested() override { return StopAfterVideo >= 0 && FDone >= StopAfterVideo; }
  void ShowStep(const std::string& source, const std::string& destination) override {
    Log.push_back(source + " -> " + destination);
  }
  bool AskOverwrite() override {
    Log.push_back("overwrite?");
    return Answers.at(FAnswer++);
  }
  void Refresh(TVideoSide side) override { Log.push_back(side == TVideoSide::PC ? "PC" : "PSP"); }
  bool ConsoleConnected() override {
    Log.push_back("connected?");
    return Connected;
  }
  void Progress(int percent) override {
    ++FDone;
    Log.push_back(std::to_string(percent) + "%");
  }

private:
  int FDone = 0;
  std::size_t FAnswer = 0;
};

class TransferPlanTest : public ::testing::Test {
protected:
  void SetUp() override { FFiles.Content[TFakeFiles::Key(kDefault)] = "default thumbnail"; }

  void AddVideo(const std::string& folder, const std::string& name, bool withThumbnail = true) {
    FFiles.Content[TFakeFiles::Key(folder + name)] = "video " + name;
    if (withThumbnail)
      FFiles.Content[TFakeFiles::Key(folder + name.substr(0, name.rfind('.')) + ".THM")] =
          "thumbnail " + name;
  }
  // The names in the folder, upper case.
  std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> names;
    const std::string key = TFakeFiles::Key(folder);
    for (const auto& [path, content] : FFiles.Content)
      if (path.rfind(key, 0) == 0) names.insert(path.substr(key.size()));
    return names;
  }
  std::string At(const std::string& path) {
    const auto found = FFiles.Content.find(TFakeFiles::Key(path));
    return found == FFiles.Content.end() ? "missing" : found->second;
  }
  TTransferResult Run(TTransferKind kind, std::vector<TSourceRow> rows) {
    TTransferRequest request;
    request.Kind = kind;
    request.PCFolder = kPC;
    request.PSPFolder = kPSP;
    request.DefaultThumbnail = kDefault;
    request.Rows = std::move(rows);
    return TransferVideos(request, FFiles, FUser);
  }

  TFakeFiles FFiles;
  TFakeUser FUser;
};

TEST_F(TransferPlanTest, NothingSelectedCopiesEveryRowUnderFreeConsoleNames) {
  AddVideo(kPC, "a.mp4");
  AddVideo(kPC, "b.mp4", false);
  AddVideo(kPSP, "M4V00001.MP4");
  const TTransferResult result = Run(TTransferKind::CopyToPSP, {{"a.mp4"}, {"b.mp4"}});
  EXPECT_FALSE(result.Canceled);
  EXPECT_EQ(result.Failed, 0);
  EXPECT_EQ(FUser.Log, (std::vector<std::string>{
                           "select all",
                           "C:\\Videos\\a.mp4 -> P:\\MP_ROOT\\100MNV01\\M4V00002.MP4", "PSP", "50%",
                           "C:\\Videos\\b.mp4 -> P:\\MP_ROOT\\100MNV01\\M4V00003.MP4", "PSP",
                           "100%", "PSP"}));
  EXPECT_EQ(At(std::string(kPSP) + "M4V00002.MP4"), "video a.mp4");
  EXPECT_EQ(At(std::string(kPSP) + "M4V00002.THM"), "thumbnail a.mp4");
  EXPECT_EQ(At(std::string(kPSP) + "M4V00003.THM"), "default thumbnail");
  EXPECT_EQ(At(std::string(kPC) + "a.mp4"), "video a.mp4");  // a copy keeps its source
}

TEST_F(TransferPlanTest, EachKindRefreshesItsListsInOrder) {
  struct Case {
    TTransferKind kind;
    std::vector<std::string> refreshes;  // after each of two videos, then at the end
  };
  for (const Case& c : {
           Case{TTransferKind::MoveToPSP, {"PSP", "PSP", "PC"}},
           Case{TTransferKind::CopyToPSP, {"PSP", "PSP", "PSP"}},
           Case{TTransferKind::MoveToPC, {"PC", "PC", "PSP"}},
           Case{TTransferKind::CopyToPC, {"PC"}},
       }) {
    FFiles.Content.clear();
    FUser.Reset();
    const bool toConsole = c.kind == TTransferKind::MoveToPSP || c.kind == TTransferKind::CopyToPSP;
    const char* from = toConsole ? kPC : kPSP;
    AddVideo(from, "M4V00001.MP4");
    AddVideo(from, "M4V00002.MP4");
    Run(c.kind, {{"M4V00001.MP4", true}, {"M4V00002.MP4", true}});
    std::vector<std::string> refreshes;
    for (const std::string& entry : FUser.Log)
      if (entry == "PC" || entry == "PSP") refreshes.push_back(entry);
    EXPECT_EQ(refreshes, c.refreshes) << static_cast<int>(c.kind);
    const bool move = c.kind == TTransferKind::MoveToPSP || c.kind == TTransferKind::MoveToPC;
    EXPECT_EQ(At(from + std::string("M4V00002.MP4")) == "missing", move) << static_cast<int>(c.kind);
    EXPECT_EQ(At(from + std::string("M4V00002.THM")) == "missing", move) << static_cast<int>(c.kind);
  }
}

TEST_F(TransferPlanTest, ProgressCountsTheSelectedRowsOnly) {
  std::vector<TSourceRow> rows;
  for (int i = 0; i < 10; ++i) {
    rows.push_back({"v" + std::to_string(i) + ".mp4", i == 3 || i == 9});
    AddVideo(kPC, rows.back().Caption);
  }
  Run(TTransferKind::CopyToPSP, rows);
  std::vector<std::string> progress;
  for (const std::string& entry : FUser.Log)
    if (entry.back() == '%') progress.push_back(entry);
  EXPECT_EQ(progress, (std::vector<std::string>{"50%", "100%"}));
  EXPECT_EQ(At(std::string(kPSP) + "M4V00002.MP4"), "video v9.mp4");
}

TEST_F(TransferPlanTest, StopBeforeTheSecondOfThreeRefreshesBothLists) {
  for (const char* name : {"a.mp4", "b.mp4", "c.mp4"}) AddVideo(kPC, name);
  FUser.StopAfterVideo = 1;
  const TTransferResult result = Run(TTransferKind::MoveToPSP, {{"a.mp4"}, {"b.mp4"}, {"c.mp4"}});
  EXPECT_TRUE(result.Canceled);
  EXPECT_EQ(std::vector<std::string>(FUser.Log.end() - 3, FUser.Log.end()),
            (std::vector<std::string>{"33%" /* 1 of 3 */, "PC", "PSP"}));
  EXPECT_EQ(At(std::string(kPC) + "a.mp4"), "missing");
  EXPECT_EQ(At(std::string(kPC) + "b.mp4"), "video b.mp4");
  EXPECT_EQ(At(std::string(kPSP) + "M4V00002.MP4"), "missing");
}

TEST_F(TransferPlanTest, ATakenNameOnThePCIsOverwrittenOrCopiedBesideIt) {
  AddVideo(kPSP, "M4V00001.MP4");
  AddVideo(kPC, "M4V00001.MP4");
  FFiles.Content[TFakeFiles::Key(std::string(kPC) + "M4V00001_New.THM")] = "someone's";
  struct Case {
    bool answer;
    const char* destination;
  };
  for (const Case& c : {
           Case{false, "M4V00001_New2.MP4"},  // "_New" has a thumbnail already
           Case{true, "M4V00001.MP4"},
       }) {
    FFiles.Content[TFakeFiles::Key(std::string(kPC) + "M4V00001.MP4")] = "the PC's own";
    FUser.Reset({c.answer});
    EXPECT_EQ(Run(TTransferKind::CopyToPC, {{"M4V00001.MP4", true}}).Failed, 0);
    EXPECT_EQ(FUser.Log.at(0), "overwrite?");
    EXPECT_EQ(At(kPC + std::string(c.destination)), "video M4V00001.MP4") << c.answer;
    EXPECT_EQ(At(std::string(kPC) + "M4V00001_New.THM"), "someone's") << c.answer;
    EXPECT_EQ(At(std::string(kPC) + "M4V00001.MP4") == "the PC's own", !c.answer);
  }
  EXPECT_EQ(At(std::string(kPC) + "M4V00001_New2.MP4"), "video M4V00001.MP4");
}

TEST_F(TransferPlanTest, AVideoThatDidNotArriveIsKept) {
  struct Case {
    const char* note;
    std::string pcFolder;
    bool unreadable;
  };
  for (const Case& c : {
           Case{"the copy fails", kPC, true},
           Case{"the PC folder is the console folder", kPSP, false},
       }) {
    FFiles.Content.clear();
    FFiles.Unreadable.clear();
    AddVideo(kPSP, "M4V00001.MP4");
    if (c.unreadable) FFiles.Unreadable.insert(TFakeFiles::Key(std::string(kPSP) + "M4V00001.MP4"));
    FUser.Reset({true});
    TTransferRequest request;
    request.Kind = TTransferKind::MoveToPC;
    request.PCFolder = c.pcFolder;
    request.PSPFolder = kPSP;
    request.Rows = {{"M4V00001.MP4", true}};
    EXPECT_EQ(TransferVideos(request, FFiles, FUser).Failed, 1) << c.note;
    EXPECT_EQ(At(std::string(kPSP) + "M4V00001.MP4"), "video M4V00001.MP4") << c.note;
    EXPECT_EQ(At(std::string(kPSP) + "M4V00001.THM"), "thumbnail M4V00001.MP4") << c.note;
    EXPECT_EQ(At(std::string(kPC) + "M4V00001.THM"), "missing") << c.note;
  }
}

// A video of the same name on the PC that the user agreed to overwrite: the new one is
// written whole beside it first, so a failure leaves the old video and its thumbnail as they
// were, and a move keeps its source.
TEST_F(TransferPlanTest, AnOverwrittenVideoIsReplacedOnlyByAWholeNewOne) {
  const std::string video = std::string(kPSP) + "M4V00001.MP4";
  const std::string pcVideo = std::string(kPC) + "M4V00001.MP4";
  struct Case {
    const char* note;
    TTransferKind kind;
    std::string unreadable, full, inUse;
    bool arrives;
  };
  for (const Case& c : {
           Case{"copied", TTransferKind::CopyToPC, "", "", "", true},
           Case{"moved", TTransferKind::MoveToPC, "", "", "", true},
           Case{"the console video cannot be read", TTransferKind::MoveToPC, video, "", "", false},
           Case{"the PC disk is full", TTransferKind::MoveToPC, "", kPC, "", false},
           Case{"the PC's video is in use", TTransferKind::CopyToPC, "", "", pcVideo, false},
       }) {
    FFiles.Content.clear();
    FFiles.Unreadable = {TFakeFiles::Key(c.unreadable)};
    FFiles.Full = {TFakeFiles::Key(c.full)};
    FFiles.InUse = {TFakeFiles::Key(c.inUse)};
    AddVideo(kPSP, "M4V00001.MP4");
    FFiles.Content[TFakeFiles::Key(pcVideo)] = "the PC's own";
    FFiles.Content[TFakeFiles::Key(std::string(kPC) + "M4V00001.THM")] = "the PC's thumbnail";
    // A leftover of an earlier transfer under the first temporary name is not touched.
    FFiles.Content[TFakeFiles::Key(pcVideo + ".tmp")] = "someone's";
    FUser.Reset({true});
    const TTransferResult result = Run(c.kind, {{"M4V00001.MP4", true}});
    EXPECT_EQ(result.Failed, c.arrives ? 0 : 1) << c.note;
    EXPECT_EQ(CompletedCaption(result), c.arrives ? "Mission Accomplished" : "Transfer Incomplete")
        << c.note;
    EXPECT_EQ(At(pcVideo), c.arrives ? "video M4V00001.MP4" : "the PC's own") << c.note;
    EXPECT_EQ(At(std::string(kPC) + "M4V00001.THM"),
              c.arrives ? "thumbnail M4V00001.MP4" : "the PC's thumbnail")
        << c.note;
    const bool moved = c.arrives && c.kind == TTransferKind::MoveToPC;
    EXPECT_EQ(At(video), moved ? "missing" : "video M4V00001.MP4") << c.note;
    EXPECT_EQ(At(std::string(kPSP) + "M4V00001.THM"), moved ? "missing" : "thumbnail M4V00001.MP4")
        << c.note;
    // Nothing else is left on the PC: no temporary file.
    const std::string pc = TFakeFiles::Key(kPC);
    std::set<std::string> onPC;
    for (const auto& [path, content] : FFiles.Content)
      if (path.rfind(pc, 0) == 0) onPC.insert(path.substr(pc.size()));
    EXPECT_EQ(onPC, (std::set<std::string>{"M4V00001.MP4", "M4V00001.MP4.TMP", "M4V00001.THM"}))
        << c.note;
    EXPECT_EQ(At(pcVideo + ".tmp"), "someone's") << c.note;
  }
}

// Another spelling of the console folder as the PC folder: each video would be its own
// destination, so nothing is asked, copied or deleted, and the video counts as not arrived.
TEST_F(TransferPlanTest, AVideoIsNeverCopiedOntoItself) {
  for (const TTransferKind kind : {TTransferKind::CopyToPC, TTransferKind::MoveToPC}) {
    for (const char* pcFolder : {
             "P:\\MP_ROOT\\100MNV01\\.\\",
             "P:\\MP_ROOT\\..\\MP_ROOT\\100MNV01\\",
             "p:\\mp_root\\100mnv01\\",
         }) {
      FFiles.Content.clear();
      AddVideo(kPSP, "M4V00001.MP4");
      AddVideo(kPSP, "M4V00002.MP4");
      FUser.Reset({true, true});
      TTransferRequest request;
      request.Kind = kind;
      request.PCFolder = pcFolder;
      request.PSPFolder = kPSP;
      request.Rows = {{"M4V00001.MP4", true}, {"M4V00002.MP4", true}};
      const TTransferResult result = TransferVideos(request, FFiles, FUser);
      const std::string note = pcFolder + std::string(" kind ") + std::to_string(int(kind));
      EXPECT_EQ(result.Failed, 2) << note;
      EXPECT_EQ(result.OwnSource, 2) << note;
      for (const std::string& entry : FUser.Log) {
        EXPECT_NE(entry, "overwrite?") << note;
        EXPECT_EQ(entry.find(" -> "), std::string::npos) << note << ": " << entry;
      }
      for (const char* name : {"M4V00001", "M4V00002"}) {
        EXPECT_EQ(At(kPSP + std::string(name) + ".MP4"), "video " + std::string(name) + ".MP4") << note;
        EXPECT_EQ(At(kPSP + std::string(name) + ".THM"), "thumbnail " + std::string(name) + ".MP4")
            << note;
      }
    }
  }
}

TEST_F(TransferPlanTest, TheFinalBoxTellsHowManyFailedAndWhy) {
  struct Case {
    int failed, ownSource;
    const char* caption;
    const char* message;
  };
  for (const Case& c : {
           Case{0, 0, "Mission Accomplished", "The transfer is completed."},
           Case{1, 0, "Transfer Incomplete",
                "The transfer is completed.\r\n1 video could not be transferred."},
           Case{3, 0, "Transfer Incomplete",
                "The transfer is completed.\r\n3 videos could not be transferred."},
           Case{1, 1, "Transfer Incomplete",
                "The transfer is completed.\r\n1 video could not be transferred.\r\n"
                "1 video would have been copied onto itself: the PC folder is the console's "
                "video folder."},
           Case{3, 2, "Transfer Incomplete",
                "The transfer is completed.\r\n3 videos could not be transferred.\r\n"
                "2 videos would have been copied onto themselves: the PC folder is the "
                "console's video folder."},
       }) {
    TTransferResult result;
    result.Failed = c.failed;
    result.OwnSource = c.ownSource;
    EXPECT_EQ(CompletedMessage(result), c.message);
    EXPECT_EQ(CompletedCaption(result), c.caption) << c.failed;
  }
}

// A destination that fills up: nothing of the video that did not fit stays, neither under its
// name nor under a temporary one, a move keeps its source, and the box says why.
TEST_F(TransferPlanTest, ACopyThatFailsPartWayLeavesNothingBehind) {
  struct Case {
    const char* note;
    TTransferKind kind;
    const char* from;
    const char* to;
  };
  for (const Case& c : {
           Case{"copy to the console", TTransferKind::CopyToPSP, kPC, kPSP},
           Case{"move to the console", TTransferKind::MoveToPSP, kPC, kPSP},
           Case{"copy to the PC", TTransferKind::CopyToPC, kPSP, kPC},
           Case{"move to the PC", TTransferKind::MoveToPC, kPSP, kPC},
       }) {
    FFiles.Content.clear();
    SetUp();
    FFiles.Full = {TFakeFiles::Key(c.to)};
    FUser.Reset();
    AddVideo(c.from, "M4V00001.MP4");
    const TTransferResult result = Run(c.kind, {{"M4V00001.MP4", true}});
    EXPECT_EQ(CompletedCaption(result), "Transfer Incomplete") << c.note;
    EXPECT_EQ(CompletedMessage(result),
              "The transfer is completed.\r\n1 video could not be transferred.\r\n"
              "M4V00001.MP4 could not be copied: disk full")
        << c.note;
    EXPECT_EQ(FilesIn(c.to), std::set<std::string>{}) << c.note;
    EXPECT_EQ(FilesIn(c.from), (std::set<std::string>{"M4V00001.MP4", "M4V00001.THM"})) << c.note;
  }
}

// A source that cannot be deleted (a read-only card or folder): the video arrived, but the
// move did not happen, and the box says so with the reason.
TEST_F(TransferPlanTest, AMoveWhoseSourceStaysCountsAsFailed) {
  struct Case {
    TTransferKind kind;
    const char* from;
    const char* to;
    const char* caption;
    const char* arrived;
  };
  for (const Case& c : {
           Case{TTransferKind::MoveToPC, kPSP, kPC, "M4V00001.MP4", "M4V00001.MP4"},
           Case{TTransferKind::MoveToPSP, kPC, kPSP, "clip.mp4", "M4V00001.MP4"},
       }) {
    FFiles.Content.clear();
    SetUp();
    FUser.Reset();
    AddVideo(c.from, c.caption);
    FFiles.InUse = {TFakeFiles::Key(c.from + std::string(c.caption))};
    const TTransferResult result = Run(c.kind, {{c.caption, true}});
    EXPECT_EQ(result.Failed, 1) << c.caption;
    EXPECT_EQ(CompletedCaption(result), "Transfer Incomplete") << c.caption;
    EXPECT_EQ(result.Problems,
              std::vector<std::string>{std::string(c.caption) +
                                       " was copied, but could not be deleted: in use"});
    EXPECT_EQ(At(c.to + std::string(c.arrived)), "video " + std::string(c.caption));
    EXPECT_EQ(At(c.from + std::string(c.caption)), "video " + std::string(c.caption));
    EXPECT_EQ(At(ThumbnailOf(c.from + std::string(c.caption))), "thumbnail " + std::string(c.caption))
        << "the source's thumbnail stays with it";
  }
}

// The console folder is read once for the whole transfer, and what the list does not show
// counts too: a thumbnail alone, a folder, a name in another letter case.
TEST_F(TransferPlanTest, ConsoleNamesComeFromOneReadingOfTheFolder) {
  for (const char* name : {"a.mp4", "b.mp4", "c.mp4"}) AddVideo(kPC, name);
  FFiles.Content[TFakeFiles::Key(std::string(kPSP) + "M4V00001.THM")] = "a thumbnail alone";
  FFiles.Folders.insert(TFakeFiles::Key(std::string(kPSP) + "m4v00002.mp4\\"));
  FFiles.Content[TFakeFiles::Key(std::string(kPSP) + "M4V00003.MP4.tmp")] = "left by someone";
  EXPECT_EQ(Run(TTransferKind::CopyToPSP, {{"a.mp4"}, {"b.mp4"}, {"c.mp4"}}).Failed, 0);
  EXPECT_EQ(FFiles.NamesRead, 1);
  EXPECT_EQ(At(std::string(kPSP) + "M4V00003.MP4"), "video a.mp4");
  EXPECT_EQ(At(std::string(kPSP) + "M4V00004.MP4"), "video b.mp4");
  EXPECT_EQ(At(std::string(kPSP) + "M4V00005.MP4"), "video c.mp4");
  EXPECT_EQ(At(std::string(kPSP) + "M4V00001.THM"), "a thumbnail alone");
  EXPECT_EQ(At(std::string(kPSP) + "M4V00003.MP4.tmp"), "left by someone");
}

TEST_F(TransferPlanTest, AFullConsoleFolderEndsTheTransferAtOnce) {
  for (int n = 1; n <= 99999; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "M4V%05d.MP4", n);
    FFiles.Content[TFakeFiles::Key(kPSP + std::string(name))] = "taken";
  }
  AddVideo(kPC, "a.mp4");
  AddVideo(kPC, "b.mp4");
  const TTransferResult result = Run(TTransferKind::MoveToPSP, {{"a.mp4"}, {"b.mp4"}});
  EXPECT_EQ(result.Failed, 2);
  EXPECT_EQ(result.Problems, std::vector<std::string>{"Every name from M4V00001.MP4 to "
                                                      "M4V99999.MP4 is taken in the console's "
                                                      "video folder."});
  EXPECT_EQ(FUser.Log, (std::vector<std::string>{"select all", "PC"}));
  EXPECT_EQ(At(std::string(kPC) + "a.mp4"), "video a.mp4");
}

// The card taken out: the first video that fails asks once whether the console is there;
// "No" ends the transfer and the rest count as failed. A failure with the console there asks
// and goes on.
TEST_F(TransferPlanTest, AConsoleThatIsGoneIsAskedAboutOnce) {
  for (const bool connected : {false, true}) {
    FFiles.Content.clear();
    SetUp();
    FUser.Reset();
    FUser.Connected = connected;
    for (const char* name : {"M4V00001.MP4", "M4V00002.MP4", "M4V00003.MP4"}) AddVideo(kPSP, name);
    FFiles.Unreadable = {TFakeFiles::Key(std::string(kPSP) + "M4V00001.MP4"),
                         TFakeFiles::Key(std::string(kPSP) + "M4V00002.MP4")};
    const TTransferResult result =
        Run(TTransferKind::CopyToPC, {{"M4V00001.MP4"}, {"M4V00002.MP4"}, {"M4V00003.MP4"}});
    int asked = 0, steps = 0;
    for (const std::string& entry : FUser.Log) {
      asked += entry == "connected?";
      steps += entry.find(" -> ") != std::string::npos;
    }
    EXPECT_EQ(asked, connected ? 2 : 1) << connected;
    EXPECT_EQ(steps, connected ? 3 : 1) << connected;
    EXPECT_EQ(result.Failed, connected ? 2 : 3) << connected;
    EXPECT_EQ(result.Problems.back(), connected ? "M4V00002.MP4 could not be copied: cannot be read"
                                                : "The PSP is not connected.");
    EXPECT_EQ(At(std::string(kPC) + "M4V00003.MP4") == "missing", !connected);
    if (!connected)
      EXPECT_EQ(std::vector<std::string>(FUser.Log.end() - 2, FUser.Log.end()),
                (std::vector<std::string>{"PSP", "PC"}))
          << "both lists show what is left";
  }
}

TEST_F(TransferPlanTest, AThumbnailThatIsNoFileGetsTheDefaultOne) {
  AddVideo(kPC, "a.mp4", false);
  FFiles.Folders.insert(TFakeFiles::Key(std::string(kPC) + "a.THM\\"));
  EXPECT_EQ(Run(TTransferKind::CopyToPSP, {{"a.mp4", true}}).Failed, 0);
  EXPECT_EQ(At(std::string(kPSP) + "M4V00001.THM"), "default thumbnail");
}

TEST_F(TransferPlanTest, StopIsLookedAtWhileTheConsoleFolderIsRead) {
  AddVideo(kPC, "a.mp4");
  FUser.StopAfterVideo = 0;
  EXPECT_TRUE(Run(TTransferKind::CopyToPSP, {{"a.mp4", true}}).Canceled);
  EXPECT_TRUE(FFiles.StopWhileReading);
  EXPECT_EQ(FilesIn(kPSP), std::set<std::string>{});
}

// Nothing to copy from a PC folder that is not chosen is no accomplished transfer either.
TEST_F(TransferPlanTest, NoPCFolderIsAProblemEvenWithoutVideos) {
  TTransferRequest request;
  request.Kind = TTransferKind::MoveToPSP;
  request.PSPFolder = kPSP;
  const TTransferResult result = TransferVideos(request, FFiles, FUser);
  EXPECT_EQ(CompletedCaption(result), "Transfer Incomplete");
  EXPECT_EQ(CompletedMessage(result), "The transfer is completed.\r\nNo folder is chosen on the PC.");
}

TEST_F(TransferPlanTest, TheBoxShowsTheFirstProblemsAndCountsTheRest) {
  TTransferResult result;
  result.Failed = 10;
  for (int i = 1; i <= 10; ++i) result.Problems.push_back("problem " + std::to_string(i));
  const std::string message = CompletedMessage(result);
  EXPECT_NE(message.find("\r\nproblem 8\r\n... and 2 more."), std::string::npos) << message;
  EXPECT_EQ(message.find("problem 9"), std::string::npos) << message;
}

}  // namespace
}  // namespace manager
