#include "report/ResultsReport.h"
#include "support/ShippedTexts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "report/ReportTexts.h"

namespace {

const std::string kDate = "21.03.2024";
const std::string kTime = "14:05:09";
const std::string kSeparator(79, '-');
constexpr std::size_t kLabelWidth = 43;  // characters, not bytes
constexpr std::size_t kField = 12;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "the text does not end with a line break";
  return lines;
}

// Byte offset of the character `count` of a UTF-8 text.
std::size_t Utf8Offset(const std::string& text, std::size_t count) {
  std::size_t offset = 0;
  for (std::size_t seen = 0; offset < text.size(); ++offset) {
    const auto byte = static_cast<unsigned char>(text[offset]);
    if ((byte & 0xC0) != 0x80 && seen++ == count) return offset;
  }
  return offset;
}

std::size_t Utf8Length(const std::string& text) {
  std::size_t length = 0;
  for (const char c : text)
    length += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return length;
}

// A number field made with printf, independently of the program's formatter. A value that
// rounds to zero is written without a minus sign.
std::string Field(long double value, int decimals) {
  char text[80];
  std::snprintf(text, sizeof text, "%.*Lf", decimals, value);
  std::string s = text;
  if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);
  return s.size() < kField ? std::string(kField - s.size(), ' ') + s : s;
}

std::string Xyz(long double x, long double y, long double z) {
  return Field(x, 2) + Field(y, 2) + Field(z, 2);
}
std::string Xyz(const XYZ& p) {
  return Xyz(p.X, p.Y, p.Z);
}

// The English report as it should read, line by line, with its labels written out here.
std::vector<std::string> ExpectedEnglish(const TBoard& d) {
  const bool stringer = d.Inputs().Fs > 0;
  std::vector<std::string> l(5, "");
  l.push_back("Trawl Door Forces Calculation =============== " + kDate + " === " + kTime);
  l.push_back("");
  l.push_back("Points Coordinates in the Door Front Edge Coordinate System");
  l.push_back(" Door is in the Initial Position, [m]             X         Y         Z");
  l.push_back(kSeparator);
  l.push_back("                   Warp attachment point : " +
              Xyz(d.Inputs().x0, d.Inputs().y0, d.Inputs().z0));
  l.push_back("           Upper Bridle attachment point : " +
              Xyz(d.Inputs().xc0, d.Inputs().yc0, d.Inputs().zc0));
  l.push_back("           Lower Bridle attachment point : " +
              Xyz(d.Inputs().xc1, d.Inputs().yc1, d.Inputs().zc1));
  l.push_back("Hydrodynamic force");
  l.push_back("              application point for Wing : " + std::string(12, ' ') +
              Field(d.Inputs().yh, 2) + Field(d.Inputs().zh, 2));
  if (stringer) {
    l.push_back("Hydrodynamic force");
    l.push_back("          application point for Stringer : " + std::string(12, ' ') +
                Field(d.Inputs().ys, 2) + Field(d.Inputs().zs, 2));
  }
  l.push_back("                       Centre of gravity : " +
              Xyz(d.Inputs().xg, d.Inputs().yg, d.Inputs().zg));
  l.push_back(kSeparator);
  l.push_back("");
  l.push_back("              Force of gravity, [newton] : " + Field(d.Inputs().G, 2));
  l.push_back(" Resistance of Net and Rigging, [newton] : " + Field(d.Inputs().R, 2));
  l.push_back("              Speed of Trawling, [m/sec] : " + Field(d.Inputs().v, 2));
  l.push_back("                     Area of Wing, [m^2] : " + Field(d.Inputs().F, 2));
  if (stringer)
    l.push_back("                 Area of Stringer, [m^2] : " + Field(d.Inputs().Fs, 2));
  l.push_back("                     Chord of Plane, [m] : " + Field(d.Inputs().b, 2));
  l.push_back("                     Height of Wing, [m] : " + Field(d.Inputs().H, 2));
  l.push_back("");
  l.push_back("                 Water Density, [kg/m^3] : " + Field(d.Inputs().WaterDensity, 2));
  if (d.Inputs().Bottom) {
    l.push_back("                Ground Density, [kg/m^3] : " + Field(d.Inputs().GroundDensity, 2));
    l.push_back("Coefficient of Force Out from");
    l.push_back("                   Ground,  [cm^3/newton]: " + Field(d.Inputs().GroundCoef, 4));
  }
  l.push_back("           Bridles Attack Angle [degree] : " + Field(d.Inputs().BridleAngleH, 2));
  l.insert(l.end(), 3, "");
  l.push_back("Rotation Angles in Actual Position [degree]");
  l.push_back("                           Around X axis : " + Field(d.RotX(), 2));
  l.push_back("                           Around Y axis : " + Field(d.RotY(), 2));
  l.push_back("                           Around Z axis : " + Field(d.RotZ(), 2));
  l.push_back("");
  l.push_back("Points Coordinates. Warp Attachment Point is Origin");
  l.push_back(" Door is in the Actual Position, [m]              X         Y         Z");
  l.push_back(kSeparator);
  l.push_back("           Upper Bridle attachment point : " + Xyz(d.Result().PosUpperBridle));
  l.push_back("           Lower Bridle attachment point : " + Xyz(d.Result().PosLowerBridle));
  l.push_back("Hydrodynamic force");
  l.push_back("              application point for Wing : " + Xyz(d.Result().PosWingHydro));
  if (stringer) {
    l.push_back("Hydrodynamic force");
    l.push_back("          application point for Stringer : " + Xyz(d.Result().PosStringerHydro));
  }
  l.push_back("                       Centre of gravity : " + Xyz(d.Result().PosGravity));
  if (d.Inputs().Bottom) {
    l.push_back(" Ground Reaction Force Application Point : " + Xyz(d.Result().PosKeelOrigin));
  }
  l.push_back(kSeparator);
  l.insert(l.end(), 2, "");
  l.push_back("Forces. Warp Attachment Point is Origin");
  l.push_back(" Door is in the Actual Position, [newton]         X         Y         Z");
  l.push_back(kSeparator);
  l.push_back("           Force Applied to Upper Bridle : " +
              Xyz(d.Result().ForceUpperBridle.Force));
  l.push_back("           Force Applied to Lower Bridle : " +
              Xyz(d.Result().ForceLowerBridle.Force));
  l.push_back("      Hydrodynamic Force Applied to Wing : " + Xyz(d.Result().ForceWing.Force));
  if (stringer) {
    l.push_back("  Hydrodynamic Force Applied to Stringer : " +
                Xyz(d.Result().ForceStringer.Force));
  }
  l.push_back("                        Force of Gravity : " + Xyz(d.Result().ForceGravity.Force));
  if (d.Inputs().Bottom) {
    l.push_back("                   Ground Reaction Force : " + Xyz(d.Result().ForceGround.Force));
  }
  l.push_back(kSeparator);
  l.push_back("");
  l.push_back("     Sum of Moments Around X Axis [kN*m] : " +
              Field(d.Result().TotalMoment.X / 1000, 2));
  l.push_back("     Sum of Moments Around Y Axis [kN*m] : " +
              Field(d.Result().TotalMoment.Y / 1000, 2));
  l.push_back("     Sum of Moments Around Z Axis [kN*m] : " +
              Field(d.Result().TotalMoment.Z / 1000, 2));
  l.insert(l.end(), 2, "");
  const XYZ& wing = d.Result().ForceWing.Force;
  const XYZ& str = d.Result().ForceStringer.Force;
  l.push_back("True Attack Angle of Otterboard [degree] : " +
              Field(d.Result().WingAttack / kDegree, 2));
  l.push_back("           Resistance of OtterBoard [kN] : " +
              Field((wing.X + str.X + d.Result().ForceGround.Force.X) / 1000, 4));
  l.push_back("         Spread Force of OtterBoard [kN] : " + Field((wing.Y + str.Y) / 1000, 4));
  l.push_back("       Vertical force of OtterBoard [kN] : " +
              Field((wing.Z + str.Z + d.Result().ForceGravity.Force.Z) / 1000, 4));
  return l;
}

// The default door turned away from zero and evaluated there, so that no coordinate or force
// is trivially zero.
TBoard EvaluatedDoor(bool bottom, long double stringerArea) {
  TBoard door;
  door.Edit([&](DoorInputs& d) {
    d.Bottom = bottom;
    d.Fs = stringerArea;
  });
  door.SetRotation(-4.5L, 2.25L, 27.125L);
  door.Evaluate(door.RotX() * kDegree, door.RotY() * kDegree, door.RotZ() * kDegree);
  return door;
}

// The built texts of a delivered language file: 0 English, 1 Russian, 2 Norwegian.
const TextCatalogue& Texts(int language) {
  static const TextCatalogue files[] = {ShippedTexts(DOORTRIM_LANGUAGE_FILES, 0).Texts,
                                        ShippedTexts(DOORTRIM_LANGUAGE_FILES, 1).Texts,
                                        ShippedTexts(DOORTRIM_LANGUAGE_FILES, 2).Texts};
  return files[language];
}

std::string Report(const TBoard& door, int language = 0) {
  return ResultsReportText(door, Texts(language), kDate, kTime);
}

void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
  }
}

// The line that starts with the label, or empty.
std::string LineOf(const std::string& report, const std::string& label) {
  for (const std::string& line : Lines(report)) {
    if (line.rfind(label, 0) == 0) return line;
  }
  return {};
}

struct Mode {
  const char* Name;
  bool Bottom;
  long double Fs;
};
constexpr Mode kModes[] = {{"bottom, stringer", true, 1.0L},
                           {"bottom, no stringer", true, 0},
                           {"midwater, stringer", false, 1.0L},
                           {"midwater, no stringer", false, 0}};

TEST(ResultsReport, ReadsLineByLineAsExpectedInEveryMode) {
  for (const Mode& mode : kModes) {
    SCOPED_TRACE(mode.Name);
    const TBoard door = EvaluatedDoor(mode.Bottom, mode.Fs);
    ExpectLines(Lines(Report(door)), ExpectedEnglish(door));
  }
}

TEST(ResultsReport, StartsWithFiveEmptyLinesAndTheDatedTitle) {
  const std::vector<std::string> lines = Lines(Report(EvaluatedDoor(true, 1)));
  ASSERT_GT(lines.size(), 7u);
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(lines[i], "") << "line " << i + 1;
  EXPECT_EQ(lines[5], "Trawl Door Forces Calculation =============== 21.03.2024 === 14:05:09");
  EXPECT_EQ(lines[6], "");
}

// Every line with numbers: a 43-character label ending in ": " or "]: ", then 12-character
// fields, each a right-aligned fixed-point number or blank.
TEST(ResultsReport, LabelsAre43CharactersAndNumbersFill12) {
  const std::regex field(R"( *-?\d+\.(\d\d|\d\d\d\d)| {12})");
  for (const Mode& mode : kModes) {
    for (const int language : {0, 1}) {
      SCOPED_TRACE(std::string(mode.Name) + (language ? ", Russian" : ", English"));
      int numbered = 0;
      for (const std::string& line : Lines(Report(EvaluatedDoor(mode.Bottom, mode.Fs), language))) {
        const bool endsInNumber = !line.empty() && line.back() >= '0' && line.back() <= '9';
        if (!endsInNumber || Contains(line, " === ")) continue;  // headings, title, separators
        ++numbered;
        const std::size_t cut = Utf8Offset(line, kLabelWidth);
        const std::string label = line.substr(0, cut);
        const std::string numbers = line.substr(cut);
        EXPECT_TRUE(label.ends_with(": ") || label.ends_with("]: ")) << line;
        ASSERT_EQ(numbers.size() % kField, 0u) << line;
        for (std::size_t at = 0; at < numbers.size(); at += kField) {
          EXPECT_TRUE(std::regex_match(numbers.substr(at, kField), field)) << line;
        }
      }
      // Points 5, inputs 6 + 1 + 1, angles 3, positioned points 4, forces 4, totals 7; the
      // stringer adds a line in four of these groups, the ground in three (two inputs).
      const int stringerLines = mode.Fs > 0 ? 4 : 0;
      const int groundLines = mode.Bottom ? 4 : 0;
      EXPECT_EQ(numbered, 31 + stringerLines + groundLines);
    }
  }
}

TEST(ResultsReport, WithoutStringerAreaNoStringerLineAnywhere) {
  const std::string with = Report(EvaluatedDoor(true, 1));
  const std::string without = Report(EvaluatedDoor(true, 0));
  EXPECT_TRUE(Contains(with, "Stringer"));
  EXPECT_FALSE(Contains(without, "Stringer"));
  EXPECT_FALSE(Contains(Report(EvaluatedDoor(true, 0), 1), "стрингер"));
  // Both application-point pairs, the area and the force.
  EXPECT_EQ(Lines(with).size() - Lines(without).size(), 6u);
}

TEST(ResultsReport, MidwaterHasNoGroundLinesButResistanceKeepsTheGroundTerm) {
  const TBoard door = EvaluatedDoor(false, 1);
  const std::string report = Report(door);
  for (const char* ground : {"Ground Density", "Coefficient of Force Out from", "cm^3/newton",
                             "Ground Reaction Force"}) {
    EXPECT_FALSE(Contains(report, ground)) << ground;
  }
  EXPECT_EQ(door.Result().ForceGround.Force.X, 0.0L);
  const long double noGround =
      (door.Result().ForceWing.Force.X + door.Result().ForceStringer.Force.X) / 1000;
  EXPECT_EQ(LineOf(report, "           Resistance of OtterBoard [kN] : "),
            "           Resistance of OtterBoard [kN] : " + Field(noGround, 4));

  // In bottom trawling the ground's pull is part of the door's resistance.
  const TBoard onGround = EvaluatedDoor(true, 1);
  ASSERT_NE(onGround.Result().ForceGround.Force.X, 0.0L);
  const XYZ& wing = onGround.Result().ForceWing.Force;
  const long double withGround =
      (wing.X + onGround.Result().ForceStringer.Force.X + onGround.Result().ForceGround.Force.X) /
      1000;
  EXPECT_EQ(LineOf(Report(onGround), "           Resistance of OtterBoard [kN] : "),
            "           Resistance of OtterBoard [kN] : " + Field(withGround, 4));
}

TEST(ResultsReport, WingPointOfTheInitialPositionHasABlankX) {
  TBoard door = EvaluatedDoor(true, 1);
  door.Edit([&](DoorInputs& d) {
    d.yh = 0.125L;
    d.zh = -1.5L;
    d.ys = 2.5L;
    d.zs = 3.75L;
  });
  const std::vector<std::string> lines = Lines(Report(door));
  EXPECT_EQ(lines.at(13), "Hydrodynamic force");
  EXPECT_EQ(lines.at(14), "              application point for Wing :                     0.12" +
                              std::string("       -1.50"));
  EXPECT_EQ(lines.at(16), "          application point for Stringer :                     2.50" +
                              std::string("        3.75"));
}

// The report only reads the model: whatever the last evaluation and positioning left is what
// it prints. Positioning turns the door further without working out the forces again.
TEST(ResultsReport, PrintsTheModelAsLeftWithoutEvaluating) {
  TBoard evaluated;
  evaluated.Evaluate(0, 0, 10 * kDegree);
  TBoard door = evaluated;
  door.Position(0, 0, 30 * kDegree);
  const std::string report = Report(door);
  const std::string atTen = Report(evaluated);
  for (const char* line : {"     Sum of Moments Around X Axis [kN*m] : ",
                           "     Sum of Moments Around Y Axis [kN*m] : ",
                           "     Sum of Moments Around Z Axis [kN*m] : ",
                           "         Spread Force of OtterBoard [kN] : "}) {
    EXPECT_EQ(LineOf(report, line), LineOf(atTen, line));
  }
  EXPECT_EQ(LineOf(report, "True Attack Angle of Otterboard [degree] : "),
            "True Attack Angle of Otterboard [degree] :        30.00");
  EXPECT_EQ(LineOf(atTen, "True Attack Angle of Otterboard [degree] : "),
            "True Attack Angle of Otterboard [degree] :        10.00");
}

TEST(ResultsReport, FieldsRoundToTheirDecimalsAndLongNumbersAreWrittenWhole) {
  TBoard door;
  door.Edit([&](DoorInputs& d) {
    d.G = 1e12L;
    d.R = -123456789.5L;
    d.v = -0.004L;  // rounds to zero: no minus sign
    d.GroundCoef = 0.33335L;
  });
  door.SetRotation(89.995L, 0, 0);
  const std::string report = Report(door);
  EXPECT_EQ(LineOf(report, "              Force of gravity"),
            "              Force of gravity, [newton] : 1000000000000.00");
  EXPECT_EQ(LineOf(report, " Resistance of Net"),
            " Resistance of Net and Rigging, [newton] : -123456789.50");
  EXPECT_EQ(LineOf(report, "              Speed of Trawling"),
            "              Speed of Trawling, [m/sec] :         0.00");
  EXPECT_EQ(LineOf(report, "                   Ground,  [cm^3/newton]: "),
            "                   Ground,  [cm^3/newton]: " + Field(door.Inputs().GroundCoef, 4));
  EXPECT_EQ(LineOf(report, "                           Around X axis : "),
            "                           Around X axis : " + Field(door.RotX(), 2));
}

TEST(ResultsReport, RussianHasTheSameStructureAndTheSameNumbers) {
  for (const Mode& mode : kModes) {
    SCOPED_TRACE(mode.Name);
    const TBoard door = EvaluatedDoor(mode.Bottom, mode.Fs);
    const std::vector<std::string> english = Lines(Report(door, 0));
    const std::vector<std::string> russian = Lines(Report(door, 1));
    ASSERT_EQ(russian.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
      SCOPED_TRACE("line " + std::to_string(i + 1));
      const std::string& en = english[i];
      const std::string& ru = russian[i];
      if (en.empty() || en == kSeparator) {
        EXPECT_EQ(ru, en);
      } else if (i == 5) {
        EXPECT_EQ(ru, "Расчёт сил деёствующих на доску =============== " + kDate + " === " + kTime);
      } else if (en.size() > kLabelWidth && en[kLabelWidth - 2] == ':') {
        EXPECT_EQ(ru.substr(Utf8Offset(ru, kLabelWidth)), en.substr(kLabelWidth));
      } else {
        EXPECT_NE(ru, en);  // a heading, translated
      }
    }
    EXPECT_EQ(russian[10].substr(0, Utf8Offset(russian[10], kLabelWidth)),
              "                   Точка крепления ваера : ");
  }
  const std::string russian = Report(EvaluatedDoor(true, 1), 1);
  EXPECT_TRUE(Contains(russian, "\nТочка приложения\n            гидродинамической силы крыла : "));
  EXPECT_TRUE(Contains(russian, "\n      Сумма моментов вокруг оси X [кН*м] : "));
  EXPECT_TRUE(Contains(russian, "\nУглы поворота в реальном положенеии [град]\n"));
}

TEST(ReportTexts, EveryLanguageHoldsTheReportLabelsAndTheSensitivityTexts) {
  for (int language = 0; language < 3; ++language) {
    SCOPED_TRACE(language);
    const TextCatalogue& texts = Texts(language);
    for (int n = 1; n <= kReportTextCount; ++n)
      EXPECT_FALSE(ReportText(n, texts).empty()) << n;
    // The labels that numbers follow are 43 characters in every language.
    for (const int n : {4,  5,  6,  8,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 22, 23,
                        25, 26, 27, 30, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45}) {
      EXPECT_EQ(Utf8Length(ReportText(n, texts)), kLabelWidth) << n;
    }
    EXPECT_TRUE(ReportText(0, texts).empty());
    EXPECT_TRUE(ReportText(kReportTextCount + 1, texts).empty());
  }
  // Texts 7 and 9 are the same in English and split differently in Russian.
  EXPECT_EQ(ReportText(7, Texts(0)), ReportText(9, Texts(0)));
  EXPECT_EQ(ReportText(9, Texts(1)), "Точка приложения");
}

TEST(ReportTexts, SolverSensitivityDialogInEveryLanguage) {
  EXPECT_EQ(SolverSensitivityCaption(Texts(0)), "Solver sensitivity");
  EXPECT_EQ(SolverSensitivityPrompt(Texts(0)),
            "Value from 5.0 to 1000.0\nLess - coarse, quick solving.\nGreat - fine, slow solving.");
  EXPECT_EQ(SolverSensitivityCaption(Texts(1)), "Чувствительность решателя");
  EXPECT_EQ(SolverSensitivityPrompt(Texts(1)),
            "Значение от 5.0 до 1000.0\nМеньше - Грубо, но быстро.\nБольше - Точно, но медленно.");
  EXPECT_EQ(SolverSensitivityCaption(Texts(2)), "Løserens følsomhet");
}

// The Norwegian report keeps the columns of the English one: its numbers line up under X, Y
// and Z.
TEST(ResultsReport, NorwegianReportKeepsTheColumns) {
  const TBoard door = EvaluatedDoor(true, 1);
  const std::vector<std::string> english = Lines(Report(door, 0));
  const std::vector<std::string> norwegian = Lines(Report(door, 2));
  ASSERT_EQ(norwegian.size(), english.size());
  int compared = 0;
  for (std::size_t i = 0; i < english.size(); ++i) {
    // The lines with numbers, and the column heads over them.
    const std::string& line = english[i];
    const bool columns = !line.empty() && (std::isdigit(static_cast<unsigned char>(line.back())) ||
                                           line.ends_with("Y         Z"));
    if (!columns || Contains(line, " === ")) continue;
    ++compared;
    EXPECT_EQ(Utf8Length(norwegian[i]), Utf8Length(line)) << "line " << i + 1;
  }
  EXPECT_GT(compared, 20);
}

}  // namespace
