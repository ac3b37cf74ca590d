#include "ui/drawing/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "ui/number_rules.h"

namespace drawing {
namespace {

// The ascent and descent of the program's face (DejaVu Sans Condensed) per pixel of size: an SVG
// places text by its baseline, the views by the line's top or centre.
constexpr double kAscent = 0.928;
constexpr double kDescent = 0.236;

// A number in pixels, to a thousandth, without trailing zeros.
std::string number(double value) {
    if (!std::isfinite(value))
        value = 0;
    std::string result = number_rules::fixedText(value, 3);
    result.erase(result.find_last_not_of('0') + 1);
    if (result.back() == '.')
        result.pop_back();
    if (result == "-0")
        result = "0";
    return result;
}

// A box as the x, y, width and height attributes of a <rect>.
std::string boxAttributes(const RectF& box) {
    return "x=\"" + number(box.left) + "\" y=\"" + number(box.top) + "\" width=\"" +
           number(box.width) + "\" height=\"" + number(box.height) + "\"";
}

// A point of a path, "x y".
std::string coordinates(PointF p) {
    return number(p.x) + " " + number(p.y);
}

std::string hex(Rgba colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
    return text;
}

// A paint attribute with its opacity when the colour is not opaque.
std::string paint(const char* attribute, Rgba colour) {
    std::string result = std::string(" ") + attribute + "=\"" + hex(colour) + "\"";
    if (colour.alpha != 255) {
        result +=
            std::string(" ") + attribute + "-opacity=\"" + number(colour.alpha / 255.0) + "\"";
    }
    return result;
}

// The text as XML character data: markup characters escaped, and what XML 1.0 cannot hold (control
// characters, broken UTF-8) replaced with U+FFFD, so that any caption a user typed still opens.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const auto bytes = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = bytes(i);
        if (c < 0x80) {
            switch (c) {
                case '&':
                    out += "&amp;";
                    break;
                case '<':
                    out += "&lt;";
                    break;
                case '>':
                    out += "&gt;";
                    break;
                case '"':
                    out += "&quot;";
                    break;
                case '\'':
                    out += "&apos;";
                    break;
                default:
                    if (c < 0x20 && c != '\t') {
                        out += "\xEF\xBF\xBD";
                    } else {
                        out += static_cast<char>(c);
                    }
            }
            ++i;
            continue;
        }
        // A well-formed multi-byte sequence of a scalar value is copied; anything else is one
        // replacement character per byte.
        const int length = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
        bool good = length > 0 && i + length <= text.size();
        std::uint32_t scalar = good ? c & (0x7F >> length) : 0;
        for (int k = 1; good && k < length; ++k) {
            good = (bytes(i + k) & 0xC0) == 0x80;
            scalar = scalar << 6 | (bytes(i + k) & 0x3F);
        }
        good = good && !(length == 3 && (scalar < 0x800 || (scalar >= 0xD800 && scalar < 0xE000)));
        good = good && !(length == 4 && (scalar < 0x10000 || scalar > 0x10FFFF));
        good = good && !(scalar == 0xFFFE || scalar == 0xFFFF);
        if (good) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

// Writes the items of one list: the form's (twips onto pixels) or an artwork's (its units onto its
// picture's box). Text sizes are scaled by `textScale`: 1 for the form, whose text is in pixels.
class SvgWriter {
public:
    SvgWriter(std::string& out, int& clips) : out_(out), clips_(clips) {}

    void write(const std::vector<Primitive>& items, const ViewGeometry& geometry,
               double textScale) {
        geometry_ = geometry;
        textScale_ = textScale;
        for (const Primitive& item : items) std::visit(*this, item);
    }

    void operator()(const Line& line) {
        const PointF a = map(line.from);
        const PointF b = map(line.to);
        out_ += "<line x1=\"" + number(a.x) + "\" y1=\"" + number(a.y) + "\" x2=\"" + number(b.x) +
                "\" y2=\"" + number(b.y) + "\"" + paint("stroke", line.colour) +
                " stroke-width=\"" + number(line.width * scale()) + "\"";
        if (line.dotted) {
            const double w = line.width * scale();
            out_ += " stroke-dasharray=\"" + number(w) + " " + number(2 * w) + "\"";
        }
        out_ += "/>\n";
    }

    void operator()(const Disc& disc) {
        const PointF c = map(disc.centre);
        out_ += "<circle cx=\"" + number(c.x) + "\" cy=\"" + number(c.y) + "\" r=\"" +
                number(disc.radius * scale()) + "\"" + paint("fill", disc.colour) + "/>\n";
    }

    void operator()(const Rectangle& r) {
        out_ += "<rect " + boxAttributes(map(r.box)) + paint("fill", r.fill) +
                outline(r.border, r.borderWidth) + "/>\n";
    }

    void operator()(const Ellipse& e) {
        const RectF box = map(e.box);
        out_ += "<ellipse cx=\"" + number(box.left + box.width / 2) + "\" cy=\"" +
                number(box.top + box.height / 2) + "\" rx=\"" + number(box.width / 2) + "\" ry=\"" +
                number(box.height / 2) + "\"" + paint("fill", e.fill) +
                outline(e.border, e.borderWidth) + "/>\n";
    }

    void operator()(const Text& text) {
        const RectF box = map(text.box);
        const std::string rect = boxAttributes(box);
        if (text.background.alpha != 0) {
            out_ += "<rect " + rect + paint("fill", text.background) + "/>\n";
        }
        const std::string id = "clip" + std::to_string(++clips_);
        out_ += "<clipPath id=\"" + id + "\"><rect " + rect + "/></clipPath>\n";
        const double size = text.pixelSize * textScale_;
        const double baseline = text.align == Text::Align::Top
                                    ? box.top + kAscent * size
                                    : box.top + box.height / 2 + (kAscent - kDescent) / 2 * size;
        out_ += "<text clip-path=\"url(#" + id + ")\" x=\"" + number(box.left) + "\" y=\"" +
                number(baseline) + "\" font-size=\"" + number(size) + "\"" +
                paint("fill", text.colour) + ">" + escaped(text.text) + "</text>\n";
    }

    void operator()(const Path& path) {
        std::string d;
        bool open = false;
        for (const PathElement& e : path.elements) {
            const PointF p = map(e.point);
            switch (e.kind) {
                case PathElement::Kind::MoveTo:
                    d += "M" + coordinates(p) + " ";
                    break;
                case PathElement::Kind::LineTo:
                    d += "L" + coordinates(p) + " ";
                    break;
                case PathElement::Kind::Arc:
                    d += arc(p, e.radius * scale(), e.startDegrees, e.sweepDegrees, open);
                    break;
            }
            open = true;
        }
        if (!d.empty())
            d.pop_back();
        const char* cap = cssName(path.cap);
        const char* join = cssName(path.join);
        out_ += "<path d=\"" + d + "\" fill=\"none\"" + paint("stroke", path.colour) +
                " stroke-width=\"" + number(path.width * scale()) + "\" stroke-linecap=\"" + cap +
                "\" stroke-linejoin=\"" + join + "\"/>\n";
    }

    void operator()(const Picture& picture) {
        if (picture.artwork == nullptr || !(picture.artwork->width > 0))
            return;
        const RectF box = map(picture.box);
        const double units = box.width / picture.artwork->width;
        ViewGeometry artwork;
        artwork.set(units, {box.left, box.top});
        SvgWriter inner(out_, clips_);
        out_ += "<g>\n";
        inner.write(picture.artwork->items, artwork, units);
        out_ += "</g>\n";
    }

private:
    // Pixels per unit of the items.
    double scale() const { return geometry_.pixelsPerTwip(); }
    PointF map(PointF p) const { return geometry_.toPixels(p.x, p.y); }
    RectF map(const RectF& r) const { return geometry_.toPixels(r); }
    std::string outline(Rgba colour, double width) const {
        return paint("stroke", colour) + " stroke-width=\"" + number(width * scale()) +
               "\" stroke-linejoin=\"bevel\"";
    }

    // Degrees clockwise on the screen, as SVG's own sweep direction (flag 1) with y downwards.
    static std::string arc(PointF centre, double radius, double start, double sweep, bool open) {
        const auto at = [&](double degrees) {
            const double radians = degrees * 3.14159265358979323846 / 180;
            return PointF{centre.x + radius * std::cos(radians),
                          centre.y + radius * std::sin(radians)};
        };
        const PointF from = at(start);
        std::string d = std::string(open ? "L" : "M") + coordinates(from) + " ";
        // A full turn or more is drawn in halves: one SVG arc cannot end where it starts.
        const int pieces = std::abs(sweep) >= 360 ? 2 : 1;
        const double step = std::clamp(sweep, -360.0, 360.0) / pieces;
        for (int i = 1; i <= pieces; ++i) {
            const PointF to = at(start + step * i);
            d += "A" + number(radius) + " " + number(radius) + " 0 " +
                 (std::abs(step) > 180 ? "1" : "0") + " " + (step > 0 ? "1" : "0") + " " +
                 coordinates(to) + " ";
        }
        return d;
    }

    std::string& out_;
    int& clips_;
    ViewGeometry geometry_;
    double textScale_ = 1;
};

}  // namespace

std::string toSvg(const std::vector<Primitive>& items, const ViewGeometry& geometry, int width,
                  int height, Rgba background) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" viewBox=\"0 0 " +
           std::to_string(width) + " " + std::to_string(height) + "\" font-family=\"" +
           kSvgFontFamilies + "\">\n";
    out += "<rect " + boxAttributes({0, 0, double(width), double(height)}) +
           paint("fill", background) + "/>\n";
    int clips = 0;
    SvgWriter(out, clips).write(items, geometry, 1.0);
    out += "</svg>\n";
    return out;
}

}  // namespace drawing
