#include "qt/recipe_dialog.h"

#include "engine/numbers.h"
#include "engine/recipe.h"
#include "guidance/accessibility.h"
#include "guidance/recipe_text.h"
#include "inputs/recipe_request.h"
#include "qt/placement.h"
#include "qt/widgets.h"
#include "wiring/actions.h"
#include "wiring/recipe_dough.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace fournil::qt {
namespace {

// For the ear: "Poids d'un pâton, en grammes" rather than an abbreviation read letter by letter.
QString spokenUnit(const QString& unit) {
    if (unit == u"gr") {
        return QStringLiteral("en grammes");
    }
    if (unit == u"kg") {
        return QStringLiteral("en kilogrammes");
    }
    return QStringLiteral("en ") + unit;
}

}  // namespace

RecipeDialog::RecipeDialog(Window& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("recipeDialog"));
    setWindowTitle(QStringLiteral("Recette complète"));
    auto* layout = new QVBoxLayout(this);
    // Everything but the buttons scrolls, on a screen too small for it only.
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    auto* content = new QWidget(scroll_);
    auto* inside = new QVBoxLayout(content);
    inside->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    inside->addLayout(grid);
    pieces_ = addField(grid, QStringLiteral("Nombre de pâtons"), QString(), 0);
    weight_ = addField(grid, QStringLiteral("Poids d'un pâton"), QStringLiteral("gr"), 1);
    weightUnit_ = static_cast<QLabel*>(grid->itemAtPosition(2, 2)->widget());
    salt_ = addField(grid, QStringLiteral("Sel"), QStringLiteral("% de la farine"), 2);
    yeast_ = addField(grid, QStringLiteral("Levure"), QStringLiteral("% de la farine"), 3);
    pieces_.edit->setObjectName(QStringLiteral("pieces"));
    weight_.edit->setObjectName(QStringLiteral("weight"));
    salt_.edit->setObjectName(QStringLiteral("salt"));
    yeast_.edit->setObjectName(QStringLiteral("yeast"));
    summary_ = new QLabel(content);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    inside->addWidget(summary_);
    addTable(inside);
    scroll_->setWidget(content);
    layout->addWidget(scroll_);
    addButtons(layout);
    for (const Field& f : {pieces_, weight_, salt_, yeast_}) {
        connect(f.edit, &QLineEdit::textChanged, this, [this] { read(); });
        f.edit->installEventFilter(this);
    }
    // Heard from the window: a notification that shows inside a dialog makes Orca present the
    // whole dialog again before it.
    announcer_ = new Announcer(parent);
    announcer_->setObjectName(QStringLiteral("annonceRecette"));
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

void RecipeDialog::addButtons(QVBoxLayout* layout) {
    buttons_ = new QDialogButtonBox(this);
    apply_ = new WaitingButton(QStringLiteral("Appliquer"), buttons_);
    buttons_->addButton(apply_, QDialogButtonBox::ApplyRole);
    apply_->setObjectName(QStringLiteral("apply"));
    apply_->setDefault(true);
    QPushButton* close =
        buttons_->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    // The fields, the table, then what they lead to first.
    setTabOrder(table_, apply_);
    setTabOrder(apply_, close);
    layout->addWidget(buttons_);
    connect(apply_, &QPushButton::clicked, this, [this] { apply(); });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void RecipeDialog::addTable(QVBoxLayout* layout) {
    table_ = new QTableWidget(0, 3, layout->parentWidget());
    table_->setObjectName(QStringLiteral("recipeTable"));
    table_->setAccessibleName(QStringLiteral("Recette"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Ingrédient"), QStringLiteral("Masse"), QStringLiteral("% de la farine")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Room for the longest table, mode 6's: flour, water, the levain and its two parts, salt,
    // yeast and the total.
    const int rows = 8;
    table_->setMinimumHeight(rows * table_->verticalHeader()->defaultSectionSize() +
                             table_->horizontalHeader()->sizeHint().height() +
                             2 * table_->frameWidth());
    layout->addWidget(table_);
}

RecipeDialog::Field RecipeDialog::addField(QGridLayout* grid, const QString& label,
                                           const QString& unit, int row) {
    QWidget* parent = grid->parentWidget();
    auto* name = new QLabel(label, parent);
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(12);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    edit->setProperty("label", label);
    edit->setProperty("unit", unit);
    name->setBuddy(edit);
    auto* units = new QLabel(unit, parent);
    QLabel* message = newFieldMessage(parent);
    // Room kept for the longest message, under its field, so that the dialog stays narrow and
    // does not jump when one appears.
    message->setMinimumSize(
        message->fontMetrics().horizontalAdvance(longestRecipeProblem(model_.locale())),
        message->fontMetrics().height());
    grid->addWidget(name, 2 * row, 0);
    grid->addWidget(edit, 2 * row, 1);
    grid->addWidget(units, 2 * row, 2);
    grid->addWidget(message, 2 * row + 1, 1, 1, 2);
    return {edit, message};
}

void RecipeDialog::nameWithUnits() {
    for (const Field& f : {pieces_, weight_, salt_, yeast_}) {
        const QString label = f.edit->property("label").toString();
        const QString unit = f.edit->property("unit").toString();
        nameForTheEar(*f.edit,
                      unit.isEmpty() ? label : label + QStringLiteral(", ") + spokenUnit(unit));
    }
}

void RecipeDialog::focusFirstField() {
    pieces_.edit->setFocus(Qt::OtherFocusReason);
    pieces_.edit->selectAll();
}

QSize RecipeDialog::naturalSize() const {
    const QMargins m = layout()->contentsMargins();
    const QSize content = scroll_->widget()->sizeHint();
    const QSize buttons = buttons_->sizeHint();
    return {std::max(content.width(), buttons.width()) + m.left() + m.right(),
            content.height() + layout()->spacing() + buttons.height() + m.top() + m.bottom()};
}

bool RecipeDialog::eventFilter(QObject* watched, QEvent* event) {
    // The keypad's decimal key types the locale's mark, whichever the keyboard layout sends.
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit != nullptr && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers().testFlag(Qt::KeypadModifier) &&
            (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma)) {
            edit->insert(model_.locale().decimalPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RecipeDialog::load() {
    const QLocale& locale = model_.locale();
    const RecipeInputs recipe = model_.recipe().value_or(RecipeInputs{});
    const auto table = recipeTable(model_, recipe);
    const auto dough = LectureLocale(model_.Q1.text(), locale);
    const double weight = table ? table->pieceWeight : dough.value_or(0) / recipe.pieces;
    // The dialog is read as it opens: nothing is announced as it fills, and nothing of a last
    // opening is heard again.
    announcer_->clear();
    loading_ = true;
    pieces_.edit->setText(locale.toString(recipe.pieces));
    weight_.edit->setText(unroundedText(std::round(weight * 10) / 10, locale));
    salt_.edit->setText(locale.toString(recipe.salt, 'f', 2));
    yeast_.edit->setText(locale.toString(recipe.yeast, 'f', 2));
    loading_ = false;
    refresh();
}

std::optional<std::pair<RecipeInputs, double>> RecipeDialog::read() {
    RecipeRequest request;
    const Field* fields[] = {&pieces_, &weight_, &salt_, &yeast_};
    for (RecipeField f : recipeFields) {
        request[f] = fields[std::size_t(f)]->edit->text();
    }
    const RecipeCheck check =
        checkRecipe(request, model_.locale(), {recipeStep(model_), recipeUnit(model_)});
    QStringList appeared;
    for (RecipeField f : recipeFields) {
        QLabel* message = fields[std::size_t(f)]->message;
        if (!check.problem(f).isEmpty() && message->text() != check.problem(f)) {
            appeared << fields[std::size_t(f)]->edit->accessibleName() + QStringLiteral(" : ") +
                            check.problem(f);
        }
        message->setText(check.problem(f));
        fields[std::size_t(f)]->edit->setAccessibleDescription(check.problem(f));
    }
    const bool applies = recipeApplies(model_);
    apply_->setWaiting(!applies       ? recipeUnavailableReason()
                       : check.inputs ? QString()
                                      : applyWaits());
    // A message is heard as it appears, not only when the baker comes back to its field, with
    // why "Appliquer" waits.
    if (!loading_ && !appeared.isEmpty()) {
        announcer_->announce(appeared.join(QStringLiteral(". ")) + QStringLiteral(". ") +
                             apply_->why());
    }
    if (!check.inputs) {
        return std::nullopt;
    }
    return std::pair(*check.inputs, check.total);
}

void RecipeDialog::apply() {
    if (apply_->waiting()) {
        announcer_->announce(apply_->why());
        return;
    }
    if (const auto inputs = read(); inputs && recipeApplies(model_)) {
        applyRecipe(model_, inputs->first, inputs->second);
        load();
    }
}

void RecipeDialog::refresh() {
    weightUnit_->setText(recipeUnit(model_));
    weight_.edit->setProperty("unit", recipeUnit(model_));
    nameWithUnits();
    const auto table = recipeTable(model_);
    table_->setRowCount(0);
    if (!table) {
        summary_->setText(recipeApplies(model_) ? QStringLiteral("Aucune recette : « Appliquer » "
                                                                 "la calcule autour de la pâte.")
                                                : recipeUnavailableReason());
        read();
        fitContent();
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
        add((row.part() ? QStringLiteral("    ") : QString()) + ingredientName(row.ingredient),
            row.massText + u' ' + table->unit, row.percentText + QStringLiteral(" %"));
    }
    add(QStringLiteral("total"), table->totalText + u' ' + table->unit, QString());
    // A row is current before the table takes the focus: the focus reads it (the first one), and
    // Down moves on from it.
    table_->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    read();
    fitContent();
}

void RecipeDialog::fitContent() {
    // A longer summary wraps onto another line: the dialog grows, where the screen has room,
    // rather than scroll and cut its columns.
    QWidget* content = scroll_->widget();
    if (!isVisible() || parentWidget() == nullptr || content == nullptr) {
        return;
    }
    const QSize room = scroll_->viewport()->size();
    const int height = content->hasHeightForWidth() ? content->heightForWidth(room.width())
                                                    : content->sizeHint().height();
    const QSize more(std::max(0, content->minimumSizeHint().width() - room.width()),
                     std::max(0, height - room.height()));
    if (more.width() > 0 || more.height() > 0) {
        moveBeside(*this, *parentWidget(), size() + more);
    }
}

}  // namespace fournil::qt
