#pragma once

#include <QApplication>

// The application object. An exception escaping an event handler is
// discarded: the event is abandoned, one line goes to stderr, the program goes on.
class TZelvanApplication : public QApplication {
  Q_OBJECT
 public:
  TZelvanApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};
