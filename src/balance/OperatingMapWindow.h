#pragma once

#include <QDialog>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>

#include "BuiltTexts.h"
#include "OperatingMapPicture.h"
#include "lang/TextCatalogue.h"

class DoorDocument;
class HelpBrowser;
class QKeyEvent;
class OperatingMap;
class OperatingMapView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;
class TBoard;

// The operating map window: balances the door over a grid of two settings (up to 200 x 200
// nodes) and shows one quantity of the balances in colour, with a legend, the node under the
// mouse read out, the nodes that did not balance crossed out and the region where the wing
// attack angle lies in a chosen band and the door is stable outlined. The map is worked out on
// a thread of its own (the rows spread over the cores) from a copy of the door at its balance
// angles, so the window stays responsive: a progress bar follows it, and Cancel stops it. A map
// cut short is shown as far as it got and said to be incomplete; only a complete map is
// exported, as CSV (the command line's columns) or as a PNG or SVG picture.
class OperatingMapWindow : public QDialog {
  Q_OBJECT

 public:
  // `settings` is the balance window's door, whose ground contact and search sensitivity the
  // map uses; the door mapped is the document's.
  // The help page of the window, F1 or Help.
  static constexpr char kHelpTopic[] = "doors_analysis#map";

  OperatingMapWindow(const TBoard& settings, DoorDocument& document, HelpBrowser& help,
                     QWidget* parent = nullptr);
  ~OperatingMapWindow() override;

  // The program's built texts in the language shown: the settings' names and the kinds of
  // file the exports offer.
  void SetTexts(const TextCatalogue& texts);

  void onRunClicked();
  void onCancelClicked();
  void onExportCsvClicked();
  void onSavePictureClicked();

  bool Running() const { return worker_ != nullptr; }
  // The last map run, nothing before the first.
  const OperatingMap* Map() const { return map_.get(); }
  // The last map balanced every node.
  bool Complete() const { return complete_; }
  // The node last read out under the mouse.
  std::optional<std::pair<int, int>> Hovered() const { return hovered_; }
  const OperatingMapView& View() const { return *view_; }

 signals:
  // A map ended, complete or cancelled.
  void mapEnded();

 protected:
  void done(int result) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void AddTexts();
  void BuildControls();
  void RefreshTexts();
  void onSettingChanged(QComboBox* setting, QDoubleSpinBox* from, QDoubleSpinBox* to);
  void onMapFinished();
  void onNodeHovered(int ix, int iy);
  void ShowProgress();
  void SetInputsEnabled(bool enabled);
  void ForgetMap();
  void StopWorker();
  QString QuantityName(MapQuantity quantity) const;
  MapQuantity Quantity() const;

  const TBoard& settings_;
  DoorDocument& document_;
  HelpBrowser& help_;
  BuiltTexts texts_;
  TextCatalogue catalogue_ = TextCatalogue::English();
  QComboBox* xSetting_ = nullptr;
  QDoubleSpinBox* xFrom_ = nullptr;
  QDoubleSpinBox* xTo_ = nullptr;
  QSpinBox* xSteps_ = nullptr;
  QComboBox* ySetting_ = nullptr;
  QDoubleSpinBox* yFrom_ = nullptr;
  QDoubleSpinBox* yTo_ = nullptr;
  QSpinBox* ySteps_ = nullptr;
  QComboBox* quantity_ = nullptr;
  QDoubleSpinBox* bandFrom_ = nullptr;
  QDoubleSpinBox* bandTo_ = nullptr;
  QPushButton* run_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  OperatingMapView* view_ = nullptr;
  QLabel* readout_ = nullptr;
  QPushButton* exportCsv_ = nullptr;
  QPushButton* savePicture_ = nullptr;

  std::unique_ptr<OperatingMap> map_;
  std::unique_ptr<OperatingMapPicture> picture_;
  QThread* worker_ = nullptr;
  std::atomic<bool> cancelRequest_{false};
  QTimer progressTimer_;
  bool complete_ = false;
  bool precise_ = false;  // the map's door found the keel's depth to full precision
  std::optional<std::pair<int, int>> hovered_;
};
