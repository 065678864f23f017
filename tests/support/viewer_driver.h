#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPoint>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include "platform/html_viewer.h"

// Drives a real viewer the way a user does: waits for its renders, reads its document
// and clicks into it with the mouse.
namespace viewer_driver {

constexpr int Timeout = 20000;

// Runs the event loop until `done` holds; false when `timeout` milliseconds pass first.
// Unlike QTest::qWaitFor it never sleeps: the engine's own work is queued on this thread,
// many small steps to every load, and each sleep would delay one of them.
template <typename Predicate>
bool WaitFor(Predicate done, int timeout = Timeout) {
  QElapsedTimer clock;
  clock.start();
  QTimer tick;  // wakes the loop to check again
  tick.start(5);
  while (!done()) {
    if (clock.hasExpired(timeout)) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// Waits until `spy` has seen `count` signals.
inline bool Await(QSignalSpy& spy, int count = 1, int timeout = Timeout) {
  return WaitFor([&] { return spy.count() >= count; }, timeout);
}

// The value of a script run in the page's own world, as the page's scripts see it.
inline QVariant Evaluate(HtmlViewer& viewer, const QString& script) {
  QVariant result;
  bool done = false;
  viewer.page()->runJavaScript(script, QWebEngineScript::MainWorld, [&](const QVariant& value) {
    result = value;
    done = true;
  });
  if (!WaitFor([&] { return done; })) return QVariant();
  return result;
}

inline QString BodyText(HtmlViewer& viewer) {
  return Evaluate(viewer, QStringLiteral("document.body ? document.body.innerText : ''"))
      .toString();
}

// The centre of the first element matching `selector`, in the viewer's coordinates.
inline QPoint CenterOf(HtmlViewer& viewer, const QString& selector) {
  const QVariantList box =
      Evaluate(viewer, QStringLiteral("(function () { var r = document.querySelector('%1')"
                                      ".getBoundingClientRect();"
                                      " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                           .arg(selector))
          .toList();
  if (box.size() != 2) return QPoint(-1, -1);
  return QPoint(qRound(box[0].toDouble()), qRound(box[1].toDouble()));
}

// The widget that takes the viewer's mouse and keyboard input.
inline QWidget* InputWidget(HtmlViewer& viewer) {
  return viewer.focusProxy() ? viewer.focusProxy() : &viewer;
}

inline void PointAt(HtmlViewer& viewer, const QPoint& where) {
  QTest::mouseMove(InputWidget(viewer), where);
}

inline void ClickAt(HtmlViewer& viewer, const QPoint& where) {
  QWidget* input = InputWidget(viewer);
  QTest::mouseMove(input, where);
  QTest::mouseClick(input, Qt::LeftButton, Qt::NoModifier, where);
}

inline void Click(HtmlViewer& viewer, const QString& selector) {
  ClickAt(viewer, CenterOf(viewer, selector));
}

// Lets the page settle for `ms` milliseconds, for checks that something did not happen.
inline void Settle(int ms) {
  WaitFor([] { return false; }, ms);
}

}  // namespace viewer_driver
