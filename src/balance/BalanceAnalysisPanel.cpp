#include "BalanceAnalysisPanel.h"

#include <QAbstractItemView>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <cmath>

#include "LanguageApplier.h"
#include "NamedControls.h"
#include "UserLocale.h"
#include "analysis/Advice.h"
#include "analysis/BalanceOutcome.h"
#include "model/TBoard.h"

namespace {

constexpr long double kSolverTolerance = 0.1L;  // N*m, as the balance window's solver
constexpr char kFigureFormat[] = "####0.###";
constexpr char kShareFormat[] = "##0.0";
constexpr char kSpeedFormat[] = "##0.00";
constexpr int kDefaultPercent = 10;
constexpr int kMostPercent = 50;

// The band's rows, in the order of CoefficientUncertainty::Quantity, and its columns.
constexpr const char* kRowKeys[] = {"AnalysisRowHeel",   "AnalysisRowPitch",
                                    "AnalysisRowYaw",    "AnalysisRowAttack",
                                    "AnalysisRowSpread", "AnalysisRowResistance"};
constexpr const char* kColumnKeys[] = {"AnalysisNominal", "AnalysisMin", "AnalysisMax",
                                       "AnalysisP05", "AnalysisP95"};

}  // namespace

BalanceAnalysisPanel::BalanceAnalysisPanel(QWidget* parent) : QDialog(parent), texts_(*this) {
  setObjectName("BAnalysis_f");
  // A dialog would be a window of its own: this one is an area of its parent's.
  setWindowFlags(Qt::Widget);
  AddTexts();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto line = [this, layout](const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    return label;
  };
  BuildInputs();
  ground_ = line("AnalysisGround");
  bandTitle_ = line("AnalysisBandTitle");
  band_ = new QTableWidget(static_cast<int>(std::size(kRowKeys)),
                           static_cast<int>(std::size(kColumnKeys)), this);
  band_->setObjectName("AnalysisBand");
  band_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  band_->setSelectionMode(QAbstractItemView::NoSelection);
  band_->setFocusPolicy(Qt::NoFocus);
  band_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  band_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  band_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  band_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  band_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int r = 0; r < band_->rowCount(); ++r)
    for (int c = 0; c < band_->columnCount(); ++c) {
      auto* item = new QTableWidgetItem;
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      band_->setItem(r, c, item);
    }
  layout->addWidget(band_);
  contact_ = line("AnalysisContact");
  advice_ = line("AnalysisAdvice");
  connect(&LanguageApplier::Of(*this), &LanguageApplier::OnRead, this,
          &BalanceAnalysisPanel::ShowFindings);
  ShowFindings();
}

BalanceAnalysisPanel::~BalanceAnalysisPanel() {
  if (worker_ == nullptr) return;
  // The analyses cannot be interrupted half way; they take a fraction of a second.
  worker_->wait();
  delete worker_;
}

void BalanceAnalysisPanel::BuildInputs() {
  auto* grid = new QGridLayout;
  const auto label = [this](const char* name, const char* caption) {
    return NamedControls::Label(this, name, caption);
  };
  const auto percent = [this](const char* name) {
    auto* box = new QSpinBox(this);
    box->setObjectName(name);
    box->setRange(0, kMostPercent);
    box->setValue(kDefaultPercent);
    return box;
  };
  const auto degrees = [this](const char* name, double value) {
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setRange(-90, 90);
    box->setDecimals(1);
    box->setLocale(QLocale());
    box->setValue(value);
    return box;
  };
  const AdviceBands bands;
  wingPercent_ = percent("AnalysisWingPercent");
  groundPercent_ = percent("AnalysisGroundPercent");
  heelBand_ = degrees("AnalysisHeelBand", static_cast<double>(bands.HeelDeg));
  heelBand_->setMinimum(0);
  pitchBand_ = degrees("AnalysisPitchBand", static_cast<double>(bands.PitchDeg));
  pitchBand_->setMinimum(0);
  attackFrom_ = degrees("AnalysisAttackFrom", static_cast<double>(bands.AttackFromDeg));
  attackTo_ = degrees("AnalysisAttackTo", static_cast<double>(bands.AttackToDeg));
  QLabel* wing = label("AnalysisLabelWing", "Wing coefficients ±, %:");
  wing->setToolTip("Relative uncertainty of the wing's Cx, Cy and Cd from the flume tank");
  grid->addWidget(wing, 0, 0);
  grid->addWidget(wingPercent_, 0, 1);
  grid->addWidget(label("AnalysisLabelGround", "Ground coefficient ±, %:"), 0, 2);
  grid->addWidget(groundPercent_, 0, 3);
  QLabel* heel = label("AnalysisLabelHeel", "Heel within ±, °:");
  heel->setToolTip("Where heel, pitch and attack angle lie within these bands, no advice is given");
  grid->addWidget(heel, 1, 0);
  grid->addWidget(heelBand_, 1, 1);
  grid->addWidget(label("AnalysisLabelPitch", "Pitch within ±, °:"), 1, 2);
  grid->addWidget(pitchBand_, 1, 3);
  grid->addWidget(label("AnalysisLabelAttack", "Attack angle from, °:"), 2, 0);
  grid->addWidget(attackFrom_, 2, 1);
  grid->addWidget(label("AnalysisLabelAttackTo", "to, °:"), 2, 2);
  grid->addWidget(attackTo_, 2, 3);
  grid->setColumnStretch(4, 1);
  static_cast<QVBoxLayout*>(layout())->addLayout(grid);
  for (QSpinBox* box : {wingPercent_, groundPercent_})
    connect(box, &QSpinBox::valueChanged, this, &BalanceAnalysisPanel::Reanalyse);
  for (QDoubleSpinBox* box : {heelBand_, pitchBand_, attackFrom_, attackTo_})
    connect(box, &QDoubleSpinBox::valueChanged, this, &BalanceAnalysisPanel::Reanalyse);
}

CoefficientUncertainty::Widths BalanceAnalysisPanel::Widths() const {
  CoefficientUncertainty::Widths widths;
  widths.WingCx = widths.WingCy = widths.WingCd = wingPercent_->value() / 100.0L;
  widths.GroundCx = groundPercent_->value() / 100.0L;
  return widths;
}

AdviceBands BalanceAnalysisPanel::Bands() const {
  AdviceBands bands;
  bands.HeelDeg = heelBand_->value();
  bands.PitchDeg = pitchBand_->value();
  bands.AttackFromDeg = std::min(attackFrom_->value(), attackTo_->value());
  bands.AttackToDeg = std::max(attackFrom_->value(), attackTo_->value());
  return bands;
}

void BalanceAnalysisPanel::Reanalyse() {
  if (last_) Analyse(*last_);
}

void BalanceAnalysisPanel::AddTexts() {
  texts_.Add("AnalysisWorking", "Working out the uncertainty, the ground contact and advice ...");
  texts_.Add("AnalysisPrecise", "Ground contact: the keel's sinking depth to full precision.");
  texts_.Add("AnalysisCoarse", "Ground contact: the keel's sinking depth to 1 mm.");
  texts_.Add("AnalysisMidwater", "Midwater: the door does not touch the ground.");
  texts_.Add("AnalysisBandHeading",
             "Uncertainty: coefficients of the wing ±%1 %, of the ground ±%2 %; %3 of %4 doors "
             "balanced.");
  texts_.Add("AnalysisNoBand", "Uncertainty: the door does not balance, so it has no band.");
  texts_.Add("AnalysisRowHeel", "Heel (rotation about X), °");
  texts_.Add("AnalysisRowPitch", "Pitch (rotation about Y), °");
  texts_.Add("AnalysisRowYaw", "Rotation about Z, °");
  texts_.Add("AnalysisRowAttack", "Wing attack angle, °");
  texts_.Add("AnalysisRowSpread", "Spread force, kN");
  texts_.Add("AnalysisRowResistance", "Resistance, kN");
  texts_.Add("AnalysisNominal", "Nominal");
  texts_.Add("AnalysisMin", "Least");
  texts_.Add("AnalysisMax", "Most");
  texts_.Add("AnalysisP05", "5 %");
  texts_.Add("AnalysisP95", "95 %");
  texts_.Add("AnalysisShare", "The ground carries %1 % of the door's weight.");
  texts_.Add("AnalysisNoWeight", "The door has no weight to rest on the ground.");
  texts_.Add("AnalysisLiftsOff", "The door lifts off the ground at a towing speed of %1 m/s.");
  texts_.Add("AnalysisStaysDown", "The door stays on the ground up to %1 m/s, twice its speed.");
  texts_.Add("AnalysisUnsettled",
             "The door lifts off between %1 and %2 m/s; it balances nowhere between them.");
  texts_.Add("AnalysisLiftUnknown",
             "The towing speed of lift-off is unknown: the door does not balance on the way.");
  texts_.Add("AnalysisInBands",
             "The door sits within its bands (heel within ±%1°, pitch within ±%2°, attack angle "
             "%3° to %4°): no advice.");
  texts_.Add("AnalysisUnbalanced", "The door does not balance: no advice.");
  // The advice's sentences and words, by the keys the advice names them.
  const AdviceTexts english;
  for (int k = 0; k < AdviceTexts::kKeyCount; ++k) {
    const auto key = static_cast<AdviceKey>(k);
    texts_.Add(AdviceTexts::KeyName(key).c_str(), QString::fromStdString(english.Text(key)));
  }
}

void BalanceAnalysisPanel::Analyse(const TBoard& door) {
  // `door` may be the last door itself (Reanalyse): it is copied before that is replaced.
  auto copy = std::make_unique<TBoard>(door);
  waiting_ = std::make_unique<TBoard>(*copy);
  last_ = std::move(copy);
  if (!Running()) Start();
}

void BalanceAnalysisPanel::Start() {
  door_ = std::move(waiting_);
  widths_ = Widths();
  bands_ = Bands();
  pending_.reset();
  ground_->setText(texts_.Text("AnalysisWorking"));
  worker_ = QThread::create([this] { pending_ = Work(*door_, widths_, bands_); });
  connect(worker_, &QThread::finished, this, &BalanceAnalysisPanel::onWorkFinished);
  worker_->start();
}

BalanceAnalysisPanel::Findings BalanceAnalysisPanel::Work(const TBoard& door,
                                                          CoefficientUncertainty::Widths widths,
                                                          AdviceBands bands) {
  Findings f;
  f.Widths = widths;
  f.Bands = bands;
  f.Bottom = door.Inputs().Bottom;
  f.Precise = door.PreciseGround();
  const AngleTriple start{door.RotX(), door.RotY(), door.RotZ()};
  TBoard balanced = door;
  const BalanceOutcome balance = BalanceDoor(balanced, start, kSolverTolerance);
  f.Balanced = balance.Converged && balance.Finite();
  if (f.Bottom && f.Balanced) {
    f.NormalShare = LiftOff::NormalShareOf(balanced);
    f.Speed = door.Inputs().v;
    f.Lift = LiftOff(door, balance.Angles, kSolverTolerance).Find();
  }
  f.Band = CoefficientUncertainty(door, widths, kSamples, kSeed, start, kSolverTolerance).Run();
  Advice advice(door, start, bands, kSolverTolerance);
  advice.Run();
  f.Advice = advice.Sentences();
  return f;
}

void BalanceAnalysisPanel::onWorkFinished() {
  if (worker_ == nullptr) return;
  worker_->deleteLater();
  worker_ = nullptr;
  door_.reset();
  if (waiting_) {
    // The door changed meanwhile: these findings are not its.
    Start();
    return;
  }
  shown_ = pending_;
  ShowFindings();
  emit analysisShown();
}

void BalanceAnalysisPanel::ShowFindings() {
  for (int r = 0; r < band_->rowCount(); ++r)
    band_->setVerticalHeaderItem(r, new QTableWidgetItem(texts_.Text(kRowKeys[r])));
  for (int c = 0; c < band_->columnCount(); ++c)
    band_->setHorizontalHeaderItem(c, new QTableWidgetItem(texts_.Text(kColumnKeys[c])));
  if (!shown_) {
    band_->hide();
    return;
  }
  const Findings& f = *shown_;
  const NumberLocale loc = UserNumberLocale();
  ground_->setText(texts_.Text(!f.Bottom   ? "AnalysisMidwater"
                               : f.Precise ? "AnalysisPrecise"
                                           : "AnalysisCoarse"));
  const CoefficientUncertainty::Result& b = f.Band;
  if (!b.NominalBalanced) {
    bandTitle_->setText(texts_.Text("AnalysisNoBand"));
    band_->hide();
  } else {
    bandTitle_->setText(texts_.Text("AnalysisBandHeading")
                            .arg(UserNumberText("##0", f.Widths.WingCx * 100, loc),
                                 UserNumberText("##0", f.Widths.GroundCx * 100, loc))
                            .arg(b.Balanced)
                            .arg(b.Samples));
    for (int r = 0; r < band_->rowCount(); ++r) {
      const CoefficientUncertainty::Band& q = b.Bands[static_cast<std::size_t>(r)];
      const long double cells[] = {q.Nominal, q.Min, q.Max, q.P05, q.P95};
      for (int c = 0; c < band_->columnCount(); ++c)
        band_->item(r, c)->setText(std::isfinite(static_cast<double>(cells[c]))
                                       ? UserNumberText(kFigureFormat, cells[c], loc)
                                       : QStringLiteral("-"));
    }
    band_->show();
  }
  contact_->setText(ContactText());
  advice_->setText(AdviceText());
}

QString BalanceAnalysisPanel::ContactText() const {
  const Findings& f = *shown_;
  if (!f.Bottom || !f.Balanced) return QString();
  const NumberLocale loc = UserNumberLocale();
  QString text =
      std::isfinite(static_cast<double>(f.NormalShare))
          ? texts_.Text("AnalysisShare").arg(UserNumberText(kShareFormat, f.NormalShare * 100, loc))
          : texts_.Text("AnalysisNoWeight");
  const LiftOff::Result& l = f.Lift;
  switch (l.Why) {
    case LiftOff::Outcome::LiftsOff:
      text +=
          " " + texts_.Text("AnalysisLiftsOff").arg(UserNumberText(kSpeedFormat, l.SpeedMps, loc));
      break;
    case LiftOff::Outcome::StaysDown:
      text += " " +
              texts_.Text("AnalysisStaysDown").arg(UserNumberText(kSpeedFormat, 2 * f.Speed, loc));
      break;
    case LiftOff::Outcome::Unsettled:
      text += " " + texts_.Text("AnalysisUnsettled")
                        .arg(UserNumberText(kSpeedFormat, l.SpeedLowMps, loc),
                             UserNumberText(kSpeedFormat, l.SpeedHighMps, loc));
      break;
    case LiftOff::Outcome::Unbalanced:
    case LiftOff::Outcome::Midwater:
      text += " " + texts_.Text("AnalysisLiftUnknown");
      break;
  }
  return text;
}

QString BalanceAnalysisPanel::AdviceText() const {
  const Findings& f = *shown_;
  if (!f.Balanced) return texts_.Text("AnalysisUnbalanced");
  const NumberLocale loc = UserNumberLocale();
  if (f.Advice.empty()) {
    const AdviceBands& bands = f.Bands;
    return texts_.Text("AnalysisInBands")
        .arg(UserNumberText("#0.#", bands.HeelDeg, loc),
             UserNumberText("#0.#", bands.PitchDeg, loc),
             UserNumberText("#0.#", bands.AttackFromDeg, loc),
             UserNumberText("#0.#", bands.AttackToDeg, loc));
  }
  // The sentences in the language shown: each key's text as the language file has it.
  AdviceTexts words;
  for (int k = 0; k < AdviceTexts::kKeyCount; ++k) {
    const std::string name = AdviceTexts::KeyName(static_cast<AdviceKey>(k));
    words.Set(name, texts_.Text(name.c_str()).toStdString());
  }
  return QString::fromStdString(words.Compose(f.Advice, loc));
}
