#include "notebook/entry_text.h"
#include "qt/notebook_dialog.h"
#include "qt/placement.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace fournil::qt {
namespace {

const QString title = QStringLiteral("Carnet");

// The name and notes of the entry to save, or nothing when the person cancels.
std::optional<std::pair<QString, QString>> askNameAndNotes(QWidget& window, const QString& name) {
    QDialog ask(&window);
    ask.setWindowTitle(QStringLiteral("Enregistrer dans le carnet"));
    auto* layout = new QFormLayout(&ask);
    auto* nameEdit = new QLineEdit(name, &ask);
    nameEdit->setObjectName(QStringLiteral("nom"));
    nameEdit->setAccessibleName(QStringLiteral("Nom de l'entrée"));
    nameEdit->setMaxLength(maximumNameLength);
    // Wide enough to read the proposed name whole, within reason.
    const QFontMetrics metrics = nameEdit->fontMetrics();
    nameEdit->setMinimumWidth(std::min(metrics.horizontalAdvance(name + QStringLiteral("MM")),
                                       metrics.averageCharWidth() * 60));
    nameEdit->selectAll();
    auto* notesEdit = new QLineEdit(&ask);
    notesEdit->setObjectName(QStringLiteral("notes"));
    notesEdit->setAccessibleName(QStringLiteral("Notes"));
    notesEdit->setMaxLength(maximumNotesLength);
    layout->addRow(QStringLiteral("&Nom :"), nameEdit);
    layout->addRow(QStringLiteral("N&otes :"), notesEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, &ask);
    buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("Enregistrer"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    layout->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &ask, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    ask.adjustSize();
    moveBeside(ask, window, ask.size());  // the calculation it names stays in sight
    if (ask.exec() != QDialog::Accepted || nameEdit->text().trimmed().isEmpty()) {
        return std::nullopt;
    }
    return std::pair(nameEdit->text().trimmed(), notesEdit->text());
}

}  // namespace

void NotebookActions::tellOpening() {
    if (const QString message = notebook_.takeMessage(); !message.isEmpty()) {
        QMessageBox::warning(&window_, title, message);
    }
}

Notebook* NotebookActions::notebook() {
    Notebook* notebook = notebook_.get();
    tellOpening();
    return notebook;
}

void NotebookActions::save() {
    Notebook* nb = notebook();
    if (nb == nullptr) {
        return;
    }
    if (nb->readOnly()) {  // said before a name is asked for that could not be kept
        QMessageBox::warning(&window_, title,
                             QStringLiteral("L'entrée ne peut pas être enregistrée : le carnet "
                                            "est ouvert en lecture seule."));
        return;
    }
    const KeptCalculation kept = keptCalculation(model_);
    const auto asked = askNameAndNotes(window_, proposedName(kept));
    if (!asked) {
        return;
    }
    const bool taken = nb->find(asked->first).has_value();
    if (taken &&
        QMessageBox::question(&window_, title,
                              QStringLiteral("Le carnet a déjà une entrée « %1 ». La remplacer ?")
                                  .arg(asked->first)) != QMessageBox::Yes) {
        return;
    }
    const Outcome saved = nb->save({asked->first, asked->second, kept, {}, {}}, taken);
    if (!saved) {
        QMessageBox::warning(&window_, title,
                             QStringLiteral("L'entrée n'est pas enregistrée : ") + saved.error);
    } else if (dialog_ != nullptr) {
        dialog_->reload();
    }
}

void NotebookActions::open() {
    Notebook* nb = notebook();
    if (nb == nullptr) {
        return;
    }
    if (dialog_ == nullptr) {
        dialog_ = new NotebookDialog(model_, *nb, &window_);
    }
    dialog_->reload();
    dialog_->adjustSize();
    showBeside(*dialog_, window_, dialog_->size());
}

}  // namespace fournil::qt
