#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QSize>
#include <QString>

class TextCatalogue;

// The pictures of the door: the program's drawings (SVG) of the door shapes and the picture
// files a door names for its three views.
namespace DoorPictures {

// The largest side, in pixels, a picture named by a door is decoded at: a file may declare
// any size (a 116-byte drawing can declare 23170 x 23170), but what a window shows or a page
// prints never needs more, so a larger one is decoded scaled down to fit, keeping its shape.
inline constexpr int kMaxPictureSide = 4096;

// The size a picture declaring `declared` is decoded at: its own when it fits within
// `bound` x `bound`, else scaled down to fit, keeping its shape (never below 1 pixel).
QSize DecodedSize(QSize declared, int bound = kMaxPictureSide);

// A drawing at its own size (bounded as above) on white; an empty picture when there is none
// to draw. Its words are English, or those of `texts`.
QPixmap DrawingAtItsSize(const QString& path);
QPixmap DrawingAtItsSize(const QString& path, const TextCatalogue& texts);
// The drawing at `path` with its words in the language of `texts`; empty when it cannot be
// read.
QByteArray DrawingInLanguage(const QString& path, const TextCatalogue& texts);
// A drawing stretched to the given size on a transparent ground.
QPixmap DrawingAtSize(const QString& path, QSize size);
// The file a picture name of a door stands for: the file itself when it is there; otherwise,
// for a plain file name, the program's own picture of that name, which is how the sample
// doors name the pictures of their shapes. Empty when neither is found.
QString PictureFile(const QString& name);
// Drawings are drawn at their own size (no image plug-in needed), anything else is read; both
// bounded as above, so no picture file can make the program allocate more than a 4096 x 4096
// image.
QPixmap LoadPicture(const QString& path);

}  // namespace DoorPictures
