#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

// What a viewer's page tells the program through the web channel: the link under the
// pointer, a link clicked and a form submitted, each as the page wrote it. Its slots are
// called from the page's script and only pass the news on.
class ViewerBridge : public QObject {
  Q_OBJECT
  // Read once by each new document: where it is to scroll when parsed (-1: nowhere).
  Q_PROPERTY(int position READ RestorePosition CONSTANT)

 public:
  using QObject::QObject;
  int RestorePosition() const { return Position; }
  void SetRestorePosition(int position) { Position = position; }

 public slots:
  void Pointed(const QString& target) { emit LinkPointed(target); }
  void Scrolled(int position) { emit PageScrolled(position); }
  void Clicked(const QString& target, const QString& resolved) {
    emit LinkClicked(target, resolved);
  }
  void Submitted(const QString& action, const QString& method, const QVariantList& results) {
    QStringList lines;
    for (const QVariant& line : results) lines << line.toString();
    emit FormSubmitted(action, method, lines);
  }

 signals:
  void PageScrolled(int position);
  void LinkPointed(const QString& target);
  void LinkClicked(const QString& target, const QString& resolved);
  void FormSubmitted(const QString& action, const QString& method, const QStringList& results);

 private:
  int Position = -1;
};
