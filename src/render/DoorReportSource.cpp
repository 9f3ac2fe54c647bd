#include "DoorReportSource.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <memory>

#include <QFile>
#include <QFileInfo>
#include <QFont>

#include "CoefGraphs.h"
#include "DoorPictures.h"
#include "ScaledCanvas.h"
#include "ThreeViewDrawing.h"
#include "UserLocale.h"
#include "lang/LanguageFile.h"
#include "model/BalanceFigures.h"
#include "model/EditableFields.h"
#include "model/PlaneMath.h"
#include "model/TBoard.h"
#include "report/BalanceUpdate.h"
#include "report/DisplayFormats.h"

namespace {

// The windows whose control texts the report prints.
constexpr std::array<std::string_view, 7> kForms = {"Proj_f",   "Envir_f", "Hydro_f",  "KGeom_f",
                                                    "Ground_f", "Trawl_f", "Balance_f"};

// The section of the report's own texts.
constexpr std::string_view kReportForm = "Rep";

// Graphs drawn for a page write at this size: at the report's four pixels to the millimetre
// a tick label prints at 8.5 points.
constexpr int kGraphFontPixels = 12;

// The keel position dialog is not translated: its texts are always these, the captions with
// the unit the dialog shows beside its fields.
struct FixedText {
  std::string_view Name;
  std::string_view Caption;
  std::string_view Hint;
};
constexpr std::array<FixedText, 3> kKeelOriginTexts = {{
    {"label1", "X keel, [m]:", "Abscissa of keel origin point, [m]"},
    {"label2", "Y keel, [m]:", "Ordinata of keel origin point, [m]"},
    {"label3", "Z keel, [m]:", "Applicata of keel origin point, [m]"},
}};

// The windows' drawing surfaces at their design sizes.
constexpr QSize kProjectionSurface(400, 300);
constexpr QSize kSideView(344, 347);
constexpr QSize kPlanView(344, 198);
constexpr QSize kFrontView(201, 347);
constexpr QSize kGraphSurface(236, 240);

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string Key(std::string_view form, std::string_view name) {
  return std::string(form) + "." + Lower(name);
}

std::string Shown(const char* pattern, long double value) {
  return UserNumberText(pattern, value).toStdString();
}

std::unique_ptr<ScaledCanvas> Surface(QSize size) {
  auto canvas = std::make_unique<ScaledCanvas>(ScaledCanvas::itMetafile);
  canvas->SetSurfaceSize(size);
  canvas->Loaded();
  return canvas;
}

ReportPicture PictureOf(const QString& file, const TextCatalogue& texts) {
  if (file.isEmpty()) return {};
  if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
    return ReportPicture::FromSvg(file, texts);
  return ReportPicture::FromPixmap(DoorPictures::LoadPicture(file));
}

}  // namespace

DoorReportSource::DoorReportSource(const TBoard& door, const std::string& languageFile,
                                   const ViewFlags& projection, const ViewFlags& balance)
    : board_(door), projection_(projection), balance_(balance) {
  if (!languageFile.empty()) {
    const LanguageFile file = LanguageFile::Read(languageFile);
    const LanguageFile::Result found = file.ReadAllSections(kForms);
    if (!found) {
      languageProblem_ = found.Message;
      languageProblemData_ = found.Problem;
    }
    if (found) {
      TextCatalogue::Loaded built = TextCatalogue::FromFile(file);
      if (!built) {
        languageProblem_ = built.Message;
        languageProblemData_ = built.Problem;
      }
      pictureTexts_ = std::move(built.Texts);
    }
    for (std::size_t i = 0; found && i < found.Sections.size(); ++i) {
      for (const LanguageFile::Entry& entry : found.Sections[i].Entries)
        texts_.emplace(Key(kForms[i], entry.Component), Texts{entry.Caption, entry.Hint});
    }
    // The report's own texts (its running head, axis titles, verdict); a file without them
    // leaves the report its English ones.
    const LanguageFile::Result own = file.FindSection(kReportForm);
    for (std::size_t i = 0; found && own && i < own.Sections.size(); ++i) {
      if (!own.Sections[i].Found) continue;
      for (const LanguageFile::Entry& entry : own.Sections[i].Entries)
        texts_.emplace(Key(kReportForm, entry.Component), Texts{entry.Caption, entry.Hint});
    }
  }
  for (const FixedText& fixed : kKeelOriginTexts)
    texts_[Key("KOrg_f", fixed.Name)] = {std::string(fixed.Caption), std::string(fixed.Hint)};
}

void DoorReportSource::Update() {
  stability_ = EvaluateWithStability(board_, board_.RotX(), board_.RotY(), board_.RotZ());
}

DoorReportSource::Texts DoorReportSource::TextsOf(std::string_view form,
                                                  std::string_view name) const {
  const auto found = texts_.find(Key(form, name));
  return found == texts_.end() ? Texts{} : found->second;
}

bool DoorReportSource::FieldText(std::string_view form, std::string_view name, std::string& text,
                                 LinkedControl::Kind& kind) const {
  using Kind = LinkedControl::Kind;
  kind = Kind::Edit;
  if (form == "Proj_f" && name.starts_with("Edit_")) {
    const int index = MainParamIndex(name.substr(5));
    if (index < 0) return false;
    const EditableField& field = kMainParams[static_cast<std::size_t>(index)];
    text = Shown(DisplayFormats::MainParameter(index), board_.Inputs().*field.Field);
    return true;
  }
  const std::string lower = Lower(name);
  const auto number = [&](std::string_view prefix) {
    return lower.starts_with(prefix) ? std::atoi(lower.c_str() + prefix.size()) : 0;
  };
  const int edit = number("edit");
  if (form == "Envir_f" && edit >= 1 && edit <= 3) {
    kind = Kind::EditF;
    const std::array<long double, 3> values = {
        board_.Inputs().WaterDensity, board_.Inputs().GroundDensity, board_.Inputs().GroundCoef};
    text = Shown(DisplayFormats::kDoorValue, values[static_cast<std::size_t>(edit - 1)]);
    return true;
  }
  if (form == "Trawl_f" && (edit == 1 || edit == 2)) {
    text = Shown(DisplayFormats::kDoorValue,
                 edit == 1 ? board_.Inputs().BridleAngleH : board_.Inputs().BridleAngleV);
    return true;
  }
  if (form == "KOrg_f" && edit >= 1 && edit <= 3) {
    const std::array<long double, 3> values = {board_.Inputs().xk, board_.Inputs().yk,
                                               board_.Inputs().zk};
    text = Shown(DisplayFormats::kDoorValue, values[static_cast<std::size_t>(edit - 1)]);
    return true;
  }
  if (form == "Balance_f" && edit >= 1 && edit <= 13) {
    const BalanceFigures figures = ComputeBalanceFigures(board_);
    const XYZ& m = board_.Result().TotalMoment;
    switch (edit) {
      case 1:
        text = Shown(DisplayFormats::kStability, stability_.X / 1000);
        break;
      case 2:
        text = Shown(DisplayFormats::kStability, stability_.Y / 1000);
        break;
      case 3:
        text = Shown(DisplayFormats::kStability, stability_.Z / 1000);
        break;
      case 4:
        text = Shown(DisplayFormats::kMoment, m.X / 1000);
        break;
      case 5:
        text = Shown(DisplayFormats::kMoment, m.Y / 1000);
        break;
      case 6:
        text = Shown(DisplayFormats::kMoment, m.Z / 1000);
        break;
      case 7:
        text = Shown(DisplayFormats::kReportRotation, board_.RotX());
        kind = Kind::EditF;
        break;
      case 8:
        text = Shown(DisplayFormats::kReportRotation, board_.RotY());
        kind = Kind::EditF;
        break;
      case 9:
        text = Shown(DisplayFormats::kReportRotation, board_.RotZ());
        kind = Kind::EditF;
        break;
      case 10:
        text = Shown(DisplayFormats::kForce, figures.ResistanceKN);
        break;
      case 11:
        text = Shown(DisplayFormats::kForce, figures.SpreadKN);
        break;
      case 12:
        text = Shown(DisplayFormats::kForce, figures.VerticalKN);
        break;
      default:
        text = Shown(DisplayFormats::kAttackAngle, figures.WingAttackDeg);
        break;
    }
    return true;
  }
  return false;
}

LinkedControl DoorReportSource::Control(std::string_view form, std::string_view name) const {
  LinkedControl control;
  std::string text;
  LinkedControl::Kind kind = LinkedControl::Kind::None;
  const Texts texts = TextsOf(form, name);
  if (FieldText(form, name, text, kind)) {
    control.Class = kind;
    control.Text = text;
    control.Hint = texts.Hint;
    return control;
  }
  if (texts_.find(Key(form, name)) == texts_.end()) return control;
  const bool group = form == "Balance_f" && (name == "Panel6" || name.starts_with("GroupBox")) &&
                     !name.ends_with("Unit");
  control.Class = group ? LinkedControl::Kind::GroupBox : LinkedControl::Kind::Label;
  control.Caption = texts.Caption;
  control.Hint = texts.Hint;
  // A group box's caption holds one line; the second is a label of its own.
  if (group) control.Caption = control.Caption.substr(0, control.Caption.find('\n'));
  return control;
}

ReportPicture DoorReportSource::Picture(std::string_view form, std::string_view name) const {
  if (form == "Proj_f") {
    const std::array<const std::string*, 3> files = {
        &board_.Inputs().FrontPicture, &board_.Inputs().PlanPicture, &board_.Inputs().SidePicture};
    const std::array<const char*, 3> builtIn = {
        ":/pictures/proj_front.svg", ":/pictures/proj_plan.svg", ":/pictures/proj_side.svg"};
    const int view = name == "Image1" ? 0 : name == "Image2" ? 1 : name == "Image3" ? 2 : -1;
    if (view < 0) return {};
    const auto i = static_cast<std::size_t>(view);
    const QString file = DoorPictures::PictureFile(QFile::decodeName(files[i]->c_str()));
    ReportPicture picture = PictureOf(file, pictureTexts_);
    return picture.IsNull() ? PictureOf(QString::fromLatin1(builtIn[i]), pictureTexts_) : picture;
  }
  if (form == "Trawl_f" && name == "Image1")
    return PictureOf(QStringLiteral(":/pictures/trawl_influence.svg"), pictureTexts_);
  if (form == "KOrg_f" && name == "Image1")
    return PictureOf(QStringLiteral(":/pictures/keel_position.svg"), pictureTexts_);
  return {};
}

ReportPicture DoorReportSource::Drawing(std::string_view form, std::string_view name, QSize size) {
  const auto recorded = [](const ScaledCanvas& canvas) {
    return ReportPicture::FromRecording(canvas.Picture(), canvas.SurfaceSize());
  };
  if (form == "Proj_f") {
    const auto front = Surface(kProjectionSurface);
    const auto plan = Surface(kProjectionSurface);
    const auto side = Surface(kProjectionSurface);
    ViewScale scale;
    ThreeViewDrawing::RedrawDoorViews(board_, scale, projection_, *front, *plan, *side);
    if (name == "ScFront") return recorded(*front);
    if (name == "ScPlan") return recorded(*plan);
    if (name == "ScSide") return recorded(*side);
    return {};
  }
  if (form == "Balance_f") {
    const auto side = Surface(kSideView);
    const auto plan = Surface(kPlanView);
    const auto front = Surface(kFrontView);
    ViewScale scale;
    const ThreeViewDrawing::Angles angles{board_.RotX() * kDegree, board_.RotY() * kDegree,
                                          board_.RotZ() * kDegree};
    ThreeViewDrawing::RedrawBalanceViews(board_, scale, balance_, angles, *side, *plan, *front);
    if (name == "ScPic1") return recorded(*side);
    if (name == "ScPic2") return recorded(*plan);
    if (name == "ScPic3") return recorded(*front);
    return {};
  }
  if ((form == "Hydro_f" || form == "KGeom_f") && name == "ScPic1") {
    const auto graph = Surface(size.isEmpty() ? kGraphSurface : size);
    if (!size.isEmpty()) {
      QFont font(QStringLiteral("DejaVu Sans"));
      font.setPixelSize(kGraphFontPixels);
      font.setStyleStrategy(QFont::PreferNoShaping);
      graph->SetSurfaceFont(font);
      // The recording starts again in the font just given.
      graph->Clear();
    }
    if (form == "Hydro_f") {
      CoefGraphs::DrawHydro(*graph, board_.Inputs().Hydro);
    } else {
      CoefGraphs::DrawKeel(*graph, board_.Inputs().KeelGeom);
    }
    return recorded(*graph);
  }
  return {};
}
