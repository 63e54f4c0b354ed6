#pragma once
#include <string>
#include <utility>

namespace converter {

// An output the encoder writes under a temporary name (TemporaryOutputPath), with the thumbnail
// written beside it, so that an earlier file of the output's name is replaced only by a complete
// new one. What was not put in place is deleted when the object goes, however the row ended:
// failed, stopped, or its encoder never started.
class TStagedOutput {
 public:
  TStagedOutput(std::string outputPath, std::string temporaryPath)
      : FOutput(std::move(outputPath)), FTemporary(std::move(temporaryPath)) {}
  ~TStagedOutput();
  TStagedOutput(const TStagedOutput&) = delete;
  TStagedOutput& operator=(const TStagedOutput&) = delete;

  // Where the jobs write: the conversion here, the thumbnail at ThumbnailPath(Temporary()).
  const std::string& Temporary() const { return FTemporary; }

  // Puts the temporary output in the output's place, then the temporary thumbnail, when there is
  // one, in the thumbnail's; without one, no earlier thumbnail stays beside the new output. False
  // when the output could not take its place: the earlier output and thumbnail stay as they were,
  // and the platform's last error says why.
  bool PutInPlace();

 private:
  std::string FOutput;
  std::string FTemporary;
};

}  // namespace converter
