#pragma once

#include "model/TPRA.h"
#include "model/TService.h"

#include <QList>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class Tdm;

// Opens the three databases by path, owns the catalogue service and the PRAs,
// and keeps the names of the open files.
class TManager {
 public:
  explicit TManager(Tdm& data);
  ~TManager();

  std::unique_ptr<TPRA> CurrentPRA;               // the home page's PRA
  std::unique_ptr<TPRA> EditPRA;                  // the PRA behind the item pages
  std::vector<std::unique_ptr<TPRA>> ComparePRAs; // one per comparison column
  std::vector<std::unique_ptr<TPRA>> BatchPRAs;   // one per calculated batch case
  QList<QObject*> CompareFrames;                  // the comparison columns; not owned
  std::unique_ptr<TService> Service;
  QString ZelvanDatabaseName;
  QString AIDatabaseName;
  QString TavexDatabaseName;
  bool DataChanged = false; // items created or deleted, a PRA saved: lists need refreshing

  // Each returns false when the file is missing, cannot be opened (with the
  // data module's message) or lacks its table (no message); other failures
  // show "Cannot connect to ... database" and return false.
  bool OpenZelvanDatabase(const QString& path);
  bool OpenAIDatabase(const QString& path);
  bool OpenTavexDatabase(const QString& path);
  void CreatePRAs();
  bool IsReady() const;

  // The data side of connecting a database, as start-up and the database
  // actions do it: open, then the datasets (and, for the AI database, the
  // backup table before anything is added). Failures of the datasets are
  // reported as warnings; the result tells whether the database is usable.
  bool ConnectMainDatabase(const QString& path);
  bool ConnectAIDatabase(const QString& path);
  bool ConnectTavexDatabase(const QString& path);

 private:
  void ReplaceService(const QString& path);

  Tdm& data_;
  // Catalogues replaced by a reconnection stay alive: PRAs made over them
  // refer to their variables until they are replaced themselves.
  std::vector<std::unique_ptr<TService>> retired_;
};
