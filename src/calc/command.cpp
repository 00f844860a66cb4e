#include "calc/command.h"

#include "calc/batch.h"
#include "calc/calculator.h"
#include "calc/csv.h"
#include "calc/formats.h"
#include "calc/notebook_command.h"
#include "calc/options.h"

#include <algorithm>
#include <memory>

namespace fournil::calc {
namespace {

using namespace exitStatus;

class BytesInput : public Input {
  public:
    BytesInput(QByteArray bytes, qint64 chunk) : bytes_(std::move(bytes)), chunk_(chunk) {}
    qint64 read(char* data, qint64 size) override {
        const qint64 n = std::min({size, chunk_, qint64(bytes_.size()) - at_});
        std::copy_n(bytes_.constData() + at_, n, data);
        at_ += n;
        return n;
    }
    QString error() const override { return {}; }

  private:
    QByteArray bytes_;
    qint64 chunk_, at_ = 0;
};

int single(const Options& o, const QLocale& locale, const Streams& io) {
    if (!o.mode) {
        throw UsageError(
            QStringLiteral("--mode N manque ; les modes vont %1 (voir --help)").arg(modeRange()));
    }
    Calculator calculator(locale);
    return answerOne(calculator, o.request, o.format, io);
}

int run(const QStringList& arguments, const Streams& io, const QLocale& userLocale) {
    const Options o = parse(arguments);
    const QLocale locale = o.locale.value_or(userLocale);
    if (o.help) {
        write(io, helpText(o.mode));
        return answered;
    }
    if (o.version) {
        write(io, QStringLiteral("fournil-calc " FOURNIL_VERSION "\n"));
        return answered;
    }
    if (o.notebook || o.importFrom || o.exportNotebook) {
        return notebookCommand(o, locale, io);
    }
    if (!o.csv) {
        return single(o, locale, io);
    }
    QString why;
    const std::unique_ptr<Input> input = io.open(*o.csv, why);
    if (!input) {
        throw UsageError(QStringLiteral("impossible de lire « %1 » : %2").arg(*o.csv, why));
    }
    return batch(*input, o.format != nullptr ? *o.format : csvFormat(), o.request.repair, locale,
                 io);
}

}  // namespace

int answerOne(Calculator& calculator, const Request& request, const Format* format,
              const Streams& io, const KeptCalculation* kept) {
    Answered a;
    a.repairs = calculator.run(request);
    for (const Repair& r : a.repairs) {
        say(io, r.line());
    }
    if (kept != nullptr) {
        calculator.keep(*kept);
    }
    const Window& w = calculator.window();
    a.window = &w;
    a.cells = QStringList{QString::number(int(request.mode)), massUnitShown(w),
                          hydrationUnitShown(w, 1), hydrationUnitShown(w, 2)};
    QStringList columns = settingColumns().mid(0, 4);
    for (BaseField f : baseFields) {
        columns << baseColumn(f);
    }
    a.cells << baseCells(w);
    const Format& shown = format != nullptr ? *format : textFormat();
    write(io, shown.header(columns, false) + shown.write(a, false));
    return answerFailed(w) ? impossible : answered;
}

std::unique_ptr<Input> bytesInput(QByteArray bytes, qint64 chunk) {
    return std::make_unique<BytesInput>(std::move(bytes), chunk);
}

int runCommand(const QStringList& arguments, const Streams& io, const QLocale& userLocale) {
    try {
        const int status = run(arguments, io, userLocale);
        if (!io.finish()) {
            throw WriteFailed{io.outError()};
        }
        return status;
    } catch (const UsageError& e) {
        say(io, e.message());
        return misused;
    } catch (const WriteFailed& failed) {
        say(io, QStringLiteral("écriture impossible : ") + failed.why);
        return unwritten;
    }
}

}  // namespace fournil::calc
