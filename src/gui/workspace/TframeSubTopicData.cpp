#include "workspace/TframeSubTopicData.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TframeSubTopicData::TframeSubTopicData(QWidget* parent) : QFrame(parent) {
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(1);
  pnlTop = new QWidget(this);
  pnlTop->setObjectName(QStringLiteral("pnlTop"));
  pnlTop->setFixedHeight(24);
  auto* top = new QHBoxLayout(pnlTop);
  top->setContentsMargins(2, 0, 2, 0);
  lblTitle = new QLabel(pnlTop);
  lblTitle->setObjectName(QStringLiteral("lblTitle"));
  QFont f(QStringLiteral("Trebuchet MS"));
  f.setPixelSize(19);
  f.setBold(true);
  f.setUnderline(true);
  lblTitle->setFont(f);
  top->addWidget(lblTitle);
  layout_->addWidget(pnlTop);
  setFixedHeight(24);
}

void TframeSubTopicData::AddEditor(QWidget* editor) {
  layout_->addWidget(editor);
  ++ItemCount;
  setFixedHeight(ItemCount * 25 + 24);
}
