#include "ui/drawing/svg_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/drawing/artwork.h"

namespace {

using drawing::Primitive;
using drawing::Rgba;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// One of every primitive, in twips at a doubled window with an offset: every element in pixels,
// the model's 0xBBGGRR colours as #RRGGBB.
TEST(SvgWriter, WritesEveryPrimitiveInPixelsAndTheProgramsColours) {
    drawing::ViewGeometry geometry;
    geometry.set(2.0 / 15, {10, 4});
    const Rgba blue = Rgba::from(colours::kBrightBlue);  // 0xFF0000 in the model
    const Rgba teal = Rgba::from(colours::kTeal);        // 0x808000
    drawing::Path arc;
    arc.elements.push_back({drawing::PathElement::Kind::Arc, {1500, 1500}, 150, 0, 90});
    arc.colour = {0, 128, 0, 128};
    arc.width = 15;
    const std::vector<Primitive> items = {
        drawing::Line{{0, 0}, {1500, 750}, 15, blue, true},
        drawing::Disc{{150, 300}, 45, blue},
        drawing::Rectangle{{150, 150, 300, 600}, teal, {0, 0, 0, 255}, 7.5},
        drawing::Ellipse{{0, 0, 300, 150}, teal, {0, 0, 0, 255}, 7.5},
        drawing::Text{{300, 0, 1500, 480},
                      "A<B & \"C\"\x01\xC3",
                      24,
                      {0, 0, 0, 255},
                      {240, 240, 240, 255},
                      drawing::Text::Align::Top},
        arc,
        drawing::Picture{{0, 1500, 4500, 720}, &drawing::artwork::logo()},
    };
    const std::string svg = drawing::toSvg(items, geometry, 1578, 1210, {240, 240, 240, 255});

    EXPECT_TRUE(contains(svg, "width=\"1578\" height=\"1210\""));
    EXPECT_TRUE(contains(svg, "fill=\"#F0F0F0\""));
    EXPECT_TRUE(contains(svg,
                         "<line x1=\"10\" y1=\"4\" x2=\"210\" y2=\"104\" stroke=\"#0000FF\" "
                         "stroke-width=\"2\" stroke-dasharray=\"2 4\"/>"));
    EXPECT_TRUE(contains(svg, "<circle cx=\"30\" cy=\"44\" r=\"6\" fill=\"#0000FF\"/>"));
    EXPECT_TRUE(contains(svg,
                         "<rect x=\"30\" y=\"24\" width=\"40\" height=\"80\" "
                         "fill=\"#008080\" stroke=\"#000000\" stroke-width=\"1\""));
    EXPECT_TRUE(contains(svg, "<ellipse cx=\"30\" cy=\"14\" rx=\"20\" ry=\"10\" fill=\"#008080\""));
    // Escaped markup; a control character and a cut-off sequence become U+FFFD.
    EXPECT_TRUE(contains(svg, ">A&lt;B &amp; &quot;C&quot;\xEF\xBF\xBD\xEF\xBF\xBD</text>"));
    EXPECT_TRUE(contains(svg, "font-size=\"24\""));
    // A quarter turn clockwise from +x about (210, 204), radius 20; half-opaque green.
    EXPECT_TRUE(contains(svg,
                         "d=\"M230 204 A20 20 0 0 1 210 224\" fill=\"none\" stroke=\"#008000\" "
                         "stroke-opacity=\"0.502\" stroke-width=\"2\""));
    // The logo's own text, scaled with its box (300 units onto 600 pixels).
    EXPECT_TRUE(contains(svg, ">Orvo</text>"));
    EXPECT_TRUE(contains(svg, "font-size=\"48\""));
    EXPECT_TRUE(contains(svg, "</svg>"));
}

}  // namespace
