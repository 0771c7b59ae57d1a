#include "app/TGuiDialogs.h"

#include "app/TLanguage.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton ToQt(int button) {
  switch (button) {
  case mbYes:
    return QMessageBox::Yes;
  case mbNo:
    return QMessageBox::No;
  case mbCancel:
    return QMessageBox::Cancel;
  case mbRetry:
    return QMessageBox::Retry;
  default:
    return QMessageBox::Ok;
  }
}

} // namespace

int TGuiDialogs::Show(TDialogKind kind, const QString& text, int buttons, int defaultButton) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QStringLiteral("Zelvan"));
  // The texts use "\n\r" as their line break; a message box wants "\n".
  QString shown = text;
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  box.setText(shown);
  switch (kind) {
  case TDialogKind::Information:
    box.setIcon(QMessageBox::Information);
    break;
  case TDialogKind::Warning:
    box.setIcon(QMessageBox::Warning);
    break;
  case TDialogKind::Error:
    box.setIcon(QMessageBox::Critical);
    break;
  case TDialogKind::Confirmation:
    box.setIcon(QMessageBox::Question);
    break;
  }
  QMessageBox::StandardButtons qtButtons;
  for (int b : {mbOK, mbYes, mbNo, mbCancel, mbRetry})
    if (buttons & b) qtButtons |= ToQt(b);
  box.setStandardButtons(qtButtons);
  box.setDefaultButton(ToQt(defaultButton));
  switch (box.exec()) {
  case QMessageBox::Yes:
    return mbYes;
  case QMessageBox::No:
    return mbNo;
  case QMessageBox::Cancel:
    return mbCancel;
  case QMessageBox::Retry:
    return mbRetry;
  default:
    return (buttons & mbOK) ? mbOK : defaultButton;
  }
}
