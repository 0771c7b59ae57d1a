#include "app/TfrmSplash.h"

#include "app/TArtwork.h"
#include "app/uUtils.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>

TfrmSplash::TfrmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("Zelvan Splash"));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::white);
  setPalette(pal);
  auto* layout = new QGridLayout(this);
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("imgSplash"));
  picture_->setPixmap(TArtwork::SplashPicture(QSize(480, 260)));
  layout->addWidget(picture_, 0, 0, 1, 4);
  // Version: the first two numbers without leading zeros; build as formatted.
  const QStringList numbers = GetVersionString(4).split(QLatin1Char('.'));
  auto* lblVersion = new QLabel(QStringLiteral("Version:"), this);
  auto* lblVersionNr =
      new QLabel(QStringLiteral("%1.%2").arg(numbers.value(0).toInt()).arg(numbers.value(1).toInt()), this);
  lblVersionNr->setObjectName(QStringLiteral("lblVersion"));
  auto* lblBuild = new QLabel(QStringLiteral("Build:"), this);
  auto* lblBuildNr = new QLabel(numbers.value(3), this);
  lblBuildNr->setObjectName(QStringLiteral("lblBuild"));
  layout->addWidget(lblVersion, 1, 0);
  layout->addWidget(lblVersionNr, 1, 1);
  layout->addWidget(lblBuild, 1, 2);
  layout->addWidget(lblBuildNr, 1, 3);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setRange(0, 11);
  progress_->setValue(0);
  progress_->setTextVisible(false);
  layout->addWidget(progress_, 2, 0, 1, 4);
  adjustSize();
  if (const QScreen* screen = this->screen()) move(screen->geometry().center() - rect().center());
}

void TfrmSplash::Step() {
  progress_->setValue(std::min(progress_->value() + 1, progress_->maximum()));
  repaint();
}

void TfrmSplash::mousePressEvent(QMouseEvent* event) {
  if (picture_->geometry().contains(event->position().toPoint())) close();
}
