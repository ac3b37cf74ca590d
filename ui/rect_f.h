#pragma once

#include <algorithm>

// An axis-aligned box in twips, x to the right and y downwards. An empty box (width or height
// not above 0) contains nothing and vanishes in a union.
struct RectF {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool isEmpty() const { return !(width > 0 && height > 0); }

    // Half-open, as a control's box: the right and bottom edges belong to the neighbour.
    bool contains(double x, double y) const {
        return x >= left && x < right() && y >= top && y < bottom();
    }
    bool intersects(const RectF& other) const {
        return !isEmpty() && !other.isEmpty() && left < other.right() && other.left < right() &&
               top < other.bottom() && other.top < bottom();
    }
    RectF adjusted(double margin) const {
        return {left - margin, top - margin, width + 2 * margin, height + 2 * margin};
    }
    RectF united(const RectF& other) const {
        if (isEmpty())
            return other;
        if (other.isEmpty())
            return *this;
        const double l = std::min(left, other.left);
        const double t = std::min(top, other.top);
        return {l, t, std::max(right(), other.right()) - l, std::max(bottom(), other.bottom()) - t};
    }
    friend bool operator==(const RectF&, const RectF&) = default;
};
