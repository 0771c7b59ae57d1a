#pragma once

#include "data/TDialogs.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// Records every message and answers from a script (the default button when
// the script is empty).
class TScriptedDialogs : public TDialogs {
 public:
  QStringList Texts;
  QList<int> Answers;
  int Show(TDialogKind, const QString& text, int, int defaultButton) override {
    Texts << text;
    return Answers.isEmpty() ? defaultButton : Answers.takeFirst();
  }
};

// Points the per-user configuration and runtime folders into `home`, so the
// settings, the single-instance lock and first-start copies stay in the test.
inline void IsolateHome(const QTemporaryDir& home) {
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("run")).toUtf8());
  QDir().mkpath(home.filePath(QStringLiteral("run")));
  QFile::setPermissions(home.filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
