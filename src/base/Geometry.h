#pragma once
// Integer points and rectangles in pixels of a window, a bitmap or a skin picture.
//
// The one rectangle convention of the whole program: (Left, Top) is the first pixel
// inside, (Right, Bottom) the first pixel outside. Every containment test and every
// filled shape treats Right and Bottom as exclusive; y grows downwards.

#include <algorithm>

struct TPoint {
    int X = 0;
    int Y = 0;

    constexpr TPoint() = default;
    constexpr TPoint(int x, int y) : X(x), Y(y) {}

    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
    friend constexpr TPoint operator+(TPoint a, TPoint b) { return {a.X + b.X, a.Y + b.Y}; }
    friend constexpr TPoint operator-(TPoint a, TPoint b) { return {a.X - b.X, a.Y - b.Y}; }
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int left, int top, int right, int bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom) {}
    constexpr TRect(TPoint topLeft, TPoint bottomRight)
        : Left(topLeft.X), Top(topLeft.Y), Right(bottomRight.X), Bottom(bottomRight.Y) {}

    static constexpr TRect FromSize(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }

    // Empty also when inverted: such a rectangle contains no pixel.
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }

    constexpr bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    constexpr bool Contains(int x, int y) const { return Contains(TPoint{x, y}); }

    constexpr TRect Offset(int dx, int dy) const {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }
    // Grows by (dx, dy) on every side; negative values shrink.
    constexpr TRect Inflate(int dx, int dy) const {
        return {Left - dx, Top - dy, Right + dx, Bottom + dy};
    }
    // The common part; empty (all zero) when the two do not overlap.
    constexpr TRect Intersect(const TRect& o) const {
        TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
                std::min(Bottom, o.Bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }
    constexpr bool Intersects(const TRect& o) const { return !Intersect(o).IsEmpty(); }
    // Left <= Right and Top <= Bottom, swapping where needed.
    constexpr TRect Normalized() const {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right),
                std::max(Top, Bottom)};
    }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};
