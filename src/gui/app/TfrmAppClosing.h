#pragma once

#include <QWidget>

class QProgressBar;

// Shown while the main window cleans up at close: picture, "...is closing up"
// and a bar of seven steps.
class TfrmAppClosing : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmAppClosing(QWidget* parent = nullptr);
  void Step();
  QProgressBar* ProgressBar() const { return progress_; }

 private:
  QProgressBar* progress_;
};
