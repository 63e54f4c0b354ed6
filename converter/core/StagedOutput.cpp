#include "converter/core/StagedOutput.h"

#include <cstdio>

#include "converter/core/OutputNaming.h"
#include "common/core/ReplaceFile.h"

using common::ReplaceFileWith;

namespace converter {

TStagedOutput::~TStagedOutput() {
  std::remove(FTemporary.c_str());
  std::remove(ThumbnailPath(FTemporary).c_str());
}

bool TStagedOutput::PutInPlace() {
  if (!ReplaceFileWith(FTemporary, FOutput)) return false;
  // A thumbnail that cannot take its place is only a picture: the video is in place, and the
  // temporary one goes with the object. An older picture would show another video: it goes too.
  if (!ReplaceFileWith(ThumbnailPath(FTemporary), ThumbnailPath(FOutput)))
    std::remove(ThumbnailPath(FOutput).c_str());
  return true;
}

}  // namespace converter
