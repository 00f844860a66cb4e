#include "notebook/shared_notebook.h"

namespace fournil {
namespace {

const QString migratedKey = QStringLiteral("dernier-calcul.json repris");

}  // namespace

Notebook* SharedNotebook::get() {
    // Tried again while there is none: a folder made writable, a disk remounted, and a save the
    // person retries succeeds. The same failure is told once.
    if (!notebook_) {
        Notebook::Opened opened = Notebook::open(path_);
        notebook_ = std::move(opened.notebook);
        if (opened.message != failure_) {
            message_ = opened.message;
        }
        failure_ = notebook_ ? QString() : opened.message;
    }
    return notebook_.get();
}

void NotebookCalculationStore::migrate(Notebook& notebook) {
    if (notebook.readOnly() || !notebook.setting(migratedKey).isEmpty()) {
        return;
    }
    // Once only: a later JSON file, written by an older Fournil, does not replace what the
    // notebook keeps.
    if (!notebook.last()) {
        const std::optional<QByteArray> bytes = older_.load();
        const std::optional<KeptCalculation> kept = bytes ? readCalculation(*bytes) : std::nullopt;
        if (kept && !notebook.setLast(*kept)) {
            return;
        }
    }
    notebook.setSetting(migratedKey, QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
}

std::optional<QByteArray> NotebookCalculationStore::load() {
    Notebook* notebook = notebook_.get();
    if (notebook == nullptr) {
        return older_.load();  // without a notebook, what the JSON file keeps is still there
    }
    migrate(*notebook);
    const std::optional<KeptCalculation> last = notebook->last();
    return last ? std::optional(calculationBytes(*last)) : std::nullopt;
}

QString NotebookCalculationStore::save(const QByteArray& bytes) {
    const std::optional<KeptCalculation> kept = readCalculation(bytes);
    if (!kept) {
        return QStringLiteral("le calcul n'est pas lisible");
    }
    Notebook* notebook = notebook_.get();
    if (notebook == nullptr) {
        return notebook_.failure();
    }
    migrate(*notebook);
    return notebook->setLast(*kept).error;
}

}  // namespace fournil
