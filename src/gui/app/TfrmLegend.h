#pragma once

#include <QColor>
#include <QDialog>

class QFrame;

// The colours of the value editors, explained.
class TfrmLegend : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmLegend(QWidget* parent = nullptr);
  // Sets the swatch colours and shows the legend modally.
  void ShowLegend(const QColor& defined, const QColor& undefined, const QColor& undefinedChoice,
                  const QColor& defaultValue, const QColor& constant);

 private:
  QFrame* Swatch(const char* name);
};
