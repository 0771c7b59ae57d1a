#include "app/TZelvanApplication.h"

#include "data/TDialogs.h"

#include <cstdio>

TZelvanApplication::TZelvanApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TZelvanApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const EZelvanError& e) {
    std::fprintf(stderr, "Zelvan: event abandoned: %s\n", qPrintable(e.Message()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Zelvan: event abandoned: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "Zelvan: event abandoned: unknown exception\n");
  }
  return false;
}
