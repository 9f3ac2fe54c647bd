#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include "DoorReportSource.h"
#include "PrintedReport.h"
#include "ReportPainter.h"
#include "model/TBoard.h"
#include "support/DoorLoad.h"
#include "support/ShippedTexts.h"

namespace {

const std::string kSamples = DOORTRIM_SAMPLE_DOORS;
const std::string kLanguages = DOORTRIM_LANGUAGE_FILES;

// Two boxes that share less than this (millimetres each way) only touch.
constexpr double kTouch = 0.05;
// The smallest letters each writer may print, points.
constexpr double kPageMinimum = 7;
constexpr double kGraphMinimum = 7;
constexpr double kSchemeMinimum = 6;
constexpr double kPictureMinimum = 5;

double Minimum(ReportPainter::Writer writer) {
  switch (writer) {
    case ReportPainter::Writer::Page:
      return kPageMinimum;
    case ReportPainter::Writer::Graph:
      return kGraphMinimum;
    case ReportPainter::Writer::Scheme:
      return kSchemeMinimum;
    case ReportPainter::Writer::Picture:
      return kPictureMinimum;
  }
  return kPageMinimum;
}

bool Overlap(const QRectF& a, const QRectF& b) {
  const QRectF common = a.intersected(b);
  return common.width() > kTouch && common.height() > kTouch;
}

struct Case {
  const char* Door;
  int Language;
  QPageSize::PageSizeId Paper;
};

class ReportLayout : public ::testing::TestWithParam<Case> {
 protected:
  // The door of the sample file at its balance, printed on the paper asked for.
  std::vector<PrintedReport::PageRecord> PrintedPages(const Case& c) {
    TBoard door(LoadedInputs(kSamples + "/" + c.Door));
    long double x = 0;
    long double y = 0;
    long double z = 0;
    door.Solve(x, y, z, 0.1L);
    const char* file = c.Language == 0 ? "/Door.len" : "/Door.lru";
    DoorReportSource source(door, kLanguages + file, ViewFlags{}, ViewFlags{});
    EXPECT_EQ(source.LanguageProblem(), "");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PrintedReport report;
    {
      QPdfWriter writer(&buffer);
      writer.setResolution(300);
      writer.setPageSize(QPageSize(c.Paper));
      EXPECT_TRUE(report.Print(writer, source,
                               ShippedTexts(DOORTRIM_LANGUAGE_FILES, c.Language).Texts,
                               "8 Dec 2026  10:00:00", QString::fromLatin1(c.Door)));
    }
    return report.Pages();
  }
};

TEST_P(ReportLayout, NoTextPrintsOverAnotherAndEveryTextIsReadable) {
  const Case c = GetParam();
  const auto pages = PrintedPages(c);
  ASSERT_GE(pages.size(), 7u);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const auto& boxes = pages[p].Layout;
    ASSERT_FALSE(boxes.empty()) << pages[p].Name;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      EXPECT_GE(boxes[i].Points, Minimum(boxes[i].From) - 0.05)
          << pages[p].Name << ": \"" << boxes[i].Text.toStdString() << "\"";
      for (std::size_t j = i + 1; j < boxes.size(); ++j) {
        EXPECT_FALSE(Overlap(boxes[i].Box, boxes[j].Box))
            << pages[p].Name << ": \"" << boxes[i].Text.toStdString() << "\" and \""
            << boxes[j].Text.toStdString() << "\"";
      }
    }
  }
}

TEST_P(ReportLayout, EveryPageIsOfOnePaperUnderAHeadNamingTheDoorAndThePage) {
  const Case c = GetParam();
  const auto pages = PrintedPages(c);
  ASSERT_GE(pages.size(), 7u);
  const QSizeF paper = QPageSize(c.Paper).size(QPageSize::Millimeter);
  const QString total = QString::number(pages.size());
  for (std::size_t p = 0; p < pages.size(); ++p) {
    EXPECT_NEAR(pages[p].Paper.width(), paper.width(), 0.5) << pages[p].Name;
    EXPECT_NEAR(pages[p].Paper.height(), paper.height(), 0.5) << pages[p].Name;
    bool door = false;
    bool number = false;
    for (const ReportPainter::TextBox& box : pages[p].Layout) {
      if (box.Box.bottom() > 0) continue;  // the running head stands above the page's body
      door = door || box.Text == QString::fromLatin1(c.Door);
      const QString page = QString::number(p + 1);
      number = number || (box.Text.contains(page) && box.Text.endsWith(total) &&
                          box.Text.indexOf(page) < box.Text.lastIndexOf(total));
    }
    EXPECT_TRUE(door) << pages[p].Name << " of " << c.Door;
    EXPECT_TRUE(number) << pages[p].Name << " is not headed page " << p + 1 << " of "
                        << total.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    SampleDoors, ReportLayout,
    ::testing::Values(Case{"default.brd", 0, QPageSize::A4}, Case{"default.brd", 1, QPageSize::A4},
                      Case{"oval.brd", 0, QPageSize::A4}, Case{"oval.brd", 1, QPageSize::Letter},
                      Case{"oval.brd", 0, QPageSize::Letter},
                      Case{"rectangular.brd", 0, QPageSize::A4},
                      Case{"rectangular.brd", 1, QPageSize::A4},
                      Case{"spherical.brd", 0, QPageSize::Letter},
                      Case{"spherical.brd", 1, QPageSize::A4}, Case{"vshape.brd", 0, QPageSize::A4},
                      Case{"vshape.brd", 1, QPageSize::Letter}),
    [](const ::testing::TestParamInfo<Case>& info) {
      std::string name = info.param.Door;
      name = name.substr(0, name.find('.'));
      name += info.param.Language == 0 ? "_English" : "_Russian";
      name += info.param.Paper == QPageSize::A4 ? "_A4" : "_Letter";
      return name;
    });

}  // namespace
