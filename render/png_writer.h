// The chart's picture as a PNG file, written quickly and without loss.
//
// A chart has few colours: the sky, the ground, the glyphs, the lines, and the shades of its
// antialiased text. A picture of at most 256 colours is written as an 8-bit indexed PNG whose
// palette is exactly its colours; any other as 8-bit RGB. Either way the file decodes to the very
// pixels of the picture.
#pragma once

#include <QImage>

class QIODevice;

// An opaque 32-bit picture (QImage::Format_RGB32) of width x height pixels, its pixels not yet
// set. Its memory is asked for in huge pages where the system gives them: a full-screen picture
// then costs a handful of page faults instead of thousands, which on some virtual machines are
// most of the time of a headless render. A null image when memory is short.
QImage NewChartImage(int width, int height);

// Writes `image` (QImage::Format_RGB32; the alpha byte is ignored) into `out` as a PNG file:
// 8-bit indexed when the image has at most 256 colours, 8-bit RGB otherwise. Returns false when
// the image is null or of another format, or when `out` does not take every byte.
bool WritePng(QIODevice& out, const QImage& image);
