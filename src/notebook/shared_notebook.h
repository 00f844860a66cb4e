#pragma once

// The notebook as the window holds it: opened when first used, so that start-up does not wait on
// it, and its opening message told once. The last calculation kept in it.

#include "notebook/notebook.h"
#include "window/platform.h"

#include <memory>
#include <utility>

namespace fournil {

class SharedNotebook {
  public:
    explicit SharedNotebook(QString path) : path_(std::move(path)) {}
    // The notebook, opened at the first call that finds none; null when it cannot be (failure()
    // says why).
    Notebook* get();
    // What the opening has to tell, once; empty when nothing.
    QString takeMessage() { return std::exchange(message_, QString()); }
    // Why there is no notebook, as long as there is none.
    const QString& failure() const { return failure_; }

  private:
    QString path_;
    std::unique_ptr<Notebook> notebook_;
    QString message_, failure_;
};

// The last calculation in the notebook. The first time, one kept in the older JSON file (read
// through `older`, left in place) is moved into it.
class NotebookCalculationStore : public CalculationStore {
  public:
    NotebookCalculationStore(SharedNotebook& notebook, CalculationStore& older)
        : notebook_(notebook), older_(older) {}
    std::optional<QByteArray> load() override;
    QString save(const QByteArray& bytes) override;

  private:
    void migrate(Notebook& notebook);
    SharedNotebook& notebook_;
    CalculationStore& older_;
};

}  // namespace fournil
