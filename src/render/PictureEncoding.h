#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class AtomicFileWriter;
class QPainter;

// Turns a picture that paints itself at a given size into PNG or SVG bytes, or into a file
// whose kind its name's ending says. Every picture the program saves goes this one way, so
// they are encoded and written alike.
class PictureEncoding {
 public:
  using Painting = std::function<void(QPainter&, const QSize&)>;

  // PNG on a white ground; nothing when the image cannot be made or encoded.
  static std::optional<QByteArray> Png(const Painting& paint, const QSize& size);
  static std::optional<QByteArray> Svg(const Painting& paint, const QSize& size,
                                       const QString& title);
  // SVG for a name ending in ".svg" (any case), PNG otherwise, through the writer; the
  // reason when it could not be saved.
  static std::optional<QString> Save(const Painting& paint, const QString& path, const QSize& size,
                                     const QString& title, const AtomicFileWriter& writer);
};
