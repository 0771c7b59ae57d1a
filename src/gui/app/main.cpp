#include "app/TGuiDialogs.h"
#include "app/TZelvanApplication.h"
#include "app/TfrmMain.h"
#include "app/TfrmSplash.h"
#include "data/Tdm.h"

#include <QTimer>

int main(int argc, char* argv[]) {
  TZelvanApplication app(argc, argv);
  TZelvanApplication::setApplicationName(QStringLiteral("Zelvan3"));
  TZelvanApplication::setApplicationDisplayName(QStringLiteral("Zelvan"));
  TGuiDialogs dialogs;
  SetDialogs(&dialogs);
  int code = 0;
  {
    auto* splash = new TfrmSplash;
    splash->show();
    splash->repaint();
    Tdm data;
    TfrmMain window(data, splash);
    delete splash;
    if (window.TerminateRequested()) {
      SetDialogs(nullptr);
      return 0;
    }
    window.show();
    code = TZelvanApplication::exec();
  }
  SetDialogs(nullptr);
  return code;
}
