#include "ui/drawing/artwork.h"

#include <cmath>

#include "ui/number_rules.h"

namespace drawing::artwork {

Path dampedWave(const RectF& area, int crests) {
    Path path;
    const int steps = 12 * crests;  // smooth at these sizes, and cheap to stroke
    path.elements.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double amplitude = std::exp(-1.6 * t);
        const double y = (area.top + area.height / 2) -
                         area.height / 2 * amplitude * std::cos(t * crests * 2 * number_rules::kPi);
        const auto kind = i == 0 ? PathElement::Kind::MoveTo : PathElement::Kind::LineTo;
        path.elements.push_back({kind, {area.left + t * area.width, y}});
    }
    return path;
}

namespace {

Artwork makeLogo() {
    Artwork logo{300, 48, {}};
    const Rgba green{0, 128, 0, 255};

    // Wavefronts spreading from a source, fading as they go: arcs facing right, from 50 degrees
    // below the axis to 50 degrees above it.
    const PointF source{22, 24};
    logo.items.push_back(Disc{source, 4, green});
    for (int ring = 1; ring <= 3; ++ring) {
        Path front;
        front.elements.push_back({PathElement::Kind::Arc, source, 4 + ring * 6.5, 50, -100});
        front.colour = {0, 128, 0, static_cast<std::uint8_t>(255 - ring * 55)};
        front.width = 2.2;
        front.cap = Cap::Round;
        logo.items.push_back(std::move(front));
    }

    // In the labels' own face and size: the first frame needs no other font loaded.
    logo.items.push_back(
        Text{{52, 0, 70, 48}, "Orvo", 24, {0, 0, 160, 255}, {0, 0, 0, 0}, Text::Align::Middle});

    Path wave = dampedWave({112, 10, 182, 28}, 4);
    wave.colour = {192, 0, 192, 255};
    wave.width = 2.0;
    wave.cap = Cap::Round;
    logo.items.push_back(std::move(wave));
    return logo;
}

}  // namespace

const Artwork& logo() {
    static const Artwork built = makeLogo();
    return built;
}

}  // namespace drawing::artwork
