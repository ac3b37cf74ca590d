#pragma once

#include <QIcon>
#include <QImage>

// The window icon, drawn here: its gradient face is the desktop's own; its wave is the logo's.
namespace artwork {

// The program icon drawn at `size` x `size` pixels.
QImage iconImage(int size);
QIcon icon();

}  // namespace artwork
