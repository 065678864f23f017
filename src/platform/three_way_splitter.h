#pragma once

#include <QSplitter>

// A splitter of three panes whose two bars stand at percentages of its length:
// bar 1 ends the first pane, bar 2 the second; a bar at 100 hides what lies behind it.
class ThreeWaySplitter : public QSplitter {
  Q_OBJECT

 public:
  explicit ThreeWaySplitter(Qt::Orientation orientation, QWidget* parent = nullptr);

  int Bar(int bar) const;  // 1 or 2, in percent
  void SetBar(int bar, int percent);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Apply();
  int Bars[2] = {50, 100};
};
