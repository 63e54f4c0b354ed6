#pragma once
#include "skin/core/image.h"

namespace skin {

// Frame frameIndex (counted from 1) of frameCount equal-width frames laid side by side:
// source width div frameCount wide, full height. Columns beyond the source stay black.
Image ExtractFrameBitmap(const Image& source, int frameCount, int frameIndex);

// Quarter turn anticlockwise: source pixel (x, y) goes to (y, oldWidth - 1 - x).
void RotateBitmapLeft(Image& bitmap);
// Half turn: source pixel (x, y) goes to (width - 1 - x, height - 1 - y).
void RotateBitmap180(Image& bitmap);
// Quarter turn clockwise: new pixel (x, y) takes source pixel (y, oldHeight - 1 - x).
void RotateBitmapRight(Image& bitmap);

}  // namespace skin
