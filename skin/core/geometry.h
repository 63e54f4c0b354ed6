#pragma once

namespace skin {

struct Point {
  int X;
  int Y;
  bool operator==(const Point& o) const { return X == o.X && Y == o.Y; }
};

struct Size {
  int Width;
  int Height;
  bool operator==(const Size& o) const { return Width == o.Width && Height == o.Height; }
};

// Right and Bottom are exclusive, as the platform's rectangles are.
struct Rect {
  int Left;
  int Top;
  int Right;
  int Bottom;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const Rect& o) const {
    return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
  }
};

// A line as the platform draws it: To is not drawn.
struct Line {
  Point From;
  Point To;
  bool operator==(const Line& o) const { return From == o.From && To == o.To; }
};

// Hit tests of the title buttons count the right and bottom edges as inside.
inline bool CoordInRect(int x, int y, const Rect& r) {
  return r.Left <= x && x <= r.Right && r.Top <= y && y <= r.Bottom;
}

inline bool PointInRect(const Point& p, const Rect& r) { return CoordInRect(p.X, p.Y, r); }

}  // namespace skin
