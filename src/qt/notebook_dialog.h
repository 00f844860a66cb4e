#pragma once

// The notebook in the window: "Enregistrer dans le carnet…" asks a name (proposed from the
// calculation) and notes, and before replacing an entry; "Carnet…" lists the entries beside the
// window, filtered as one types on names and notes without regard to case or accents. Opening
// an entry puts it in the window as one step that undo takes back.

#include "notebook/shared_notebook.h"
#include "window/window.h"

#include <QAbstractListModel>
#include <QDialog>

#include <vector>

class QLineEdit;
class QListView;
class QPushButton;

namespace fournil::qt {

// The entries that hold what is searched, their texts made only when shown: 10,000 entries list
// and filter within a keystroke.
class EntryList : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;
    void setEntries(std::vector<NotebookEntry> entries);
    // Keeps the entries whose name or notes hold the text, without regard to case or accents.
    void filter(const QString& text);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    const NotebookEntry& entry(int row) const { return entries_[shown_[std::size_t(row)]]; }

  private:
    std::vector<NotebookEntry> entries_;
    std::vector<QString> keys_;  // each entry's name and notes as a search sees them
    std::vector<std::size_t> shown_;
};

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
    EntryList entries_;
    std::vector<NotebookEntry> removed_;  // undone in reverse while the list is open
    QLineEdit* search_ = nullptr;
    QListView* list_ = nullptr;
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
    // What the notebook's opening found, said once.
    void tellOpening();
    NotebookDialog* dialog() const { return dialog_; }

  private:
    Notebook* notebook();
    Window& model_;
    QWidget& window_;
    SharedNotebook& notebook_;
    NotebookDialog* dialog_ = nullptr;
};

}  // namespace fournil::qt
