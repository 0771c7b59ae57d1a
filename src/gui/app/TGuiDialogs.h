#pragma once

#include "data/TDialogs.h"

class QWidget;

// The core's messages as modal message boxes over the active window.
class TGuiDialogs : public TDialogs {
 public:
  int Show(TDialogKind kind, const QString& text, int buttons, int defaultButton) override;
};
