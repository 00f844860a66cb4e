#include "qt/recipe_dialog.h"

#include "engine/numbers.h"
#include "engine/recipe.h"
#include "guidance/accessibility.h"
#include "guidance/recipe_text.h"
#include "inputs/recipe_request.h"
#include "qt/widgets.h"
#include "wiring/actions.h"
#include "wiring/recipe_dough.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace fournil::qt {
RecipeDialog::RecipeDialog(Window& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("recipeDialog"));
    setWindowTitle(QStringLiteral("Recette complète"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    pieces_ = addField(QStringLiteral("Nombre de pâtons"), QString(), 0);
    weight_ = addField(QStringLiteral("Poids d'un pâton"), QStringLiteral("gr"), 1);
    weightUnit_ = static_cast<QLabel*>(grid->itemAtPosition(1, 2)->widget());
    salt_ = addField(QStringLiteral("Sel"), QStringLiteral("% de la farine"), 2);
    yeast_ = addField(QStringLiteral("Levure"), QStringLiteral("% de la farine"), 3);
    pieces_.edit->setObjectName(QStringLiteral("pieces"));
    weight_.edit->setObjectName(QStringLiteral("weight"));
    salt_.edit->setObjectName(QStringLiteral("salt"));
    yeast_.edit->setObjectName(QStringLiteral("yeast"));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("recipeTable"));
    table_->setAccessibleName(QStringLiteral("Recette"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Ingrédient"), QStringLiteral("Masse"), QStringLiteral("% de la farine")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setMinimumHeight(220);
    layout->addWidget(table_);

    auto* buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton(QStringLiteral("Appliquer"), QDialogButtonBox::ApplyRole);
    apply_->setObjectName(QStringLiteral("apply"));
    apply_->setDefault(true);
    QPushButton* close = buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    layout->addWidget(buttons);
    connect(apply_, &QPushButton::clicked, this, [this] { apply(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (const Field& f : {pieces_, weight_, salt_, yeast_}) {
        connect(f.edit, &QLineEdit::textChanged, this, [this] { read(); });
    }
    announcer_ = new Announcer(this);
    // The table's current row is read as the table takes the focus: Qt tells a screen reader of
    // the table alone, and the first Down would then read the second row.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == table_ && table_->rowCount() > 0) {
            QTimer::singleShot(0, table_, [this] {
                const QModelIndex current = table_->currentIndex();
                table_->selectionModel()->clearCurrentIndex();
                table_->selectionModel()->setCurrentIndex(
                    current.isValid() ? current : table_->model()->index(0, 0),
                    QItemSelectionModel::NoUpdate);
            });
        }
    });
    load();
}

RecipeDialog::Field RecipeDialog::addField(const QString& label, const QString& unit, int row) {
    auto* grid = static_cast<QGridLayout*>(this->layout()->itemAt(0)->layout());
    auto* name = new QLabel(label, this);
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(12);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    name->setBuddy(edit);
    auto* units = new QLabel(unit, this);
    auto* message = new QLabel(this);
    message->setStyleSheet(QStringLiteral("color: #b00020"));
    // Room kept for the longest message, so that the dialog does not jump when one appears.
    message->setMinimumWidth(
        message->fontMetrics().horizontalAdvance(QStringLiteral("un nombre entier de 1 à 10 000")));
    grid->addWidget(name, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(units, row, 2);
    grid->addWidget(message, row, 3);
    return {edit, message};
}

void RecipeDialog::load() {
    const QLocale& locale = model_.locale();
    const RecipeInputs recipe = model_.recipe().value_or(RecipeInputs{});
    const auto table = recipeTable(model_, recipe);
    const auto dough = LectureLocale(model_.Q1.text(), locale);
    const double weight = table ? table->pieceWeight : dough.value_or(0) / recipe.pieces;
    pieces_.edit->setText(locale.toString(recipe.pieces));
    weight_.edit->setText(unroundedText(std::round(weight * 10) / 10, locale));
    salt_.edit->setText(locale.toString(recipe.salt, 'f', 2));
    yeast_.edit->setText(locale.toString(recipe.yeast, 'f', 2));
    refresh();
}

std::optional<std::pair<RecipeInputs, double>> RecipeDialog::read() {
    RecipeRequest request;
    const Field* fields[] = {&pieces_, &weight_, &salt_, &yeast_};
    for (RecipeField f : recipeFields) {
        request[f] = fields[std::size_t(f)]->edit->text();
    }
    const RecipeCheck check = checkRecipe(request, model_.locale());
    QStringList appeared;
    for (RecipeField f : recipeFields) {
        QLabel* message = fields[std::size_t(f)]->message;
        if (!check.problem(f).isEmpty() && message->text() != check.problem(f)) {
            QLineEdit* edit = fields[std::size_t(f)]->edit;
            appeared << QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name) +
                            QStringLiteral(" : ") + check.problem(f);
        }
        message->setText(check.problem(f));
        fields[std::size_t(f)]->edit->setAccessibleDescription(check.problem(f));
    }
    const bool applies = recipeApplies(model_);
    apply_->setEnabled(check.inputs.has_value() && applies);
    apply_->setToolTip(applies ? QString() : recipeUnavailableReason());
    // A message is heard as it appears, not only when the baker comes back to its field; the
    // disabled "Appliquer" cannot take the focus, so it says why it waits.
    apply_->setAccessibleDescription(check.inputs ? QString() : recipeApplyWaits());
    if (!appeared.isEmpty()) {
        announcer_->announce(appeared.join(QStringLiteral(". ")) + QStringLiteral(". ") +
                             apply_->accessibleDescription());
    }
    if (!check.inputs) {
        return std::nullopt;
    }
    return std::pair(*check.inputs, check.total);
}

void RecipeDialog::apply() {
    if (const auto inputs = read(); inputs && recipeApplies(model_)) {
        applyRecipe(model_, inputs->first, inputs->second);
        load();
    }
}

void RecipeDialog::refresh() {
    weightUnit_->setText(recipeUnit(model_));
    const auto table = recipeTable(model_);
    table_->setRowCount(0);
    if (!table) {
        summary_->setText(recipeApplies(model_) ? QStringLiteral("Aucune recette : « Appliquer » "
                                                                 "la calcule autour de la pâte.")
                                                : recipeUnavailableReason());
        read();
        return;
    }
    summary_->setText(
        QStringLiteral("%1 · hydratation totale %2 · %3")
            .arg(piecesPhrase(*table), hydrationPhrases(*table)[1], hydrationPhrases(*table)[0]));
    const auto add = [&](const QString& name, const QString& mass, const QString& percent) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        table_->setItem(row, 0, new QTableWidgetItem(name));
        for (const auto& [column, text] : {std::pair(1, mass), std::pair(2, percent)}) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    };
    for (const RecipeRow& row : table->rows) {
        add((row.part ? QStringLiteral("    ") : QString()) + ingredientName(row.ingredient),
            row.massText + u' ' + table->unit, row.percentText + QStringLiteral(" %"));
    }
    add(QStringLiteral("total"), table->totalText + u' ' + table->unit, QString());
    // A row is current before the table takes the focus: the focus reads it (the first one), and
    // Down moves on from it.
    table_->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    read();
}

}  // namespace fournil::qt
