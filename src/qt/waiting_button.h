#pragma once

// "Appliquer" while the dialog's inputs cannot be applied: drawn as a disabled button and saying
// why it waits, yet still reached by Tab so that a screen reader's user hears why; pressed, it
// says why again instead of applying.

#include <QPushButton>
#include <QString>

namespace fournil::qt {

class WaitingButton : public QPushButton {
  public:
    using QPushButton::QPushButton;
    // Empty: ready. Otherwise why it waits, as its description and tooltip.
    void setWaiting(const QString& why);
    bool waiting() const { return !why_.isEmpty(); }
    const QString& why() const { return why_; }

  private:
    QString why_;
};

}  // namespace fournil::qt
