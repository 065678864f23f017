#include "platform/three_way_splitter.h"

#include <QResizeEvent>
#include <algorithm>

ThreeWaySplitter::ThreeWaySplitter(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent) {
  setChildrenCollapsible(true);
  // Dragging a bar keeps the percentages in step with what the user sees.
  connect(this, &QSplitter::splitterMoved, this, [this] {
    const QList<int> s = sizes();
    const int total = std::max(1, s.value(0) + s.value(1) + s.value(2));
    Bars[0] = s.value(0) * 100 / total;
    Bars[1] = (s.value(0) + s.value(1)) * 100 / total;
  });
}

int ThreeWaySplitter::Bar(int bar) const { return Bars[std::clamp(bar, 1, 2) - 1]; }

void ThreeWaySplitter::SetBar(int bar, int percent) {
  Bars[std::clamp(bar, 1, 2) - 1] = std::clamp(percent, 0, 100);
  Apply();
}

void ThreeWaySplitter::resizeEvent(QResizeEvent* event) {
  QSplitter::resizeEvent(event);
  Apply();
}

void ThreeWaySplitter::Apply() {
  if (count() < 3) return;
  const int total = std::max(100, orientation() == Qt::Horizontal ? width() : height());
  const int first = std::min(Bars[0], Bars[1]);
  setSizes({total * first / 100, total * (Bars[1] - first) / 100, total * (100 - Bars[1]) / 100});
}
