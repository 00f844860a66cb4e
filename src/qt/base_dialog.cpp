#include "qt/base_dialog.h"

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
    announcer_ = new Announcer(this);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("water"));
    result_->setWordWrap(true);
    layout->addWidget(result_);
    auto* buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton(QStringLiteral("Appliquer"), QDialogButtonBox::ApplyRole);
    apply_->setObjectName(QStringLiteral("apply"));
    apply_->setDefault(true);
    buttons->addButton(QStringLiteral("Fermer"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("close"));
    layout->addWidget(buttons);
    connect(apply_, &QPushButton::clicked, this, [this] { apply(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

BaseDialog::Field BaseDialog::addField(const QString& label, int row) {
    auto* grid = static_cast<QGridLayout*>(layout()->itemAt(1)->layout());
    auto* name = new QLabel(label, this);
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(8);
    edit->setAccessibleName(label + QStringLiteral(", en degrés Celsius"));
    name->setBuddy(edit);
    auto* message = new QLabel(this);
    message->setStyleSheet(QStringLiteral("color: #b00020"));
    grid->addWidget(name, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("°C"), this), row, 2);
    grid->addWidget(message, row, 3);
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
    const BaseTerms terms = model_.baseTerms().value_or(BaseTerms{});
    for (BaseField f : baseFields) {
        fields_[std::size_t(f)].edit->setText(terms.texts[std::size_t(f)]);
    }
    refresh();
    fields_[0].edit->setFocus();
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
    if (!appeared.isEmpty()) {
        announcer_->announce(appeared.join(QStringLiteral(". ")));
    }
    result_->setText(check.result ? baseLines(model_, *check.result).join(u'\n') : QString());
    const bool applies = baseApplies(model_);
    apply_->setEnabled(check.result.has_value() && applies);
    apply_->setToolTip(applies ? QString() : baseUnavailableReason());
}

void BaseDialog::apply() {
    applyBaseTemperature(model_, request());
    refresh();
}

}  // namespace fournil::qt
