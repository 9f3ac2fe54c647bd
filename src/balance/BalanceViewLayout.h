#pragma once

#include <QObject>
#include <functional>

class QSplitter;
class QWidget;
class ScPic;

// Keeps the balance window's three views in their places whatever the window's size and
// wherever the user puts the splitters: the side view stays left of the control panel, and
// the plan view below it is exactly as wide and starts at the same left edge, so that the
// two views share one x axis on the screen. The views themselves come from the window's
// layouts; this only adjusts the side view's share of its splitter and the plan view's width.
class BalanceViewLayout : public QObject {
  Q_OBJECT

 public:
  // Space kept between the side view's right edge and the control panel.
  static constexpr int kPanelGap = 5;

  // `redraw` is asked for whenever a view changed its size.
  BalanceViewLayout(QSplitter& sideSplitter, ScPic& side, ScPic& plan, ScPic& front,
                    QWidget& controlPanel, std::function<void()> redraw);

  // Brings the views back to the rule at once.
  void Apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSplitter& sideSplitter_;
  ScPic& side_;
  ScPic& plan_;
  ScPic& front_;
  QWidget& controlPanel_;
  std::function<void()> redraw_;
  bool applyPending_ = false;
};
