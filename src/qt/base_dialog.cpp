#include "qt/base_dialog.h"

#include "guidance/accessibility.h"
#include "guidance/base_text.h"
#include "qt/widgets.h"
#include "wiring/base_apply.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fournil::qt {

BaseDialog::BaseDialog(Window& model, QWidget* parent) : QDialog(parent), model_(model) {
    setObjectName(QStringLiteral("baseDialog"));
    setWindowTitle(QStringLiteral("Température de base"));
    auto* layout = new QVBoxLayout(this);
    auto* help = new QLabel(baseHelp(), this);
    help->setWordWrap(true);
    layout->addWidget(help);
    layout->addLayout(new QGridLayout);
    static const char16_t* const labels[] = {u"Température de base", u"Farine", u"Fournil",
                                             u"Levain (s'il y en a)"};
    static const char16_t* const names[] = {u"base", u"flour", u"bakehouse", u"levain"};
    for (BaseField f : baseFields) {
        const auto i = std::size_t(f);
        fields_[i] = addField(QString::fromUtf16(labels[i]), int(i));
        fields_[i].edit->setObjectName(QString::fromUtf16(names[i]));
        connect(fields_[i].edit, &QLineEdit::textChanged, this, [this] { refresh(); });
    }
    // Heard from the window: a notification that shows inside a dialog makes Orca present the
    // whole dialog again before it.
    announcer_ = new Announcer(parent);
    announcer_->setObjectName(QStringLiteral("annonceBase"));
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("water"));
    result_->setWordWrap(true);
    layout->addWidget(result_);
    auto* buttons = new QDialogButtonBox(this);
    apply_ = new WaitingButton(QStringLiteral("Appliquer"), buttons);
    buttons->addButton(apply_, QDialogButtonBox::ApplyRole);
    apply_->setObjectName(QStringLiteral("apply"));
    apply_->setDefault(true);
    QPushButton* close = buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    // From the last field, what it leads to first.
    setTabOrder(fields_.back().edit, apply_);
    setTabOrder(apply_, close);
    layout->addWidget(buttons);
    connect(apply_, &QPushButton::clicked, this, [this] { apply(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

BaseDialog::Field BaseDialog::addField(const QString& label, int row) {
    auto* grid = static_cast<QGridLayout*>(layout()->itemAt(1)->layout());
    auto* name = new QLabel(label, this);
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(8);
    // Room for a temperature with its decimals, not for a sentence.
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-000,000")) +
                          edit->fontMetrics().averageCharWidth() * 4);
    name->setBuddy(edit);
    nameForTheEar(*edit, label + QStringLiteral(", en degrés Celsius"));
    QLabel* message = newFieldMessage(this);
    // Under its field, wrapped: a message never widens the dialog past the screen's edge.
    message->setWordWrap(true);
    grid->addWidget(name, 2 * row, 0);
    grid->addWidget(edit, 2 * row, 1);
    grid->addWidget(new QLabel(QStringLiteral("°C"), this), 2 * row, 2);
    grid->addWidget(message, 2 * row + 1, 1, 1, 3);
    grid->setColumnStretch(3, 1);
    return {edit, message};
}

BaseRequest BaseDialog::request() const {
    BaseRequest r;
    for (BaseField f : baseFields) {
        r[f] = fields_[std::size_t(f)].edit->text();
    }
    return r;
}

void BaseDialog::load() {
    // The dialog is read as it opens, its water with it: nothing is announced as it fills, and
    // nothing of a last opening is heard again.
    announcer_->clear();
    loading_ = true;
    const BaseTerms terms = model_.baseTerms().value_or(BaseTerms{});
    for (BaseField f : baseFields) {
        fields_[std::size_t(f)].edit->setText(terms.texts[std::size_t(f)]);
    }
    loading_ = false;
    refresh();
}

void BaseDialog::focusFirstField() {
    fields_[0].edit->setFocus(Qt::OtherFocusReason);
    fields_[0].edit->selectAll();
}

void BaseDialog::refresh() {
    const BaseCheck check = checkBase(request(), model_.locale());
    QStringList appeared;  // heard as they appear, not only when the baker comes back
    for (BaseField f : baseFields) {
        const Field& field = fields_[std::size_t(f)];
        // A field not yet typed in waits without a message; "Appliquer" waits with it.
        const QString problem =
            field.edit->text().trimmed().isEmpty() ? QString() : check.problem(f);
        if (!problem.isEmpty() && field.message->text() != problem) {
            appeared << field.edit->accessibleName() + QStringLiteral(" : ") + problem;
        }
        field.message->setText(problem);
        field.edit->setAccessibleDescription(problem);
    }
    const QString result = check.result ? baseLines(model_, *check.result).join(u'\n') : QString();
    if (!loading_ && !appeared.isEmpty()) {
        announcer_->announce(appeared.join(QStringLiteral(". ")));
    } else if (!loading_ && !result.isEmpty() && result != result_->text()) {
        announcer_->announce(result);  // the water as it is typed, as the window's answers are
    }
    result_->setText(result);
    const bool applies = baseApplies(model_);
    apply_->setWaiting(!applies       ? baseUnavailableReason()
                       : check.result ? QString()
                                      : applyWaits());
}

void BaseDialog::apply() {
    if (apply_->waiting()) {
        announcer_->announce(apply_->why());
        return;
    }
    applyBaseTemperature(model_, request());
    refresh();
}

}  // namespace fournil::qt
