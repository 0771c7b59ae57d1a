#pragma once

#include "data/TDialogs.h"
#include "data/TManager.h"
#include "data/Tdm.h"

#include <memory>

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>

// Records every message instead of showing it, and answers confirmations
// from a script (the default button when the script is empty).
class TRecordingDialogs : public TDialogs {
 public:
  TRecordingDialogs() { SetDialogs(this); }
  ~TRecordingDialogs() override { SetDialogs(nullptr); }

  int Show(TDialogKind kind, const QString& text, int buttons, int defaultButton) override;

  QList<std::pair<TDialogKind, QString>> Shown;
  QList<int> Answers;

  QStringList Texts(TDialogKind kind) const;
};

// A SQLite file in a temporary folder, made from SQL text.
class TFixtureFile {
 public:
  // Runs the statements (separated by ';' at line ends) into a new file.
  explicit TFixtureFile(const QString& sql, const QString& fileName = QStringLiteral("fixture.sqlite"));
  const QString& Path() const { return path_; }
  QString Folder() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QString path_;
};

// Runs a query on the file through a separate connection; returns the first
// row's first column (an invalid QVariant when no row).
QVariant QueryFile(const QString& path, const QString& sql);
QStringList ColumnsOf(const QString& path, const QString& table);

// A small catalogue and item tables: enough variables to exercise topics,
// choice groups, optional values, constants and defaults.
extern const char* const MainFixtureSql;
extern const char* const PesticideFixtureSql;

// The fixture databases, connected the way start-up connects them.
struct TConnectedFixture : ::testing::Test {
  TRecordingDialogs dialogs;
  TFixtureFile main{MainFixtureSql, "main.sqlite"};
  TFixtureFile ai{PesticideFixtureSql, "ai.sqlite"};
  Tdm data;
  TManager manager{data};

  // Connects both and forgets the messages of connecting.
  void Connect() {
    ASSERT_TRUE(manager.ConnectMainDatabase(main.Path()));
    ASSERT_TRUE(manager.ConnectAIDatabase(ai.Path()));
    ASSERT_TRUE(manager.IsReady());
    dialogs.Shown.clear();
  }
  TPRA& pra() { return *manager.CurrentPRA; }
};

// The text of a file of the reference sources (reference/...).
QString ReferenceSql(const QString& relativePath);

// Both databases connected with the reference catalogue and an empty
// pesticide table: a PRA whose values the test sets one by one.
class TCalcFixture {
 public:
  // extraSql runs after the reference catalogue (to give a variable a constant, say).
  explicit TCalcFixture(const QString& extraSql = QString());
  ~TCalcFixture();
  TPRA& pra() { return *manager->CurrentPRA; }
  TTopic& PE() { return *pra().PesticideTopic; }
  TTopic& AP() { return *pra().ApplicationTopic; }
  TTopic& Scenario(int area) { return *pra().GetAssessment(area)->Scenario; }
  // Stores each (name, value) into the topic.
  static void Set(TTopic& topic, std::initializer_list<std::pair<const char*, double>> values);

  TFixtureFile main;
  TFixtureFile ai;
  std::unique_ptr<Tdm> data;
  std::unique_ptr<TManager> manager;
};

// Readable QString output in failure messages.
inline std::ostream& operator<<(std::ostream& os, const QString& s) {
  return os << s.toStdString();
}
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
  *os << '[' << l.join(QStringLiteral(", ")).toStdString() << ']';
}
