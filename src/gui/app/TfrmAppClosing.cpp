#include "app/TfrmAppClosing.h"

#include "app/TArtwork.h"
#include "app/TLanguage.h"

#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TfrmAppClosing::TfrmAppClosing(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("frmAppClosing"));
  setWindowTitle(QStringLiteral("Zelvan is cleaning up"));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setPixmap(TArtwork::SplashPicture(QSize(360, 195)));
  layout->addWidget(picture);
  auto* text = new QLabel(QStringLiteral("...is closing up"), this);
  text->setObjectName(QStringLiteral("lblClosing"));
  text->setAlignment(Qt::AlignRight);
  layout->addWidget(text);
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 7);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  layout->addWidget(progress_);
  TLanguage::TranslateForm(this);
  adjustSize();
  if (const QScreen* screen = this->screen()) move(screen->geometry().center() - rect().center());
}

void TfrmAppClosing::Step() {
  progress_->setValue(std::min(progress_->value() + 1, progress_->maximum()));
  repaint();
}
