#pragma once

// "Recette complète…": a small dialog beside the window for a whole recipe around the sentence's
// dough (modes 1 and 6): the number of pieces, the weight of one, salt and yeast in baker's
// percentages. Its inputs are its own (a bad one is said beside its field, never repaired), its
// Apply types the dough into the sentence through the model, and its table follows every answer.

#include "window/window.h"

#include "qt/waiting_button.h"

#include <QDialog>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableWidget;
class QVBoxLayout;

namespace fournil::qt {

class Announcer;

class RecipeDialog : public QDialog {
  public:
    RecipeDialog(Window& model, QWidget* parent);

    // The fields from the recipe set (or the dough as one piece), then the table.
    void load();
    // The table and the title from the model as it stands.
    void refresh();
    // As it opens: the first field focused with its text selected, to be typed over.
    void focusFirstField();
    // Its size with nothing scrolled, the buttons included.
    QSize naturalSize() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Field {
        QLineEdit* edit;
        QLabel* message;
    };
    Field addField(QGridLayout* grid, const QString& label, const QString& unit, int row);
    void addTable(QVBoxLayout* layout);
    // "Appliquer" and "Fermer", after the table in the order of Tab.
    void addButtons(QVBoxLayout* layout);
    // Grows to what its content needs now, where the screen has room.
    void fitContent();
    void nameWithUnits();
    // The inputs as read, or nothing while one is wrong (its message then says why).
    std::optional<std::pair<RecipeInputs, double>> read();
    void apply();

    Window& model_;
    Field pieces_, weight_, salt_, yeast_;
    QLabel* weightUnit_ = nullptr;
    QScrollArea* scroll_ = nullptr;  // scrolls only on a screen smaller than the dialog
    QDialogButtonBox* buttons_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* table_ = nullptr;
    WaitingButton* apply_ = nullptr;
    bool loading_ = false;
    Announcer* announcer_ = nullptr;  // the messages, heard as they appear
};

}  // namespace fournil::qt
