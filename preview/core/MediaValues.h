#pragma once
#include <cstdint>

namespace preview {

// Reference time counts 100 ns units; truncated toward zero (-15000 is -1 ms).
int64_t RefTimeToMs(int64_t refTime);

// Linear volume 0..10000 and balance -10000..10000 as the graph's audio takes them:
// attenuation in hundredths of a decibel on a logarithmic scale (0 -> -10000, 10000 -> 0).
// The balance keeps its sign: positive attenuates the left channel. Neither clamps.
int LinearToVolume(int volume);
int LinearToBalance(int balance);

// What the component stores of a volume or balance it is given.
int ClampVolume(int volume);
int ClampBalance(int balance);

// The value handed to the platform for a stored volume or balance, on the logarithmic scale
// when linear is set, else as it stands (volume 10000 is full, 0 is silent).
int PlatformVolume(int storedVolume, bool linear);
int PlatformBalance(int storedBalance, bool linear);

}  // namespace preview
