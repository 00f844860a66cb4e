#pragma once

// The few widgets that Qt lacks in the form the window needs.

#include "window/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QWidget>

namespace fournil::qt {

// What a screen reader is told of the window's own widgets (the caption labels, the option
// buttons): installed before the first of them is made.
void installAccessibility();

// A label whose trailing blanks count: right-aligned captions end where their blanks say, and
// the help area wraps its lines.
class CaptionLabel : public QWidget {
  public:
    CaptionLabel(Align align, QWidget* parent);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    Qt::Alignment alignment() const { return align_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString caption_;
    Qt::Alignment align_;
};

// A frame drawn as a desktop toolkit's frame of option buttons: the caption sits on the top
// border, which runs through the caption's middle, so that the buttons placed inside stand clear
// of it.
class FrameBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;
    // Where the border's top line runs, in the frame's pixels.
    int borderTop() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Where the window's announcements are heard: an empty notification that shows itself anew
// with each one, which a screen reader speaks as it appears (Orca presents a notification that
// shows; it cannot present a changed description with Qt 6.4, which sends no value with it).
class Announcer : public QWidget {
  public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& text);
    // Nothing left to be heard again when its dialog shows anew.
    void clear();
    const QString& text() const { return text_; }

  private:
    QString text_;
};

// A dialog's field named for the ear, its unit included: the name is given to the field and to
// the label whose buddy it is, as a screen reader names a field by its label.
void nameForTheEar(QLineEdit& edit, const QString& name);

// A message beside a dialog's field, in red; empty, a screen reader reads nothing of it.
QLabel* newFieldMessage(QWidget* parent);

// A filled rectangle with an outline in the window-text colour.
class FilledRectangle : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Limits what the user types or pastes to a number of characters without touching what the
// program writes. The model holds the text and the selection as they were before the edit (the
// view tells it of every caret move and selection), so what the edit replaced and what it
// inserted are known, whatever characters the old and new texts share: the text outside the
// replaced selection stays, the inserted text keeps as many leading characters as fit, a typed
// character beyond the limit is refused, and deleting is always allowed.
class TypingLimit : public QValidator {
  public:
    TypingLimit(const TextBox& box, QObject* parent);
    State validate(QString& input, int& position) const override;

  private:
    const TextBox& box_;
};

}  // namespace fournil::qt
