#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// Borderless start-up window: picture, version, build and the progress of the
// start-up steps (0..11).
class TfrmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* parent = nullptr);
  // One start-up step done: advance the bar and repaint at once.
  void Step();
  QProgressBar* ProgressBar() const { return progress_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QLabel* picture_;
  QProgressBar* progress_;
};
