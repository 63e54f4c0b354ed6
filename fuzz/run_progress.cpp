// A run's two bars: the rows' lengths as time texts (as the list holds them) in the first field,
// one per line, then the encoder's chunks, one per field.
#include <cstdlib>
#include <sstream>

#include "converter/core/RunProgress.h"
#include "converter/core/TimeText.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields = fuzz::Fields(fuzz::Text(data, size));
  std::vector<double> rows;
  std::istringstream lengths(fields[0]);
  for (std::string line; std::getline(lengths, line);) rows.push_back(converter::ParseTimeText(line));
  double total = 0;
  for (double row : rows) total += row;
  converter::RunProgress progress(total);
  std::size_t chunk = 1;
  for (double row : rows) {
    progress.StartRow(row);
    for (int i = 0; i < 4 && chunk < fields.size(); ++i) {
      progress.ReadChunk(fields[chunk++]);
      if (progress.CurrentPercent() < 0 || progress.CurrentPercent() > 100 ||
          progress.TotalPercent() < 0 || progress.TotalPercent() > 100)
        std::abort();
    }
    progress.FinishRow();
  }
  return 0;
}
