// A typed or stored time text: the first byte is the user's decimal separator, the rest the text.
// What reads as a time writes back as one that reads the same to a tenth.
#include <cmath>
#include <cstdlib>

#include "converter/core/TimeText.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char separator = static_cast<char>(data[0]);
  const double seconds = converter::ParseTimeText(fuzz::Text(data + 1, size - 1), separator);
  if (seconds == -1) return 0;
  if (!(seconds >= 0 && seconds <= converter::kMaxTimeSeconds)) std::abort();
  const double again = converter::ParseTimeText(converter::FormatSeconds(seconds));
  if (!(std::fabs(again - seconds) <= 0.05 + 1e-6)) std::abort();
  return 0;
}
