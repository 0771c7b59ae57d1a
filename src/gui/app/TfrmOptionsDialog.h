#pragma once

#include <QDialog>

class QTreeWidget;
class TPropertiesGUI;

// "Zelvan properties": the option tree of check boxes. OK takes the ticks
// over into the settings; Cancel takes nothing.
class TfrmOptionsDialog : public QDialog {
  Q_OBJECT
 public:
  TfrmOptionsDialog(TPropertiesGUI& properties, QWidget* parent = nullptr);
  QTreeWidget* OptionTree() const { return tree_; }

  struct TAppOption {
    int Id;
    const char* Caption;
  };
  // Negative ids start a group; the rows after it are its options.
  static const std::vector<TAppOption>& Options();

  void accept() override;

 private:
  bool* Setting(int id) const;
  TPropertiesGUI& properties_;
  QTreeWidget* tree_;
};
