#include "app/TfrmMain.h"

#include "app/TPropertiesGUI.h"
#include "data/TManager.h"
#include "data/Tdm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>

TfrmMain::TfrmMain(Tdm& data, QWidget* parent)
    : QMainWindow(parent), properties_(std::make_unique<TPropertiesGUI>()), manager_(std::make_unique<TManager>(data)) {
  setObjectName(QStringLiteral("frmMain"));
  properties_->SetProgramFolder(QCoreApplication::applicationDirPath());
  properties_->ApplyWindowPosition(*this);
  QDir().mkpath(properties_->GetSettingsFolder());
  setWindowTitle(QStringLiteral("Zelvan %1.%2 Build %3")
                     .arg(ZELVAN_VERSION_MAJOR)
                     .arg(ZELVAN_VERSION_MINOR)
                     .arg(ZELVAN_BUILD_NUMBER));
  auto* label = new QLabel(tr("No database connected."), this);
  label->setObjectName(QStringLiteral("lblStatus"));
  label->setAlignment(Qt::AlignCenter);
  setCentralWidget(label);

  if (properties_->LoadInputDatabase) {
    if (!properties_->DatabaseNameZELVAN.trimmed().isEmpty())
      manager_->ConnectMainDatabase(properties_->DatabaseNameZELVAN);
    if (!properties_->DatabaseNameAI.trimmed().isEmpty()) manager_->ConnectAIDatabase(properties_->DatabaseNameAI);
  }
  if (!manager_->ZelvanDatabaseName.isEmpty())
    label->setText(tr("ZELVAN database: %1\nAI database: %2")
                       .arg(manager_->ZelvanDatabaseName,
                            manager_->AIDatabaseName.isEmpty() ? tr("(none)") : manager_->AIDatabaseName));
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::closeEvent(QCloseEvent* event) {
  properties_->SaveWindowPosition(*this);
  properties_->SaveSettings();
  event->accept();
}
