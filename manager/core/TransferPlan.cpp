#include "manager/core/TransferPlan.h"

#include <cmath>

#include "manager/core/ConsoleNames.h"
#include "manager/core/ConsolePaths.h"

namespace manager {

namespace {

bool ToConsole(TTransferKind kind) {
  return kind == TTransferKind::MoveToPSP || kind == TTransferKind::CopyToPSP;
}

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
  // Thumbnail first, so that a listed video always has its own; a failed video copy takes
  // its new thumbnail away again.
  bool CopyVideo(const std::string& source, const std::string& destination);
  // The video and its thumbnail written whole beside the old pair, which they replace only
  // then, the video first: a failure up to that leaves the old pair as it was.
  bool ReplaceVideo(const std::string& source, const std::string& thumbnail,
                    const std::string& destination);
  // A name beside the path that nothing has, for the path's new content while it is written:
  // never a name the lists show.
  std::string TemporaryFor(const std::string& path);
  void RefreshAfterVideo();
  void RefreshAtEnd();

  const TTransferRequest& FRequest;
  TTransferFiles& FFiles;
  TTransferUser& FUser;
  bool FOwnSource = false;
  bool FOverwrite = false;
  const std::string& FSourceFolder =
      ToConsole(FRequest.Kind) ? FRequest.PCFolder : FRequest.PSPFolder;
  const std::string& FDestinationFolder =
      ToConsole(FRequest.Kind) ? FRequest.PSPFolder : FRequest.PCFolder;
};

TTransferResult TTransfer::Run() {
  bool anySelected = false;
  for (const TSourceRow& row : FRequest.Rows) anySelected = anySelected || row.Selected;
  if (!anySelected) FUser.SelectAll();
  int count = 0;
  for (const TSourceRow& row : FRequest.Rows) count += !anySelected || row.Selected;

  // A relative folder would be read against the current directory.
  const bool folderReady =
      IsAbsolutePath(FSourceFolder) && IsAbsolutePath(FDestinationFolder) &&
      FFiles.MakeFolder(FDestinationFolder);
  TTransferResult result;
  int done = 0;
  for (const TSourceRow& row : FRequest.Rows) {
    if (anySelected && !row.Selected) continue;
    if (FUser.StopRequested()) {
      result.Canceled = true;
      FUser.Refresh(TVideoSide::PC);
      FUser.Refresh(TVideoSide::PSP);
      return result;
    }
    const std::string source = FSourceFolder + row.Caption;
    FOwnSource = false;
    FOverwrite = false;
    const std::string destination = folderReady ? Destination(row.Caption) : "";
    result.OwnSource += FOwnSource;
    const bool copied = !destination.empty() && CopyVideo(source, destination);
    RefreshAfterVideo();
    if (copied && IsMove(FRequest.Kind)) {
      FFiles.Delete(source);
      FFiles.Delete(ThumbnailOf(source));
    }
    result.Failed += !copied;
    FUser.Progress(static_cast<int>(std::lround(++done * 100.0 / count)));
  }
  RefreshAtEnd();
  return result;
}

std::string TTransfer::Destination(const std::string& caption) {
  if (ToConsole(FRequest.Kind)) {
    const std::optional<std::string> name = NextFreePSPName(
        FRequest.TypeIndex, FUser.ConsoleNames(),
        [&](const std::string& candidate) { return Taken(FDestinationFolder + candidate); });
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

bool TTransfer::CopyVideo(const std::string& source, const std::string& destination) {
  FUser.ShowStep(source, destination);
  const std::string ownThumbnail = ThumbnailOf(source);
  const std::string thumbnail = FFiles.Exists(ownThumbnail) ? ownThumbnail : FRequest.DefaultThumbnail;
  if (FOverwrite) return ReplaceVideo(source, thumbnail, destination);
  const bool thumbnailCopied = FFiles.Copy(thumbnail, ThumbnailOf(destination));
  if (FFiles.Copy(source, destination)) return true;
  if (thumbnailCopied) FFiles.Delete(ThumbnailOf(destination));
  return false;
}

bool TTransfer::ReplaceVideo(const std::string& source, const std::string& thumbnail,
                             const std::string& destination) {
  const std::string newVideo = TemporaryFor(destination);
  const std::string newThumbnail = TemporaryFor(ThumbnailOf(destination));
  const bool thumbnailCopied = FFiles.Copy(thumbnail, newThumbnail);
  if (!FFiles.Copy(source, newVideo) || !FFiles.Replace(newVideo, destination)) {
    // Both names were free: whatever a copy that stopped part way left there is ours.
    FFiles.Delete(newVideo);
    FFiles.Delete(newThumbnail);
    return false;
  }
  // The old thumbnail shows the old video: without a new one in its place it goes.
  if (!thumbnailCopied || !FFiles.Replace(newThumbnail, ThumbnailOf(destination))) {
    FFiles.Delete(newThumbnail);
    FFiles.Delete(ThumbnailOf(destination));
  }
  return true;
}

std::string TTransfer::TemporaryFor(const std::string& path) {
  std::string temporary = path + ".tmp";
  for (int number = 2; FFiles.Exists(temporary); ++number)
    temporary = path + "." + std::to_string(number) + ".tmp";
  return temporary;
}

void TTransfer::RefreshAfterVideo() {
  switch (FRequest.Kind) {
    case TTransferKind::MoveToPSP:
    case TTransferKind::CopyToPSP:
      // The next video's console name is chosen against what is on the console now.
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
  if (result.Failed == 0) return message;
  message += "\r\n" + Videos(result.Failed) + " could not be transferred.";
  if (result.OwnSource > 0)
    message += "\r\n" + Videos(result.OwnSource) +
               " would have been copied onto " + (result.OwnSource == 1 ? "itself" : "themselves") +
               ": the PC folder is the console's video folder.";
  return message;
}

std::string CompletedCaption(const TTransferResult& result) {
  return result.Failed == 0 ? "Mission Accomplished" : "Transfer Incomplete";
}

}  // namespace manager
