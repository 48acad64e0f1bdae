#include "apps/kxviewer/stats_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTextOption>
#include <QWheelEvent>
#include <algorithm>

#include "qt/latin1_text.h"

namespace kxviewer {
namespace {

constexpr int kTextLeft = 10;
constexpr int kDefaultTabStop = 8;  // characters between tab stops

}  // namespace

StatsView::StatsView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  scrollBar_ = new QScrollBar(Qt::Vertical, this);
  scrollBar_->setRange(0, 0);
  scrollBar_->setSingleStep(1);
  connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int) { update(); });
}

int StatsView::LineHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

int StatsView::LinesPerScreen() const { return height() / LineHeight(); }

void StatsView::SetText(const StatsText* text) {
  text_ = text;
  QSignalBlocker quiet(scrollBar_);
  scrollBar_->setRange(0, text_ != nullptr ? text_->lineCount : 0);
  scrollBar_->setPageStep(std::max(1, LinesPerScreen()));
  scrollBar_->setValue(0);
  update();
}

void StatsView::resizeEvent(QResizeEvent*) {
  int barWidth = scrollBar_->sizeHint().width();
  scrollBar_->setGeometry(width() - barWidth, 0, barWidth, height());
  // A new size starts again at the first line, with the page step of the new height.
  SetText(text_);
}

void StatsView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  drawnLines_.clear();
  if (text_ == nullptr) return;
  const int lineHeight = LineHeight();
  const int textWidth = std::max(1, width() - scrollBar_->width() - kTextLeft);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTabStopDistance(kDefaultTabStop * fontMetrics().averageCharWidth());
  painter.setPen(Qt::black);
  drawnLines_ = text_->VisibleLines(firstVisibleLine(), LinesPerScreen());
  int y = 0;
  for (const std::string& line : drawnLines_) {
    QRectF strip(kTextLeft, y, textWidth, lineHeight);
    painter.fillRect(strip, Qt::white);
    painter.drawText(strip, kxqt::ToQString(line), option);
    y += lineHeight;
  }
}

void StatsView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      scrollBar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
      break;
    case Qt::Key_Down:
      scrollBar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      break;
    case Qt::Key_PageUp:
      scrollBar_->triggerAction(QAbstractSlider::SliderPageStepSub);
      break;
    case Qt::Key_PageDown:
      scrollBar_->triggerAction(QAbstractSlider::SliderPageStepAdd);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void StatsView::wheelEvent(QWheelEvent* event) {
  int notches = event->angleDelta().y() / 120;
  scrollBar_->setValue(scrollBar_->value() - 3 * notches);
}

}  // namespace kxviewer
