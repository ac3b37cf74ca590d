#pragma once

#include <QImage>
#include <QString>

class FormView;

// The window's picture as a lecturer takes it away: an image at the window's size or a multiple
// of it, or an SVG drawn by the drawing layer's SVG backend (the painted controls; the lists,
// buttons and scroll bars are the system's widgets and are not in it).
namespace picture_files {

enum class Format { Png, Png2x, Svg };

// The window as it shows, `scale` device pixels per logical pixel.
QImage render(FormView& view, qreal scale);
// Writes the picture to `path` in `format`; false (and nothing half-written left) on failure.
bool save(FormView& view, const QString& path, Format format);

}  // namespace picture_files
