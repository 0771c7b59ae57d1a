#include "app/TfrmMain.h"
#include "data/Tdm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvan3"));
  Tdm data;
  TfrmMain window(data);
  window.show();
  return QApplication::exec();
}
