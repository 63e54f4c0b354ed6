#include "manager/core/TransferPlan.h"

#include <cmath>
#include <optional>

#include "manager/core/ConsoleNames.h"
#include "manager/core/ConsolePaths.h"

namespace manager {

bool ToConsole(TTransferKind kind) {
  return kind == TTransferKind::MoveToPSP || kind == TTransferKind::CopyToPSP;
}

namespace {

bool IsMove(TTransferKind kind) {
  return kind == TTransferKind::MoveToPSP || kind == TTransferKind::MoveToPC;
}

class TTransfer {
public:
  TTransfer(const TTransferRequest& request, TTransferFiles& files, TTransferUser& user)
      : FRequest(request), FFiles(files), FUser(user) {}

  TTransferResult Run();

private:
  // Where the video goes; empty when it cannot go anywhere (FOwnSource tells when that is
  // because the destination is the video itself, FOverwrite when the user agreed to replace
  // the video there).
  std::string Destination(const std::string& caption);
  bool Taken(const std::string& path) {
    return FFiles.Exists(path) || FFiles.Exists(ThumbnailOf(path));
  }
  // The video and its thumbnail written whole beside the destination, which they take only
  // then, the video first: a failure up to that leaves whatever was there as it was. A video
  // without a thumbnail file of its own gets the default one.
  bool CopyVideo(const std::string& caption, const std::string& source,
                 const std::string& destination);
  bool PutInPlace(const std::string& temporary, const std::string& target) {
    return FOverwrite ? FFiles.Replace(temporary, target) : FFiles.Rename(temporary, target);
  }
  std::string TemporaryFor(const std::string& path) {
    return TemporaryPath(path, [this](const std::string& name) { return FFiles.Exists(name); });
  }
  // Whether a move's source went; a source that stays is a problem.
  bool DeleteSource(const std::string& caption, const std::string& source);
  // The transfer ends before the videos not yet done, which count as failed.
  void EndEarly(const std::string& why, int notDone);
  void RefreshAfterVideo();
  void RefreshAtEnd();
  bool Canceled();

  const TTransferRequest& FRequest;
  TTransferFiles& FFiles;
  TTransferUser& FUser;
  TTransferResult FResult;
  std::optional<TFreePSPNames> FConsoleNames;
  bool FOwnSource = false;
  bool FOverwrite = false;
  const bool FToConsole = ToConsole(FRequest.Kind);
  const std::string& FSourceFolder = FToConsole ? FRequest.PCFolder : FRequest.PSPFolder;
  const std::string& FDestinationFolder = FToConsole ? FRequest.PSPFolder : FRequest.PCFolder;
};

TTransferResult TTransfer::Run() {
  bool anySelected = false;
  for (const TSourceRow& row : FRequest.Rows) anySelected = anySelected || row.Selected;
  if (!anySelected) FUser.SelectAll();
  int count = 0;
  for (const TSourceRow& row : FRequest.Rows) count += !anySelected || row.Selected;

  // A relative folder would be read against the current directory.
  if (!IsAbsolutePath(FSourceFolder) || !IsAbsolutePath(FDestinationFolder)) {
    EndEarly("No folder is chosen on the PC.", count);
    return FResult;
  }
  if (!FFiles.MakeFolder(FDestinationFolder)) {
    EndEarly("The folder " + FDestinationFolder + " could not be made: " + FFiles.LastError(),
             count);
    return FResult;
  }
  if (FToConsole) {
    FConsoleNames.emplace(FRequest.TypeIndex,
                          FFiles.Names(FDestinationFolder, [&] { return FUser.StopRequested(); }));
  }
  int done = 0;
  for (const TSourceRow& row : FRequest.Rows) {
    if (anySelected && !row.Selected) continue;
    if (Canceled()) return FResult;
    const std::string source = FSourceFolder + row.Caption;
    FOwnSource = false;
    FOverwrite = false;
    const std::string destination = Destination(row.Caption);
    if (destination.empty() && FToConsole) {
      EndEarly("Every name from " + ConsoleNamePrefix(FRequest.TypeIndex) + "00001.MP4 to " +
                   ConsoleNamePrefix(FRequest.TypeIndex) +
                   "99999.MP4 is taken in the console's video folder.",
               count - done);
      break;
    }
    bool arrived = !destination.empty() && CopyVideo(row.Caption, source, destination);
    if (arrived && FToConsole) FConsoleNames->TakeLast();
    RefreshAfterVideo();
    if (arrived && IsMove(FRequest.Kind)) arrived = DeleteSource(row.Caption, source);
    FResult.Failed += !arrived;
    FResult.OwnSource += FOwnSource;
    FUser.Progress(static_cast<int>(std::lround(++done * 100.0 / count)));
    if (!arrived && !FOwnSource && !FUser.ConsoleConnected()) {
      EndEarly("The PSP is not connected.", count - done);
      FUser.Refresh(TVideoSide::PSP);  // its rows name files that are gone
      break;
    }
  }
  RefreshAtEnd();
  return FResult;
}

bool TTransfer::Canceled() {
  if (!FUser.StopRequested()) return false;
  FResult.Canceled = true;
  FUser.Refresh(TVideoSide::PC);
  FUser.Refresh(TVideoSide::PSP);
  return true;
}

std::string TTransfer::Destination(const std::string& caption) {
  if (FToConsole) {
    const std::optional<std::string> name = FConsoleNames->NextFreePSPName();
    return name ? FDestinationFolder + *name : "";
  }
  const std::string source = FSourceFolder + caption;
  std::string destination = FDestinationFolder + caption;
  // Overwriting the source with itself would lose it: "P:\MP_ROOT\..\MP_ROOT\100MNV01\"
  // is the console folder too.
  if (FFiles.SameFile(source, destination)) {
    FOwnSource = true;
    return "";
  }
  if (Taken(destination)) {
    FOverwrite = FUser.AskOverwrite();
    if (!FOverwrite)
      destination = FreeCopyPath(FDestinationFolder, caption,
                                 [&](const std::string& path) { return Taken(path); });
  }
  return destination;
}

bool TTransfer::CopyVideo(const std::string& caption, const std::string& source,
                          const std::string& destination) {
  FUser.ShowStep(source, destination);
  const std::string ownThumbnail = ThumbnailOf(source);
  const std::string thumbnail =
      FFiles.IsFile(ownThumbnail) ? ownThumbnail : FRequest.DefaultThumbnail;
  const std::string newVideo = TemporaryFor(destination);
  const std::string newThumbnail = TemporaryFor(ThumbnailOf(destination));
  const bool thumbnailCopied = FFiles.Copy(thumbnail, newThumbnail);
  if (!FFiles.Copy(source, newVideo) || !PutInPlace(newVideo, destination)) {
    FResult.Problems.push_back(caption + " could not be copied: " + FFiles.LastError());
    // Both names were free: whatever a copy that stopped part way left there is ours.
    FFiles.Delete(newVideo);
    FFiles.Delete(newThumbnail);
    return false;
  }
  // An old thumbnail shows the old video: without a new one in its place it goes.
  if (!thumbnailCopied || !PutInPlace(newThumbnail, ThumbnailOf(destination))) {
    FFiles.Delete(newThumbnail);
    if (FOverwrite) FFiles.Delete(ThumbnailOf(destination));
  }
  return true;
}

bool TTransfer::DeleteSource(const std::string& caption, const std::string& source) {
  if (!FFiles.Delete(source)) {
    FResult.Problems.push_back(caption + " was copied, but could not be deleted: " +
                               FFiles.LastError());
    return false;
  }
  FFiles.Delete(ThumbnailOf(source));
  return true;
}

void TTransfer::EndEarly(const std::string& why, int notDone) {
  FResult.Failed += notDone;
  FResult.Problems.push_back(why);
}

void TTransfer::RefreshAfterVideo() {
  switch (FRequest.Kind) {
    case TTransferKind::MoveToPSP:
    case TTransferKind::CopyToPSP:
      // The console list shows each video as it arrives.
      FUser.Refresh(TVideoSide::PSP);
      break;
    case TTransferKind::MoveToPC:
      FUser.Refresh(TVideoSide::PC);
      break;
    case TTransferKind::CopyToPC:
      break;
  }
}

void TTransfer::RefreshAtEnd() {
  const bool pc = FRequest.Kind == TTransferKind::MoveToPSP || FRequest.Kind == TTransferKind::CopyToPC;
  FUser.Refresh(pc ? TVideoSide::PC : TVideoSide::PSP);
}

}  // namespace

TTransferResult TransferVideos(const TTransferRequest& request, TTransferFiles& files,
                               TTransferUser& user) {
  return TTransfer(request, files, user).Run();
}

namespace {
std::string Videos(int count) { return std::to_string(count) + (count == 1 ? " video" : " videos"); }
}  // namespace

std::string CompletedMessage(const TTransferResult& result) {
  std::string message = "The transfer is completed.";
  if (result.Failed > 0) message += "\r\n" + Videos(result.Failed) + " could not be transferred.";
  if (result.OwnSource > 0)
    message += "\r\n" + Videos(result.OwnSource) +
               " would have been copied onto " + (result.OwnSource == 1 ? "itself" : "themselves") +
               ": the PC folder is the console's video folder.";
  return message + ProblemLines(result.Problems);
}

std::string ProblemLines(const std::vector<std::string>& problems) {
  std::string lines;
  for (std::size_t i = 0; i < problems.size() && i < kShownProblems; ++i)
    lines += "\r\n" + problems[i];
  if (problems.size() > kShownProblems)
    lines += "\r\n... and " + std::to_string(problems.size() - kShownProblems) + " more.";
  return lines;
}

std::string CompletedCaption(const TTransferResult& result) {
  return result.Accomplished() ? "Mission Accomplished" : "Transfer Incomplete";
}

}  // namespace manager
