#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "BuiltTexts.h"
#include "lang/TextCatalogue.h"
#include "model/BalanceMethod.h"

class HelpBrowser;
class ParameterSweep;
class QComboBox;
class QDoubleSpinBox;
class QImage;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class SweepPlot;
class DoorDocument;
class TBoard;
class TInvText;
struct SweepPoint;
struct TextKey;

// The sweep window: balances the door for a row of values of one main parameter or
// environment value and shows the balances as curves and as a table. Each value's search
// starts from the balance of the value before. The sweep works on its own copy of the door,
// taken when it starts: the user's door is never changed. It runs from a timer, a few values
// per turn of the event loop, so the window stays responsive and Cancel stops it with the
// values so far kept. When another door takes the place of the user's (a file opened), the
// sweep stops and its results go: they were the old door's.
class SweepWindow : public QDialog {
  Q_OBJECT

 public:
  // The help topic that explains this window.
  static constexpr char kHelpTopic[] = "doors_analysis";

  // `door` is the balance window's door, at the angles the sweep starts from; `document`
  // tells when another door takes its place.
  SweepWindow(const TBoard& door, DoorDocument& document, HelpBrowser& help,
              QWidget* parent = nullptr);
  ~SweepWindow() override;

  // The search each value starts; the balance window passes its own choice on.
  void SetMethod(BalanceMethod method);
  // The texts the window builds itself (messages, status, the table's
  // headings, the plot's names). The controls' captions come from the language files.
  void SetTexts(const TextCatalogue& texts);
  const TextCatalogue& Texts() const { return catalogue_; }

  bool Running() const { return timer_.isActive(); }
  // The last sweep started, nothing before the first.
  const ParameterSweep* Sweep() const { return sweep_.get(); }

  void onRunClicked();
  void onCancelClicked();
  void onExportCsvClicked();
  void onCopyPlotClicked();
  void onSavePlotClicked();

 signals:
  // The sweep ended, finished or cancelled.
  void sweepEnded();

 protected:
  void done(int result) override;
  // F1 opens the help page of the window.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void onVariableChanged();
  void onUseRangeClicked();
  void onTick();
  void ShowNewPoints();
  void EndSweep(const QString& status);
  // Another door took the user's door's place: the sweep of the old one stops and goes.
  void ForgetSweep();
  void SetInputsEnabled(bool enabled);
  QImage PlotImage() const;
  QString VariableName() const;
  QString Text(TextKey key) const;
  void RefreshCodeTexts();
  void RefreshRangeHint();
  // "= N values" beside the steps.
  void RefreshValuesCount();
  // What a value's tool tip says: balanced or not, its moment sum and, when it did not
  // balance, what to try.
  QString PointHint(const SweepPoint& point) const;

  const TBoard& door_;  // the user's door: read when a sweep starts, never written
  BuiltTexts texts_;    // the texts of the language files the window builds on
  HelpBrowser& help_;
  QComboBox* variable_ = nullptr;
  QDoubleSpinBox* from_ = nullptr;
  QDoubleSpinBox* to_ = nullptr;
  QPushButton* useRange_ = nullptr;
  QSpinBox* steps_ = nullptr;
  QLabel* valuesLabel_ = nullptr;
  // Texts a language file sets: the list's entries and the explanations.
  std::vector<TInvText*> varyTexts_;
  TInvText* stepsValues_ = nullptr;
  TInvText* notBalanced_ = nullptr;
  TInvText* pointNotBalanced_ = nullptr;
  TInvText* pointBalanced_ = nullptr;
  QComboBox* method_ = nullptr;
  QPushButton* run_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  SweepPlot* plot_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* exportCsv_ = nullptr;
  QPushButton* copyPlot_ = nullptr;
  QPushButton* savePlot_ = nullptr;
  std::unique_ptr<ParameterSweep> sweep_;
  QString sweptName_;  // the field of the last sweep started
  QTimer timer_;
  TextCatalogue catalogue_ = TextCatalogue::English();
};
