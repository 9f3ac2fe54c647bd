#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// The program's resources live in a static library; registering them is up to the user.
static void RegisterProgramResources() {
  Q_INIT_RESOURCE(resources);
}

namespace {

// Every SVG picture in the program's resources (Qt's own resources left aside).
QStringList ProgramSvgFiles() {
  QStringList files;
  QDirIterator it(":/", {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (!path.startsWith(":/qt-project.org")) files << path;
  }
  return files;
}

QImage Render(QSvgRenderer& renderer, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// Share of the image's pixels that are not fully transparent.
double CoveredShare(const QImage& image) {
  qsizetype covered = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 0) ++covered;
    }
  }
  return static_cast<double>(covered) / (image.width() * image.height());
}

// The smallest rectangle holding every pixel drawn on.
QRect DrawnArea(const QImage& image) {
  QRect area;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 0) area |= QRect(x, y, 1, 1);
    }
  }
  return area;
}

class IconsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterProgramResources(); }
};

TEST_F(IconsTest, MainWindowPicturesAreButtonSized) {
  for (const char* name : {"projections", "hydrodynamic", "environment", "trawl", "ground",
                           "keelgeometry", "keelorigin", "balance"}) {
    SCOPED_TRACE(name);
    QSvgRenderer renderer(QString(":/icons/%1.svg").arg(name));
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(37, 37));
  }
  QSvgRenderer about(QString(":/icons/about.svg"));
  ASSERT_TRUE(about.isValid());
  EXPECT_EQ(about.defaultSize(), QSize(300, 200));
}

TEST_F(IconsTest, EveryPictureDrawsAtItsSize) {
  const QStringList files = ProgramSvgFiles();
  EXPECT_GE(files.size(), 9);
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    QSvgRenderer renderer(file);
    ASSERT_TRUE(renderer.isValid());
    const QSize size = renderer.defaultSize();
    ASSERT_FALSE(size.isEmpty());
    const QImage picture = Render(renderer, size);
    // A picture, not a stray mark: a good part of the area is drawn on.
    EXPECT_GT(CoveredShare(picture), 0.2);
    // The drawing scales with its view box: at twice the size it fills twice the area.
    const QRect area = DrawnArea(picture);
    const QRect doubled = DrawnArea(Render(renderer, size * 2));
    EXPECT_NEAR(doubled.width(), 2 * area.width(), 3);
    EXPECT_NEAR(doubled.height(), 2 * area.height(), 3);
  }
}

}  // namespace
