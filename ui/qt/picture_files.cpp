#include "ui/qt/picture_files.h"

#include <QPalette>
#include <QSaveFile>
#include <string>
#include <vector>

#include "ui/drawing/form_drawing.h"
#include "ui/drawing/svg_writer.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_conversions.h"

namespace picture_files {

namespace {

// The painted picture at the window's size as an SVG document.
std::string svg(const FormView& view) {
    const drawing::Rgba face = toRgba(view.palette().color(QPalette::Button));
    const RectF client{0, 0, view.form().clientWidth(), view.form().clientHeight()};
    std::vector<drawing::Primitive> items;
    drawing::drawForm(view.form(), client, view.viewGeometry(), FormView::textFitter(), face, items,
                      view.lessonLayer());
    return drawing::toSvg(items, view.viewGeometry(), view.width(), view.height(),
                          drawing::windowBackground(view.lessonLayer(), face));
}

}  // namespace

QImage render(FormView& view, qreal scale) {
    QImage image(view.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    view.render(&image);
    return image;
}

bool save(FormView& view, const QString& path, Format format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (format == Format::Svg) {
        const std::string document = svg(view);
        if (file.write(document.data(), static_cast<qint64>(document.size())) !=
            static_cast<qint64>(document.size())) {
            return false;
        }
    } else if (!render(view, format == Format::Png2x ? 2 : 1).save(&file, "PNG")) {
        return false;
    }
    return file.commit();
}

}  // namespace picture_files
