#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "BuiltTexts.h"
#include "analysis/AdviceTexts.h"
#include "analysis/CoefficientUncertainty.h"
#include "analysis/LiftOff.h"

class QLabel;
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
// The analyses balance the door a few hundred times: they run on a thread of their own from a
// copy of the door, and the area shows them when they are done.
class BalanceAnalysisPanel : public QDialog {
  Q_OBJECT

 public:
  // Relative uncertainty of the wing's and the ground's coefficients, and the doors drawn.
  static constexpr long double kWingUncertainty = 0.10L;
  static constexpr long double kGroundUncertainty = 0.10L;
  static constexpr int kSamples = 200;
  static constexpr std::uint64_t kSeed = 1;

  explicit BalanceAnalysisPanel(QWidget* parent = nullptr);
  ~BalanceAnalysisPanel() override;

  // Starts the analyses of a copy of the door from its angles; a door given while they run is
  // analysed once they end.
  void Analyse(const TBoard& door);
  bool Running() const { return worker_ != nullptr; }

 signals:
  // The analyses of the last door given are on show.
  void analysisShown();

 private:
  struct Findings {
    bool Bottom = false;
    bool Precise = false;
    bool Balanced = false;
    long double NormalShare = 0;
    long double Speed = 0;
    LiftOff::Result Lift;
    CoefficientUncertainty::Result Band;
    std::vector<AdviceSentence> Advice;
  };
  static Findings Work(const TBoard& door);

  void AddTexts();
  void Start();
  void onWorkFinished();
  void ShowFindings();
  QString ContactText() const;
  QString AdviceText() const;

  BuiltTexts texts_;
  QLabel* ground_ = nullptr;
  QLabel* bandTitle_ = nullptr;
  QTableWidget* band_ = nullptr;
  QLabel* contact_ = nullptr;
  QLabel* advice_ = nullptr;

  std::unique_ptr<TBoard> door_;     // the door being analysed, the worker's
  std::unique_ptr<TBoard> waiting_;  // a door given while the worker ran
  std::optional<Findings> pending_;  // written by the worker
  std::optional<Findings> shown_;
  QThread* worker_ = nullptr;
};
