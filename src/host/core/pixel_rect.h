#pragma once

namespace bumblorbs {

// A point of a picture, in whole pixels from its top-left corner.
struct PixelPoint {
    int x = 0;
    int y = 0;
};

// A rectangle of a picture in whole pixels: `w` x `h` from (`x`, `y`).
// Empty where either side is not positive.
struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool Empty() const { return w <= 0 || h <= 0; }
    bool operator==(const PixelRect&) const = default;
};

// The part `a` and `b` share, into `both`; says whether it holds a pixel.
// Where they share none, `both` is empty.
inline bool Intersect(const PixelRect& a, const PixelRect& b, PixelRect& both) {
    if (a.Empty() || b.Empty()) {
        both.w = both.h = 0;
        return false;
    }
    const auto lesser = [](int m, int n) { return m < n ? m : n; };
    const auto greater = [](int m, int n) { return m > n ? m : n; };
    both.x = greater(a.x, b.x);
    both.y = greater(a.y, b.y);
    both.w = lesser(a.x + a.w, b.x + b.w) - both.x;
    both.h = lesser(a.y + a.h, b.y + b.h) - both.y;
    return !both.Empty();
}

// The least rectangle that holds both; an empty one adds nothing, and two
// give an empty one at the origin.
inline PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (a.Empty() && b.Empty()) {
        return {};
    }
    if (a.Empty()) {
        return b;
    }
    if (b.Empty()) {
        return a;
    }
    const auto lesser = [](int m, int n) { return m < n ? m : n; };
    const auto greater = [](int m, int n) { return m > n ? m : n; };
    const int left = lesser(a.x, b.x);
    const int top = lesser(a.y, b.y);
    return {left, top, greater(a.x + a.w, b.x + b.w) - left, greater(a.y + a.h, b.y + b.h) - top};
}

}  // namespace bumblorbs
