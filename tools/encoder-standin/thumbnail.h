#pragma once
#include <string>

// Writes a 160x120 JPEG of one flat colour, as the encoder's thumbnail job would.
bool WriteThumbnail(const std::string& path);
