#pragma once

// The notebook in the window: "Enregistrer dans le carnet…" asks a name (proposed from the
// calculation) and notes, and before replacing an entry; "Carnet…" lists the entries beside the
// window, filtered as one types on names and notes without regard to case or accents. Opening
// an entry puts it in the window as one step that undo takes back.

#include "notebook/shared_notebook.h"
#include "window/window.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace fournil::qt {

class NotebookDialog : public QDialog {
  public:
    NotebookDialog(Window& model, Notebook& notebook, QWidget* parent);
    // The entries read again from the notebook, the filter kept.
    void reload();

  private:
    void filter();
    const NotebookEntry* current() const;
    void openCurrent();
    void renameCurrent();
    void duplicateCurrent();
    void removeCurrent();
    void undoRemove();
    void refuse(const Outcome& outcome);
    void updateButtons();

    Window& model_;
    Notebook& notebook_;
    std::vector<NotebookEntry> entries_;
    std::vector<QString> keys_;           // each entry's name and notes as a search sees them
    std::vector<NotebookEntry> removed_;  // undone in reverse while the list is open
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton *open_ = nullptr, *rename_ = nullptr, *duplicate_ = nullptr, *remove_ = nullptr,
                *undo_ = nullptr;
};

// The two actions, with the notebook opened when first used and its message told once.
class NotebookActions {
  public:
    NotebookActions(Window& model, QWidget& window, SharedNotebook& notebook)
        : model_(model), window_(window), notebook_(notebook) {}
    void save();
    void open();
    NotebookDialog* dialog() const { return dialog_; }

  private:
    Notebook* notebook();
    Window& model_;
    QWidget& window_;
    SharedNotebook& notebook_;
    NotebookDialog* dialog_ = nullptr;
};

}  // namespace fournil::qt
