#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <memory>
#include <vector>

#include "DoorTrimApp.h"
#include "MainWindow.h"
#include "ProjectionsDialog.h"
#include "gui/DoorChanges.h"
#include "gui/FileDialogScript.h"
#include "gui/MessageBoxScript.h"

namespace {

// Rendered text smaller than this is hard to make out on a screen.
constexpr double kMinTextPx = 9;
// And most of a picture's texts (its dimension names and point letters) at least this large.
constexpr double kTypicalTextPx = 11;
// A grey pixel: red, green and blue this close together.
constexpr int kGreyChannelSpread = 12;

const char* const kImages[3] = {"Image1", "Image2", "Image3"};
const char* const kViews[3] = {"front", "plan", "side"};

// The program's drawing as the projections dialog shows it, at its own size on white.
QImage Drawing(const QString& resource) {
  QSvgRenderer renderer(resource);
  QImage image(renderer.defaultSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// The font sizes of every text of a drawing, in its own units.
std::vector<double> FontSizes(const QString& resource) {
  QFile file(resource);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << resource.toStdString();
  std::vector<double> sizes;
  QXmlStreamReader svg(&file);
  while (!svg.atEnd()) {
    if (svg.readNext() != QXmlStreamReader::StartElement || svg.name() != QLatin1String("text"))
      continue;
    bool ok = false;
    sizes.push_back(svg.attributes().value("font-size").toDouble(&ok));
    EXPECT_TRUE(ok) << resource.toStdString() << ": a text without its size";
  }
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  return sizes;
}

// Pixels whose red, green and blue differ: the picture has colours in it.
int ColouredPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int spread =
          std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
      if (spread > kGreyChannelSpread) ++count;
    }
  }
  return count;
}

class DoorPictures : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<DoorTrimApp>();
    main_ = &app_->Main();
    main_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main_));
  }
  void TearDown() override {
    app_->Proj().hide();
    CloseWithoutSaving(*main_);
    app_.reset();
  }

  QAction* Action(const char* name) {
    auto* action = main_->findChild<QAction*>(name);
    EXPECT_NE(action, nullptr) << name;
    return action;
  }
  QLabel* Picture(const char* name) {
    auto* label = app_->Proj().findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name;
    return label;
  }

  void OpenByTheFileMenu(const QString& path) {
    FileDialogScript files;
    files.Choose(path);
    Action("Open1")->trigger();
    EXPECT_EQ(files.Asked().size(), 1u);
  }

  // Every text of the three pictures the dialog shows, drawn from those resources, is large
  // enough at the dialog's size.
  void ExpectLegible(const QString& set) {
    for (int page = 0; page < 3; ++page) {
      const QString resource = QString(":/pictures/%1_%2.svg").arg(set, kViews[page]);
      SCOPED_TRACE(resource.toStdString());
      const QLabel* shown = Picture(kImages[page]);
      ASSERT_FALSE(shown->pixmap().isNull());
      const double scale = static_cast<double>(shown->width()) / shown->pixmap().width();
      std::vector<double> sizes = FontSizes(resource);
      ASSERT_FALSE(sizes.empty());
      std::sort(sizes.begin(), sizes.end());
      EXPECT_GE(sizes.front() * scale, kMinTextPx);
      EXPECT_GE(sizes[sizes.size() / 2] * scale, kTypicalTextPx);
    }
  }

  std::unique_ptr<DoorTrimApp> app_;
  MainWindow* main_ = nullptr;
};

TEST_F(DoorPictures, SampleDoorsOpenWithThePicturesOfTheirShape) {
  struct Case {
    const char* File;
    const char* Set;
    const char* OtherShape;  // shown before, so that a door that changes nothing is seen
  };
  const Case cases[] = {{"oval", "oval", "Rectangular1"},
                        {"rectangular", "rectangular", "Oval1"},
                        {"spherical", "spherical", "Oval1"},
                        {"vshape", "vshape", "Oval1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.File);
    Action(c.OtherShape)->trigger();
    // Choosing another picture set changes the door: opening another asks about keeping it.
    const bool changed = app_->Document().IsModified();
    MessageBoxScript boxes;
    if (changed) boxes.Answer(QMessageBox::No);
    OpenByTheFileMenu(QString("%1/%2.brd").arg(DOORTRIM_SAMPLE_DOORS, c.File));
    EXPECT_EQ(boxes.Asked().size(), changed ? 1u : 0u);
    ASSERT_EQ(QFileInfo(main_->FileName()).fileName(), QString(c.File) + ".brd");
    for (int page = 0; page < 3; ++page) {
      const QImage expected = Drawing(QString(":/pictures/%1_%2.svg").arg(c.Set, kViews[page]));
      const QImage shown =
          Picture(kImages[page])->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
      EXPECT_TRUE(shown == expected) << kViews[page];
    }
  }
}

TEST_F(DoorPictures, EveryPictureSetIsLegibleAtTheDialogsDefaultSize) {
  ProjectionsDialog& dialog = app_->Proj();
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  {
    SCOPED_TRACE("built-in pictures");
    ExpectLegible("proj");
  }
  const std::pair<const char*, const char*> shapes[] = {{"Oval1", "oval"},
                                                        {"Vshape1", "vshape"},
                                                        {"Spherical1", "spherical"},
                                                        {"Rectangular1", "rectangular"}};
  for (const auto& [item, set] : shapes) {
    Action(item)->trigger();
    ExpectLegible(set);
  }
}

TEST_F(DoorPictures, KeelButtonsPicturesGreyOutInMidwater) {
  const char* const pictures[] = {"Image7", "Image8", "Image9"};
  const char* const buttons[] = {"Button7", "Button8", "Button9"};
  QTest::mouseClick(main_->findChild<QRadioButton*>("RadioButton1"), Qt::LeftButton);
  std::vector<QImage> enabled;
  for (const char* name : pictures) {
    auto* label = main_->findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr) << name;
    enabled.push_back(label->grab().toImage());
    ASSERT_GT(ColouredPixels(enabled.back()), 0) << name;
  }

  QTest::mouseClick(main_->findChild<QRadioButton*>("RadioButton2"), Qt::LeftButton);
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(pictures[i]);
    ASSERT_FALSE(main_->findChild<QPushButton*>(buttons[i])->isEnabled());
    const QImage disabled = main_->findChild<QLabel*>(pictures[i])->grab().toImage();
    EXPECT_FALSE(disabled == enabled[i]);
    EXPECT_EQ(ColouredPixels(disabled), 0);
  }
}

}  // namespace
