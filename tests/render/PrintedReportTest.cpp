#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPixmap>

#include "PaperChoice.h"
#include "PrintedReport.h"
#include "ReportSource.h"
#include "model/TBoard.h"
#include "support/ShippedTexts.h"

namespace {

constexpr double kMm = 1e-9;

// Answers for every control as a label whose caption is its name, except the controls named
// as missing; a wide picture and a tall drawing everywhere.
class FakeSource : public ReportSource {
 public:
  TBoard Door;
  int Updates = 0;
  std::string Missing;

  void Update() override { ++Updates; }
  const TBoard& Board() const override { return Door; }
  LinkedControl Control(std::string_view form, std::string_view name) const override {
    if (name == Missing) return {};
    return {LinkedControl::Kind::Label, std::string(form) + "." + std::string(name), "hint", "",
            false};
  }
  ReportPicture Picture(std::string_view, std::string_view) const override {
    QPixmap wide(400, 100);
    wide.fill(Qt::gray);
    return ReportPicture::FromPixmap(wide);
  }
  ReportPicture Drawing(std::string_view, std::string_view, QSize size) override {
    if (size.isEmpty()) size = QSize(100, 300);
    QPicture recording;
    QPainter painter(&recording);
    painter.drawLine(0, 0, size.width(), size.height());
    painter.end();
    return ReportPicture::FromRecording(recording, size);
  }
};

struct Printed {
  bool Ok = false;
  QByteArray Pdf;
};

Printed PrintTo(PrintedReport& report, ReportSource& source, int language = 0) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  Printed printed;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    printed.Ok = report.Print(writer, source, ShippedTexts(DOORTRIM_LANGUAGE_FILES, language).Texts,
                              "8 Dec 2026 10:00:00");
  }
  printed.Pdf = buffer.data();
  return printed;
}

const PrintedReport::PageRecord& Page(const PrintedReport& report, const std::string& name) {
  for (const auto& page : report.Pages())
    if (page.Name == name) return page;
  throw std::runtime_error("no page " + name);
}

TEST(PrintedReportTest, PrintsTheSevenPagesInOrderAfterAnUpdate) {
  FakeSource source;
  PrintedReport report;
  const Printed printed = PrintTo(report, source);
  ASSERT_TRUE(printed.Ok);
  std::vector<std::string> names;
  for (const auto& page : report.Pages())
    names.push_back(page.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Rep", "Rep2", "Rep3", "RepHydro", "RepKeel", "RepKT",
                                             "RepBalance"}));
  EXPECT_EQ(source.Updates, 1);
  EXPECT_TRUE(printed.Pdf.startsWith("%PDF"));
}

TEST(PrintedReportTest, SevenHydrodynamicRowsGiveSevenTableRows) {
  FakeSource source;
  source.Door.Edit([](DoorInputs& d) { d.Hydro.Count = 7; });
  PrintedReport report;
  ASSERT_TRUE(PrintTo(report, source).Ok);
  EXPECT_EQ(Page(report, "RepHydro").TableRows, 7);
  EXPECT_EQ(PrintedReport::HydroTable(source.Door.Inputs()).Rows.size(), 7u);
}

TEST(PrintedReportTest, TablesAreRefilledForEveryPrinting) {
  FakeSource source;
  PrintedReport report;
  source.Door.Edit([](DoorInputs& d) { d.Hydro.Count = 7; });
  ASSERT_TRUE(PrintTo(report, source).Ok);
  source.Door.Edit([](DoorInputs& d) { d.Hydro.Count = 4; });
  source.Door.Edit([](DoorInputs& d) { d.Ground.Count = 3; });
  ASSERT_TRUE(PrintTo(report, source).Ok);
  EXPECT_EQ(Page(report, "RepHydro").TableRows, 4);
  EXPECT_EQ(Page(report, "RepKT").TableRows, 3);
}

TEST(PrintedReportTest, PrintingTwiceGivesTheSameLayout) {
  FakeSource source;
  PrintedReport report;
  ASSERT_TRUE(PrintTo(report, source).Ok);
  const std::vector<PrintedReport::PageRecord> first = report.Pages();
  ASSERT_TRUE(PrintTo(report, source).Ok);
  ASSERT_EQ(report.Pages().size(), first.size());
  for (std::size_t p = 0; p < first.size(); ++p) {
    const auto& again = report.Pages()[p].Pictures;
    ASSERT_EQ(again.size(), first[p].Pictures.size()) << first[p].Name;
    for (std::size_t i = 0; i < again.size(); ++i) {
      EXPECT_NEAR(again[i].Left, first[p].Pictures[i].Left, kMm) << first[p].Name;
      EXPECT_NEAR(again[i].Top, first[p].Pictures[i].Top, kMm) << first[p].Name;
      EXPECT_NEAR(again[i].Width, first[p].Pictures[i].Width, kMm) << first[p].Name;
      EXPECT_NEAR(again[i].Height, first[p].Pictures[i].Height, kMm) << first[p].Name;
    }
  }
}

TEST(PrintedReportTest, WidePictureTakesTheFullWidthOfItsHalfPage) {
  FakeSource source;
  PrintedReport report;
  ASSERT_TRUE(PrintTo(report, source).Ok);
  const auto& front = Page(report, "Rep").Pictures;
  ASSERT_EQ(front.size(), 2u);
  // The 4:1 picture fills its box's width and stands a quarter of it high.
  EXPECT_NEAR(front[0].Height, std::trunc(front[0].Width / 4), kMm);
  // The 1:3 drawing fills its box's height and is three times narrower.
  EXPECT_NEAR(front[1].Width * 3, front[1].Height, kMm);
}

TEST(PrintedReportTest, AMissingControlPrintsEmpty) {
  FakeSource source;
  source.Missing = "Edit_y0";
  PrintedReport report;
  ASSERT_TRUE(PrintTo(report, source).Ok);
  EXPECT_TRUE(Page(report, "Rep").Texts.contains("Empty !!!"));
  EXPECT_TRUE(Page(report, "Rep").Texts.contains("Proj_f.Label_y0"));
}

TEST(PrintedReportTest, HeadingsFollowTheLanguage) {
  FakeSource source;
  PrintedReport report;
  ASSERT_TRUE(PrintTo(report, source, 1).Ok);
  EXPECT_TRUE(Page(report, "RepBalance").Texts.contains(QString::fromUtf8("Положение равновесия")));
  ASSERT_TRUE(PrintTo(report, source, 0).Ok);
  EXPECT_TRUE(Page(report, "RepBalance").Texts.contains("Balance position"));
}

// A long table goes on over further pages, and every page's head counts them all.
TEST(PrintedReportTest, LongTablesAddPagesThatTheHeadsCount) {
  FakeSource source;
  source.Door.Edit([](DoorInputs& d) {
    d.Hydro.Count = d.Hydro.Capacity();
    d.Ground.Count = d.Ground.Capacity();
  });
  PrintedReport report;
  ASSERT_TRUE(PrintTo(report, source).Ok);
  const std::vector<PrintedReport::PageRecord>& pages = report.Pages();
  ASSERT_GT(pages.size(), 7u);
  int hydroRows = 0;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const QString head = QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size());
    EXPECT_TRUE(pages[p].Texts.contains(head)) << pages[p].Name << ": " << head.toStdString();
    if (pages[p].Name == "RepHydro") hydroRows = pages[p].TableRows;
  }
  EXPECT_EQ(hydroRows, source.Door.Inputs().Hydro.Capacity());
  // A door without a file is named as such.
  EXPECT_TRUE(pages.front().Texts.contains("Rep.UnsavedDoor"));
}

TEST(PaperChoiceTest, LetterInTheUnitedStatesAndCanadaAndA4Elsewhere) {
  struct Case {
    QLocale::Language Language;
    QLocale::Territory Territory;
    QPageSize::PageSizeId Paper;
  };
  for (const Case& c : {Case{QLocale::English, QLocale::UnitedStates, QPageSize::Letter},
                        Case{QLocale::French, QLocale::Canada, QPageSize::Letter},
                        Case{QLocale::English, QLocale::UnitedKingdom, QPageSize::A4},
                        Case{QLocale::NorwegianBokmal, QLocale::Norway, QPageSize::A4},
                        Case{QLocale::Russian, QLocale::Russia, QPageSize::A4},
                        Case{QLocale::C, QLocale::AnyTerritory, QPageSize::A4}})
    EXPECT_EQ(PaperChoice::ForLocale(QLocale(c.Language, c.Territory)), c.Paper)
        << QLocale(c.Language, c.Territory).name().toStdString();
  EXPECT_EQ(PaperChoice::FromName("a4"), QPageSize::A4);
  EXPECT_EQ(PaperChoice::FromName("Letter"), QPageSize::Letter);
  EXPECT_EQ(PaperChoice::FromName("legal"), std::nullopt);
  EXPECT_EQ(PaperChoice::FromName(""), std::nullopt);
}

}  // namespace
