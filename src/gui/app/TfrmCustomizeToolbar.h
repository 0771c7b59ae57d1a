#pragma once

#include <QDialog>

class QListWidget;
class QToolBar;

// Chooses which actions the toolbar shows, in which order.
class TfrmCustomizeToolbar : public QDialog {
  Q_OBJECT
 public:
  TfrmCustomizeToolbar(QToolBar* toolbar, const QList<QAction*>& actions, QWidget* parent = nullptr);

 private:
  void Refill();
  void Apply();
  QToolBar* toolbar_;
  QList<QAction*> actions_;
  QListWidget* available_;
  QListWidget* shown_;
};
