#pragma once

#include <QImage>
#include <QSaveFile>
#include <QString>
#include <memory>

struct GifFileType;

// An animated GIF written frame by frame with giflib: each frame reduced to a palette of its own
// (giflib's median cut, 256 colours), shown for `delayMs` (the format counts hundredths of a
// second), the whole looping for ever. A frame of another size than the first is scaled to it.
class GifWriter {
public:
    GifWriter() = default;
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // Opens `path` for frames of `size`; false, with error() saying why, when it cannot.
    bool open(const QString& path, QSize size, int delayMs);
    bool add(const QImage& frame);
    // Ends the file; false when a frame or the end could not be written (the file is removed).
    bool close();
    const QString& error() const { return error_; }

private:
    bool fail(const QString& what);

    GifFileType* file_ = nullptr;
    // Written in full or not at all: the file appears as it is closed.
    std::unique_ptr<QSaveFile> out_;
    QSize size_;
    int delayCentiseconds_ = 10;
    int frames_ = 0;
    QImage previous_;
    QString error_;
};
