#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The pictures of the door: the program's drawings (SVG) of the door shapes and the picture
// files a door names for its three views.
namespace DoorPictures {

// A drawing at its own size on white; an empty picture when there is none to draw.
QPixmap DrawingAtItsSize(const QString& path);
// A drawing stretched to the given size on a transparent ground.
QPixmap DrawingAtSize(const QString& path, QSize size);
// The file a picture name of a door stands for: the file itself when it is there; otherwise,
// for a plain file name, the program's own picture of that name, which is how the sample
// doors name the pictures of their shapes. Empty when neither is found.
QString PictureFile(const QString& name);
// Drawings are drawn at their own size (no image plug-in needed), anything else is read.
QPixmap LoadPicture(const QString& path);

}  // namespace DoorPictures
