#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <memory>

class QLockFile;
class QTableWidget;
class TDataSet;

inline const QString APPLICATION_TITLE = QStringLiteral("Zelvan3");

// The program's version (major, minor, release, build), compiled in. The file
// argument of the original routines has no counterpart: it is always this
// program's own version.
QString GetVersionString(int count);
// "%d.%d.%d.%d" when full; the build number alone when buildOnly; else "major.minor".
QString GetVersionText(bool full, bool buildOnly);

// The single-instance lock, named after the application title in the
// runtime folder. Returns the held lock, or nullptr when another instance
// holds it (the caller then shows the message and ends).
std::unique_ptr<QLockFile> AcquireSingleInstanceLock();
QString SingleInstanceMessage();

// Appends and posts a copy of the current row, leaving NULL the fields whose
// upper-case name occurs in the upper-cased excluded text.
void CopyCurrentRecord(TDataSet& dataset, const QString& excluded);

// Prints the grid (column 0 left out) under the title on one page of the
// printer; `printer` is a QPrinter configured by the caller (a PDF in tests).
class QPrinter;
void PrintStringGrid(const QTableWidget& grid, const QString& title, QPrinter& printer);

// Opens a file, folder or address with the desktop's registered program.
// Failures are not reported.
void OpenWithRegisteredProgram(const QString& target);

// 1-based position of needle in text at or after start, 0 when absent.
int PosFrom(const QString& needle, const QString& text, int start);

// Editor and legend colours.
inline const QColor COLOUR_UNDEFINED(255, 255, 0);
inline const QColor COLOUR_UNDEFINED_CHOICE(255, 248, 179);
inline const QColor COLOUR_DEFAULT(177, 202, 147);
inline const QColor COLOUR_CONSTANT(143, 183, 207);

// A completeness lamp: dark when off; green, yellow or blue when lit.
class TLed : public QWidget {
  Q_OBJECT
 public:
  explicit TLed(QWidget* parent = nullptr);
  bool Lit() const { return lit_; }
  QColor LitColour() const { return colour_; }
  void SetLit(bool lit, const QColor& colour);
  QSize sizeHint() const override { return {16, 16}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool lit_ = false;
  QColor colour_ = Qt::green;
};

// Lit when status is not 0: green for 1, yellow for 2, blue otherwise.
void SetLedStatus(TLed& led, int status);
