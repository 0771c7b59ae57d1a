#include "app/TfrmAboutDialog.h"

#include "app/TArtwork.h"
#include "app/TLanguage.h"
#include "app/TfrmSplash.h"
#include "app/uUtils.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// A picture that shows the splash window when clicked.
class TClickablePicture : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void mousePressEvent(QMouseEvent*) override {
    TfrmSplash splash(window());
    splash.setWindowModality(Qt::ApplicationModal);
    splash.setAttribute(Qt::WA_ShowModal);
    splash.show();
    while (splash.isVisible())
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
};

const char* const Links[] = {"https://zelvan.example/", "https://zelvan.example/manual/",
                             "mailto:support@zelvan.example"};

const char* const LicenseText =
    "Zelvan - pesticide risk assessment\n"
    "Copyright (c) the Zelvan team.\n\n"
    "Permission is hereby granted, free of charge, to any person obtaining a copy of this software and associated "
    "documentation files (the \"Software\"), to deal in the Software without restriction, including without "
    "limitation the rights to use, copy, modify, merge, publish, distribute, sublicense, and/or sell copies of the "
    "Software, and to permit persons to whom the Software is furnished to do so, subject to the following "
    "conditions:\n\n"
    "The above copyright notice and this permission notice shall be included in all copies or substantial portions "
    "of the Software.\n\n"
    "THE SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED. The results of the "
    "models are indicative and do not replace a regulatory risk assessment.";

} // namespace

TfrmAboutDialog::TfrmAboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAboutDialog"));
  setWindowTitle(QStringLiteral("About Zelvan"));
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("pcAbout"));

  auto* about = new QWidget(pages_);
  auto* aboutLayout = new QVBoxLayout(about);
  auto* picture = new TClickablePicture(about);
  picture->setObjectName(QStringLiteral("imgAbout"));
  picture->setPixmap(TArtwork::SplashPicture(QSize(420, 228)));
  picture->setCursor(Qt::PointingHandCursor);
  aboutLayout->addWidget(picture);
  auto* form = new QFormLayout;
  auto* version = new QLabel(GetVersionText(false, false), about);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* build = new QLabel(GetVersionText(false, true), about);
  build->setObjectName(QStringLiteral("lblBuild"));
  form->addRow(QStringLiteral("Version:"), version);
  form->addRow(QStringLiteral("Build:"), build);
  aboutLayout->addLayout(form);
  aboutLayout->addWidget(new QLabel(QStringLiteral("© The Zelvan team. All rights reserved."), about));
  int n = 0;
  for (const char* link : Links) {
    auto* label = new QLabel(QLatin1String(link), about);
    label->setObjectName(QStringLiteral("lblLink%1").arg(++n));
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: #1f5fa0; text-decoration: underline;"));
    label->installEventFilter(this);
    aboutLayout->addWidget(label);
  }
  aboutLayout->addStretch();
  pages_->addTab(about, windowTitle());

  auto* authors = new QTextBrowser(pages_);
  authors->setObjectName(QStringLiteral("reAuthors"));
  authors->setOpenExternalLinks(true);
  authors->setHtml(QStringLiteral(
      "<h3>Zelvan</h3><p>Models, data and program by the Zelvan team.</p>"
      "<p>Questions and reports: <a href=\"mailto:support@zelvan.example\">support@zelvan.example</a><br>"
      "Web: <a href=\"https://zelvan.example/\">https://zelvan.example/</a></p>"
      "<p>Built with Qt and SQLite.</p>"));
  pages_->addTab(authors, QStringLiteral("Authors"));

  auto* license = new QPlainTextEdit(QLatin1String(LicenseText), pages_);
  license->setObjectName(QStringLiteral("memLicense"));
  license->setReadOnly(true);
  pages_->addTab(license, QStringLiteral("License"));
  layout->addWidget(pages_);

  auto* buttons = new QDialogButtonBox(this);
  auto* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("btnOK"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  TLanguage::TranslateApplication();
  pages_->setCurrentIndex(0);
}

bool TfrmAboutDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease)
    if (auto* label = qobject_cast<QLabel*>(watched)) OpenWithRegisteredProgram(label->text().trimmed());
  return QDialog::eventFilter(watched, event);
}
