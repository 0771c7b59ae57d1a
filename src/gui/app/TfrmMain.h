#pragma once

#include <QMainWindow>
#include <memory>

class TPropertiesGUI;
class TManager;
class Tdm;

// The main window. For now it places itself from the settings, connects the
// databases named there and keeps its placement at close.
class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmMain(Tdm& data, QWidget* parent = nullptr);
  ~TfrmMain() override;

  TPropertiesGUI& Properties() const { return *properties_; }
  TManager& Manager() const { return *manager_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::unique_ptr<TPropertiesGUI> properties_;
  std::unique_ptr<TManager> manager_;
};
