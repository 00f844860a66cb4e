#include "session.h"

#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/binding.h"

#include <QFile>

namespace fournil::replay {
namespace {

// Without a display the driver does not decode pictures; it accepts a readable file that
// carries the GIF signature.
class GifSignatureLoader : public PictureLoader {
  public:
    std::shared_ptr<const Picture> load(const QString& path) override {
        const auto bytes = readRegularFile(path, 8 * 1024 * 1024);
        if (!bytes) {
            return nullptr;
        }
        const QByteArray head = bytes->left(6);
        if (head != "GIF87a" && head != "GIF89a") {
            return nullptr;
        }
        return std::make_shared<const Picture>();
    }
};

class ModelSession : public Session {
  public:
    explicit ModelSession(const SessionSettings& settings)
        : display_(settings.screen), platform_{files_, display_, pictures_} {
        window_.setCounters(&counters_);
        window_.setLocale(settings.locale);
        bindHandlers(window_, platform_);
        openWindow(window_);
    }

    Window& window() override { return window_; }
    void set(TextBox& box, const QString& text) override { userPaste(box, text); }
    // Typing starts with the caret put at the end of the box, as the End key does.
    void type(TextBox& box, const QString& text) override { events::typeAtEnd(box, text); }
    void press(const QString& text) override { events::pressCharacters(window_, text); }
    void select(TextBox& box, int anchor, int caret) override {
        events::selectInBox(box, anchor, caret);
    }
    void click(Control& control) override {
        userHover(control);
        userClick(control);
    }
    void hover(Control& control) override { userHover(control); }
    void key(const events::Stroke& stroke) override { events::press(window_, stroke); }
    void paste(const QString& text) override { userPasteAtCaret(window_, text); }
    std::optional<PropValue> read(const Control& control, QStringView property) override {
        return readProperty(window_, control, property);
    }

  private:
    SystemFileSystem files_;
    ScriptedDisplay display_;
    GifSignatureLoader pictures_;
    Platform platform_;
    Window window_;
};

}  // namespace

std::unique_ptr<Session> makeModelSession(const SessionSettings& settings) {
    return std::make_unique<ModelSession>(settings);
}

}  // namespace fournil::replay
