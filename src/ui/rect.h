#pragma once
// Client-pixel rectangles of the skinned windows. A rectangle holds the points with
// left <= x < right and top <= y < bottom; an image is drawn at its top-left corner in
// its own size.

namespace zalvane::ui {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect At(Point topLeft, Size size)
    {
        return Rect{topLeft.x, topLeft.y, topLeft.x + size.width, topLeft.y + size.height};
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr Size Extent() const { return {Width(), Height()}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }

    constexpr bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    constexpr bool Contains(Point point) const { return Contains(point.x, point.y); }

    // True when every point of `inner` is also a point of this rectangle.
    constexpr bool Encloses(const Rect& inner) const
    {
        return left <= inner.left && inner.right <= right && top <= inner.top && inner.bottom <= bottom;
    }

    constexpr bool Intersects(const Rect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }

    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace zalvane::ui
