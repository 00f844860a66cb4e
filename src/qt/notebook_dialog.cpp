#include "qt/notebook_dialog.h"

#include "notebook/entry_text.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace fournil::qt {
namespace {

QPushButton* button(QDialogButtonBox* box, const QString& text, const QString& name) {
    auto* b = box->addButton(text, QDialogButtonBox::ActionRole);
    b->setObjectName(name);
    b->setAccessibleName(QString(text).remove(u'&').remove(u'…'));
    return b;
}

QString itemText(const NotebookEntry& e) {
    return e.name + u'\n' + calculationInWords(e.calculation) + QStringLiteral(" · ") +
           QLocale().toString(e.modified.toLocalTime(), QLocale::ShortFormat);
}

}  // namespace

NotebookDialog::NotebookDialog(Window& model, Notebook& notebook, QWidget* parent)
    : QDialog(parent), model_(model), notebook_(notebook) {
    setObjectName(QStringLiteral("carnet"));
    setWindowTitle(QStringLiteral("Carnet"));
    auto* layout = new QVBoxLayout(this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("recherche"));
    search_->setAccessibleName(QStringLiteral("Rechercher dans le carnet"));
    search_->setPlaceholderText(QStringLiteral("Rechercher (nom ou notes)"));
    auto* label = new QLabel(QStringLiteral("&Rechercher :"), this);
    label->setBuddy(search_);
    list_ = new QListView(this);
    list_->setModel(&entries_);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setObjectName(QStringLiteral("entrees"));
    list_->setAccessibleName(QStringLiteral("Entrées du carnet"));
    list_->setMinimumWidth(420);
    auto* buttons = new QDialogButtonBox(this);
    open_ = button(buttons, QStringLiteral("&Ouvrir"), QStringLiteral("ouvrir"));
    rename_ = button(buttons, QStringLiteral("Re&nommer…"), QStringLiteral("renommer"));
    duplicate_ = button(buttons, QStringLiteral("&Dupliquer…"), QStringLiteral("dupliquer"));
    remove_ = button(buttons, QStringLiteral("&Supprimer…"), QStringLiteral("supprimer"));
    undo_ = button(buttons, QStringLiteral("&Annuler la suppression"), QStringLiteral("annuler"));
    auto* close = buttons->addButton(QStringLiteral("&Fermer"), QDialogButtonBox::RejectRole);
    close->setAccessibleName(QStringLiteral("Fermer"));
    open_->setDefault(true);
    layout->addWidget(label);
    layout->addWidget(search_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(search_, &QLineEdit::textChanged, this, &NotebookDialog::filter);
    connect(list_, &QListView::activated, this, &NotebookDialog::openCurrent);
    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &NotebookDialog::updateButtons);
    connect(open_, &QPushButton::clicked, this, &NotebookDialog::openCurrent);
    connect(rename_, &QPushButton::clicked, this, &NotebookDialog::renameCurrent);
    connect(duplicate_, &QPushButton::clicked, this, &NotebookDialog::duplicateCurrent);
    connect(remove_, &QPushButton::clicked, this, &NotebookDialog::removeCurrent);
    connect(undo_, &QPushButton::clicked, this, &NotebookDialog::undoRemove);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The arrows move in the list while the search field has the focus.
    for (const auto key : {Qt::Key_Down, Qt::Key_Up}) {
        auto* shortcut =
            new QShortcut(QKeySequence(key), search_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, key] {
            const int row = list_->currentIndex().row() + (key == Qt::Key_Down ? 1 : -1);
            if (row >= 0 && row < entries_.rowCount()) {
                list_->setCurrentIndex(entries_.index(row));
            }
        });
    }
    search_->setFocus();
}

void NotebookDialog::reload() {
    entries_.setEntries(notebook_.entries());
    filter();
}

void NotebookDialog::filter() {
    entries_.filter(search_->text().trimmed());
    list_->setCurrentIndex(entries_.index(0));
    updateButtons();
}

const NotebookEntry* NotebookDialog::current() const {
    const QModelIndex at = list_->currentIndex();
    return at.isValid() ? &entries_.entry(at.row()) : nullptr;
}

void EntryList::setEntries(std::vector<NotebookEntry> entries) {
    entries_ = std::move(entries);
    keys_.clear();
    keys_.reserve(entries_.size());
    for (const NotebookEntry& e : entries_) {
        keys_.push_back(searchKey(e.name + u' ' + e.notes));
    }
}

void EntryList::filter(const QString& text) {
    const QString key = searchKey(text);
    beginResetModel();
    shown_.clear();
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i].contains(key)) {
            shown_.push_back(i);
        }
    }
    endResetModel();
}

int EntryList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown_.size());
}

QVariant EntryList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const NotebookEntry& e = entry(index.row());
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        return itemText(e);
    }
    return role == Qt::ToolTipRole ? QVariant(e.notes) : QVariant();
}

void NotebookDialog::updateButtons() {
    const bool some = current() != nullptr;
    for (QPushButton* b : {open_, rename_, duplicate_, remove_}) {
        b->setEnabled(some);
    }
    undo_->setEnabled(!removed_.empty());
}

void NotebookDialog::openCurrent() {
    if (const NotebookEntry* e = current()) {
        if (!resumeCalculation(model_, e->calculation)) {
            refuse({notReplayable(e->name)});
            return;
        }
        accept();
    }
}

void NotebookDialog::refuse(const Outcome& outcome) {
    if (!outcome) {
        QMessageBox::warning(this, windowTitle(), outcome.error);
    }
    reload();
}

void NotebookDialog::renameCurrent() {
    const NotebookEntry* e = current();
    bool ok = false;
    const QString name = e == nullptr ? QString()
                                      : QInputDialog::getText(this, QStringLiteral("Renommer"),
                                                              QStringLiteral("Nouveau nom :"),
                                                              QLineEdit::Normal, e->name, &ok);
    if (ok && !name.trimmed().isEmpty()) {
        refuse(notebook_.rename(e->name, name.trimmed()));
    }
}

void NotebookDialog::duplicateCurrent() {
    const NotebookEntry* e = current();
    bool ok = false;
    const QString name =
        e == nullptr ? QString()
                     : QInputDialog::getText(this, QStringLiteral("Dupliquer"),
                                             QStringLiteral("Nom de la copie :"), QLineEdit::Normal,
                                             e->name + QStringLiteral(" (copie)"), &ok);
    if (ok && !name.trimmed().isEmpty()) {
        refuse(notebook_.save({name.trimmed(), e->notes, e->calculation, {}, {}}, false));
    }
}

void NotebookDialog::removeCurrent() {
    const NotebookEntry* e = current();
    if (e == nullptr ||
        QMessageBox::question(this, QStringLiteral("Supprimer"),
                              QStringLiteral("Supprimer « %1 » du carnet ?").arg(e->name)) !=
            QMessageBox::Yes) {
        return;
    }
    const NotebookEntry removed = *e;
    const Outcome done = notebook_.remove(removed.name);
    if (done) {
        removed_.push_back(removed);
    }
    refuse(done);
}

void NotebookDialog::undoRemove() {
    if (removed_.empty()) {
        return;
    }
    const Outcome done = notebook_.save(removed_.back(), false);
    if (done) {
        removed_.pop_back();
    }
    refuse(done);
}

}  // namespace fournil::qt
