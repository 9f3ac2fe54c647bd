#include <gtest/gtest.h>

#include <QApplication>
#include <QSplitter>
#include <QTest>
#include <cmath>
#include <memory>
#include <optional>

#include "BalanceViewLayout.h"
#include "BalanceWindow.h"
#include "DoorTrimApp.h"
#include "ScPic.h"
#include "render/PictureProbe.h"

namespace {

// Layout and redraw follow a resize within a few event-loop turns.
constexpr int kSettleMs = 5000;
// The drawn axis and the surface's mapping of x = 0 agree to the pixel.
constexpr qreal kAxisTol = 0.5;
const QColor kAxes(128, 128, 128);

// The screen column of the vertical axis drawn in the view, in window coordinates; none when
// the picture has no vertical axis line.
std::optional<qreal> DrawnVerticalAxis(const ScPic& view) {
  const PictureProbe probe(view.Picture());
  for (const ProbeLine& line : probe.LinesOf(kAxes)) {
    if (std::fabs(line.From.x() - line.To.x()) < kAxisTol &&
        std::fabs(line.From.y() - line.To.y()) > view.height() / 2) {
      return line.From.x() + view.mapTo(view.window(), QPoint(0, 0)).x();
    }
  }
  return std::nullopt;
}

class BalanceLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<DoorTrimApp>();
    window_ = &app_->Balance();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
    side_ = window_->findChild<ScPic*>("ScPic1");
    plan_ = window_->findChild<ScPic*>("ScPic2");
    front_ = window_->findChild<ScPic*>("ScPic3");
    panel_ = window_->findChild<QWidget*>("Panel10");
    splitter1_ = window_->findChild<QSplitter*>("Splitter1");
    splitter2_ = window_->findChild<QSplitter*>("Splitter2");
    ASSERT_TRUE(side_ && plan_ && front_ && panel_ && splitter1_ && splitter2_);
  }
  void TearDown() override {
    window_->hide();
    app_.reset();
  }

  int Left(const QWidget* w) const { return w->mapTo(window_, QPoint(0, 0)).x(); }

  // The plan view as wide as the side view and under it, the side view clear of the panel.
  bool RuleHolds() const {
    return plan_->width() == side_->width() && Left(plan_) == Left(side_) &&
           Left(side_) + side_->width() + BalanceViewLayout::kPanelGap <= Left(panel_);
  }

  // Both views drawn for their present sizes, with their vertical axes in one screen column.
  bool AxesLineUp() const {
    const auto sideAxis = DrawnVerticalAxis(*side_);
    const auto planAxis = DrawnVerticalAxis(*plan_);
    if (!sideAxis || !planAxis) return false;
    const qreal mapped = side_->XToPixel(0) + Left(side_);
    return std::fabs(*sideAxis - mapped) < kAxisTol && std::fabs(*planAxis - mapped) < kAxisTol;
  }

  void ExpectSettledLayout(const char* when) {
    SCOPED_TRACE(when);
    EXPECT_TRUE(QTest::qWaitFor([&] { return RuleHolds() && AxesLineUp(); }, kSettleMs))
        << "side " << Left(side_) << "+" << side_->width() << ", plan " << Left(plan_) << "+"
        << plan_->width() << ", panel at " << Left(panel_);
    // One world range across, so every x maps to the same column in both views.
    EXPECT_EQ(side_->XMin, plan_->XMin);
    EXPECT_EQ(side_->XExtent, plan_->XExtent);
  }

  // Drags a splitter's handle by the mouse, `by` pixels along the splitter's orientation.
  void DragHandle(QSplitter* splitter, int by) {
    QWidget* handle = splitter->handle(1);
    const QPoint from = handle->rect().center();
    const QPoint to =
        from + (splitter->orientation() == Qt::Horizontal ? QPoint(by, 0) : QPoint(0, by));
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(handle, to);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, to);
  }

  std::unique_ptr<DoorTrimApp> app_;
  BalanceWindow* window_ = nullptr;
  ScPic* side_ = nullptr;
  ScPic* plan_ = nullptr;
  ScPic* front_ = nullptr;
  QWidget* panel_ = nullptr;
  QSplitter* splitter1_ = nullptr;
  QSplitter* splitter2_ = nullptr;
};

TEST_F(BalanceLayout, PlanViewFollowsTheSideViewAtEveryWindowSize) {
  ExpectSettledLayout("as opened");
  const int openedWidth = plan_->width();

  window_->resize(1400, 900);
  ExpectSettledLayout("enlarged");
  // The bottom band's room goes to the plan view, not to an empty band beside it.
  EXPECT_GT(plan_->width(), openedWidth);

  window_->resize(800, 600);
  ExpectSettledLayout("made smaller again");
  window_->resize(1400, 900);
  ExpectSettledLayout("enlarged again");
}

TEST_F(BalanceLayout, MovingTheSplitterBetweenSideAndFrontMovesThePlanViewToo) {
  window_->resize(1400, 900);
  ExpectSettledLayout("enlarged");

  const int before = side_->width();
  DragHandle(splitter1_, -200);
  ASSERT_TRUE(QTest::qWaitFor([&] { return side_->width() < before; }, kSettleMs));
  ExpectSettledLayout("side view narrowed");

  // Far to the right: the side view stops short of the control panel below.
  DragHandle(splitter1_, 2000);
  ASSERT_TRUE(QTest::qWaitFor([&] { return side_->width() > before; }, kSettleMs));
  ExpectSettledLayout("side view widened up to the panel");
  EXPECT_GT(front_->width(), 0);
}

TEST_F(BalanceLayout, MovingTheSplitterBetweenTheBandsKeepsTheRule) {
  window_->resize(1000, 800);
  ExpectSettledLayout("enlarged");
  for (int by : {-120, 200}) {
    const int planHeight = plan_->height();
    DragHandle(splitter2_, by);
    ASSERT_TRUE(QTest::qWaitFor([&] { return plan_->height() != planHeight; }, kSettleMs));
    ExpectSettledLayout(by < 0 ? "top band smaller" : "top band larger");
  }
}

}  // namespace
