#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "BuiltTexts.h"
#include "analysis/Advice.h"
#include "analysis/AdviceTexts.h"
#include "analysis/CoefficientUncertainty.h"
#include "analysis/LiftOff.h"

class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class QThread;
class TBoard;

// The details window's area for what the balance means beyond its figures: which ground
// contact the evaluations use, the band of the balance over the flume-tank coefficients'
// uncertainty (a seeded Monte Carlo), how firmly a bottom-trawled door rests on the ground (the
// ground's normal force as a share of the weight, the towing speed at which it lifts off), and
// advice in plain words where the door sits outside its bands. A form of its own (placed inside
// the details window) so that its texts have their own section in the language files.
//
// The user sets the relative uncertainty of the wing's coefficients (Cx, Cy, Cd) and of the
// ground's Cx, and the bands of heel, pitch and attack angle within which the door needs no
// advice; a change analyses the door again.
//
// The analyses balance the door a few hundred times: they run on a thread of their own from a
// copy of the door, and the area shows them when they are done.
class BalanceAnalysisPanel : public QDialog {
  Q_OBJECT

 public:
  // The doors drawn for the band, and the seed of the draw: the same door gives the same band.
  static constexpr int kSamples = 200;
  static constexpr std::uint64_t kSeed = 1;

  explicit BalanceAnalysisPanel(QWidget* parent = nullptr);
  ~BalanceAnalysisPanel() override;

  // Starts the analyses of a copy of the door from its angles; a door given while they run is
  // analysed once they end.
  void Analyse(const TBoard& door);
  // The uncertainties and bands set: relative (0.1 for +-10 %), degrees.
  CoefficientUncertainty::Widths Widths() const;
  AdviceBands Bands() const;
  bool Running() const { return worker_ != nullptr; }

 signals:
  // The analyses of the last door given are on show.
  void analysisShown();

 private:
  struct Findings {
    CoefficientUncertainty::Widths Widths;
    AdviceBands Bands;
    bool Bottom = false;
    bool Precise = false;
    bool Balanced = false;
    long double NormalShare = 0;
    long double Speed = 0;
    LiftOff::Result Lift;
    CoefficientUncertainty::Result Band;
    std::vector<AdviceSentence> Advice;
  };
  static Findings Work(const TBoard& door, CoefficientUncertainty::Widths widths,
                       AdviceBands bands);

  void AddTexts();
  void BuildInputs();
  // The settings changed: the last door given is analysed again.
  void Reanalyse();
  void Start();
  void onWorkFinished();
  void ShowFindings();
  QString ContactText() const;
  QString AdviceText() const;

  BuiltTexts texts_;
  QSpinBox* wingPercent_ = nullptr;
  QSpinBox* groundPercent_ = nullptr;
  QDoubleSpinBox* heelBand_ = nullptr;
  QDoubleSpinBox* pitchBand_ = nullptr;
  QDoubleSpinBox* attackFrom_ = nullptr;
  QDoubleSpinBox* attackTo_ = nullptr;
  QLabel* ground_ = nullptr;
  QLabel* bandTitle_ = nullptr;
  QTableWidget* band_ = nullptr;
  QLabel* contact_ = nullptr;
  QLabel* advice_ = nullptr;

  std::unique_ptr<TBoard> last_;           // the last door given
  std::unique_ptr<TBoard> door_;           // the door being analysed, the worker's
  std::unique_ptr<TBoard> waiting_;        // a door given while the worker ran
  CoefficientUncertainty::Widths widths_;  // the worker's
  AdviceBands bands_;
  std::optional<Findings> pending_;  // written by the worker
  std::optional<Findings> shown_;
  QThread* worker_ = nullptr;
};
