#pragma once

#include <QIcon>
#include <QImage>

// The program's own pictures, drawn here: the logo of the bottom-left corner and the window icon.
namespace artwork {

// The logo at its natural size of 300 x 48 pixels, with a transparent background.
QImage logo(qreal devicePixelRatio);

// The program icon drawn at `size` x `size` pixels.
QImage iconImage(int size);
QIcon icon();

}  // namespace artwork
