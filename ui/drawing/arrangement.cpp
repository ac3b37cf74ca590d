#include "ui/drawing/arrangement.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/twips.h"

namespace drawing {
namespace {

// CSS pixels per twip at which a list is a finger's target.
constexpr double kFingerScale = Arrangement::kFingerZoom / twips::kPerPixel;

Region placed(const RectF& box, double scale, double pageLeft, double pageTop) {
    Region region;
    region.twips = box;
    region.geometry.set(scale, {pageLeft - box.left * scale, pageTop - box.top * scale});
    return region;
}

// Stacks `parts` in a column `width` CSS pixels wide from (left, top), each centred at the
// largest scale that fits the width. Where they do not all fit `height`, the scales are capped
// by the largest common cap that lets them, but never below the finger's scale (or the width's,
// where that is smaller): below that the page scrolls instead. Returns the column's bottom.
double stack(const std::vector<const FormPart*>& parts, double left, double top, double width,
             double height, std::vector<Region>& out) {
    std::vector<double> natural;
    for (const FormPart* part : parts) natural.push_back(width / part->box.width);
    const auto scaleOf = [&](std::size_t i, double cap) {
        return std::max(std::min(natural[i], kFingerScale), std::min(natural[i], cap));
    };
    const auto heightAt = [&](double cap) {
        double total = 0;
        for (std::size_t i = 0; i < parts.size(); ++i)
            total += scaleOf(i, cap) * parts[i]->box.height;
        return total;
    };
    double cap = std::numeric_limits<double>::infinity();
    if (heightAt(cap) > height) {
        // The total grows with the cap: halve the interval until it is a thousandth of a pixel.
        double low = 0;
        double high = *std::max_element(natural.begin(), natural.end());
        for (int i = 0; i < 60 && high - low > 1e-9; ++i) {
            const double middle = (low + high) / 2;
            (heightAt(middle) <= height ? low : high) = middle;
        }
        cap = low;
    }
    double y = top;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const double scale = scaleOf(i, cap);
        const RectF& box = parts[i]->box;
        out.push_back(placed(box, scale, left + (width - box.width * scale) / 2, y));
        y += box.height * scale;
    }
    return y;
}

}  // namespace

bool Region::showsTwips(double x, double y) const {
    if (!twips.contains(x, y))
        return false;
    return std::none_of(holes.begin(), holes.end(),
                        [&](const RectF& hole) { return hole.contains(x, y); });
}

Arrangement::Kind Arrangement::kindFor(double formWidth, double formHeight, double width,
                                       double height) {
    const double zoom = std::min(width / std::round(formWidth / twips::kPerPixel),
                                 height / std::round(formHeight / twips::kPerPixel));
    if (!(width > 0 && height > 0) || !(zoom < kFingerZoom))
        return Kind::Uniform;  // a large screen, or one that has no size yet
    return height >= width ? Kind::Upright : Kind::Sideways;
}

Arrangement Arrangement::of(double formWidth, double formHeight, double width, double height,
                            const std::vector<FormPart>& parts) {
    Arrangement a;
    a.width_ = width;
    a.height_ = height;
    a.kind_ = parts.empty() ? Kind::Uniform : kindFor(formWidth, formHeight, width, height);
    if (a.kind_ == Kind::Uniform) {
        Region whole;
        whole.twips = {0, 0, formWidth, formHeight};
        whole.geometry.fitForm(formWidth, formHeight, width, height);
        a.regions_.push_back(whole);
        return a;
    }

    const RectF& picture = parts.front().box;
    std::vector<const FormPart*> others;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        if (parts[i].shown)
            others.push_back(&parts[i]);
    }
    double pictureScale = 0;
    double columnLeft = 0;
    double columnTop = 0;
    if (a.kind_ == Kind::Upright) {
        pictureScale = width / picture.width;
        columnTop = picture.height * pictureScale;
    } else {
        // The column is as wide as its widest part needs at the finger's scale, the picture as
        // large as the rest of the page lets it be.
        double column = 0;
        for (const FormPart* part : others)
            column = std::max(column, part->box.width * kFingerScale);
        pictureScale =
            std::max(0.0, std::min((width - column) / picture.width, height / picture.height));
        columnLeft = picture.width * pictureScale;
    }
    Region shown = placed(picture, pictureScale, 0, 0);
    for (const FormPart* part : others) {
        const RectF& box = part->box;
        if (box.left >= picture.left && box.top >= picture.top && box.right() <= picture.right() &&
            box.bottom() <= picture.bottom()) {
            shown.holes.push_back(box);
        }
    }
    a.regions_.push_back(shown);
    const double bottom =
        stack(others, columnLeft, columnTop, width - columnLeft, height - columnTop, a.regions_);
    a.height_ = std::max({height, bottom, picture.height * pictureScale});
    return a;
}

const Region& Arrangement::regionOf(const RectF& box) const {
    const double x = box.left + box.width / 2;
    const double y = box.top + box.height / 2;
    for (std::size_t i = 1; i < regions_.size(); ++i) {
        if (regions_[i].twips.contains(x, y))
            return regions_[i];
    }
    return regions_.front();
}

std::optional<PointF> Arrangement::toTwips(PointF page) const {
    if (kind_ == Kind::Uniform)
        return regions_.front().geometry.toTwips(page);
    for (const Region& region : regions_) {
        if (region.page().contains(page.x, page.y))
            return region.geometry.toTwips(page);
    }
    return std::nullopt;
}

PixelRect Arrangement::widgetRect(const RectF& box, bool growForFinger) const {
    PixelRect rect = regionOf(box).geometry.toWidgetRect(box);
    if (kind_ == Kind::Uniform || !growForFinger)
        return rect;
    const int smallest = static_cast<int>(kFingerBox);
    if (rect.width < smallest) {
        rect.left -= (smallest - rect.width) / 2;
        rect.width = smallest;
    }
    if (rect.height < smallest) {
        rect.top -= (smallest - rect.height) / 2;
        rect.height = smallest;
    }
    return rect;
}

void Arrangement::setDevicePixelRatio(double ratio) {
    for (Region& region : regions_) region.geometry.setDevicePixelRatio(ratio);
}

}  // namespace drawing
