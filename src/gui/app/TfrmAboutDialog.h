#pragma once

#include <QDialog>

class QTabWidget;

// "About Zelvan": version and build, the makers, credits and licence.
class TfrmAboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAboutDialog(QWidget* parent = nullptr);
  QTabWidget* Pages() const { return pages_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTabWidget* pages_;
};
