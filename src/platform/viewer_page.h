#pragma once

#include <QWebEnginePage>
#include <functional>

// A viewer's page: the viewer decides on every navigation of the main frame, and a page
// never opens windows of its own.
class ViewerPage : public QWebEnginePage {
  Q_OBJECT

 public:
  using NavigationFilter = std::function<bool(const QUrl&, NavigationType)>;

  explicit ViewerPage(QObject* parent = nullptr) : QWebEnginePage(parent) {}
  void SetNavigationFilter(NavigationFilter filter) { Filter = std::move(filter); }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
    if (!isMainFrame || !Filter) return true;
    return Filter(url, type);
  }
  QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }

 private:
  NavigationFilter Filter;
};
