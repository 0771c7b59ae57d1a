#pragma once

#include <QString>
#include <stdexcept>

// The four kinds of modal message the system shows. The core never draws a
// window: it talks to whichever TDialogs is installed (message boxes in the
// GUI, stderr in the command-line tool, a script in the tests).
enum class TDialogKind { Information, Warning, Error, Confirmation };

enum TDialogButton : int { mbOK = 1, mbYes = 2, mbNo = 4, mbCancel = 8, mbRetry = 16 };

class TDialogs {
 public:
  virtual ~TDialogs() = default;
  // Shows the text and returns the button chosen (one of `buttons`).
  virtual int Show(TDialogKind kind, const QString& text, int buttons, int defaultButton) = 0;
};

// Writes every message to stderr and takes the default answer.
class TStderrDialogs : public TDialogs {
 public:
  int Show(TDialogKind kind, const QString& text, int buttons, int defaultButton) override;
};

// The installed dialogs; a TStderrDialogs until SetDialogs is called. Not owned.
TDialogs& Dialogs();
void SetDialogs(TDialogs* dialogs); // nullptr restores the stderr dialogs

void ShowInformation(const QString& text);
void ShowWarning(const QString& text);
void ShowError(const QString& text);
// Returns the button chosen.
int AskConfirmation(const QString& text, int buttons, int defaultButton);

// An error raised by the system itself with one of its fixed texts.
class EZelvanError : public std::runtime_error {
 public:
  explicit EZelvanError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

 private:
  QString message_;
};

// A failure of the database engine (connection, statement, edit of a row).
class EDatabaseError : public EZelvanError {
 public:
  using EZelvanError::EZelvanError;
};
