#pragma once

// "Température de base…": the water's temperature worked out from the base temperature of the
// kneading, beside the window in the temperature mode. Its inputs are its own (a bad one is said
// beside its field, never repaired); the water and its sum show as they are typed; Apply types
// the water into the sentence's target temperature through the model, one step to undo.

#include "inputs/base_temperature.h"
#include "window/window.h"

#include "qt/waiting_button.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace fournil::qt {

class Announcer;

class BaseDialog : public QDialog {
  public:
    BaseDialog(Window& model, QWidget* parent);

    // The fields from the terms last applied.
    void load();
    // As it opens: the first field focused with its text selected, to be typed over.
    void focusFirstField();
    // Its size with nothing scrolled, the buttons included.
    QSize naturalSize() const { return sizeHint(); }
    // The result from the fields and the sentence as it stands.
    void refresh();

  private:
    struct Field {
        QLineEdit* edit;
        QLabel* message;
    };
    Field addField(const QString& label, int row);
    BaseRequest request() const;
    void apply();

    Window& model_;
    std::array<Field, baseFields.size()> fields_{};
    QLabel* result_ = nullptr;
    WaitingButton* apply_ = nullptr;
    Announcer* announcer_ = nullptr;
    bool loading_ = false;
};

}  // namespace fournil::qt
