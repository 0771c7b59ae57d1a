#pragma once

#include "model/TTopicType.h"

#include <QFrame>

class QLabel;
class QVBoxLayout;

// A titled group of value editors for one area on a topic page.
class TframeSubTopicData : public QFrame {
  Q_OBJECT
 public:
  explicit TframeSubTopicData(QWidget* parent = nullptr);
  TTopicType AreaType = ttAquatic;
  int ItemCount = 0;
  QWidget* pnlTop;
  QLabel* lblTitle;
  // Places an editor below the others and grows the group.
  void AddEditor(QWidget* editor);

 private:
  QVBoxLayout* layout_;
};
