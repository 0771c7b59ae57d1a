#include "data/TDialogs.h"

#include <cstdio>

namespace {

TStderrDialogs DefaultDialogs;
TDialogs* Installed = &DefaultDialogs;

const char* KindName(TDialogKind kind) {
  switch (kind) {
  case TDialogKind::Information:
    return "Information";
  case TDialogKind::Warning:
    return "Warning";
  case TDialogKind::Error:
    return "Error";
  case TDialogKind::Confirmation:
    return "Confirmation";
  }
  return "Message";
}

} // namespace

int TStderrDialogs::Show(TDialogKind kind, const QString& text, int /*buttons*/, int defaultButton) {
  QString flat = text;
  flat.replace(QStringLiteral("\n\r"), QStringLiteral(" ")).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  std::fprintf(stderr, "%s: %s\n", KindName(kind), qPrintable(flat));
  return defaultButton;
}

TDialogs& Dialogs() {
  return *Installed;
}

void SetDialogs(TDialogs* dialogs) {
  Installed = dialogs ? dialogs : &DefaultDialogs;
}

void ShowInformation(const QString& text) {
  Dialogs().Show(TDialogKind::Information, text, mbOK, mbOK);
}
void ShowWarning(const QString& text) {
  Dialogs().Show(TDialogKind::Warning, text, mbOK, mbOK);
}
void ShowError(const QString& text) {
  Dialogs().Show(TDialogKind::Error, text, mbOK, mbOK);
}
int AskConfirmation(const QString& text, int buttons, int defaultButton) {
  return Dialogs().Show(TDialogKind::Confirmation, text, buttons, defaultButton);
}
