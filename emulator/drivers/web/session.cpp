#include "emulator/drivers/web/session.h"

#include <filesystem>
#include <future>
#include <optional>
#include <stdexcept>

#include "emulator/common/safe_file.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "emulator/drivers/scenario/tokenizer.h"
#include "emulator/drivers/web/request_rules.h"
#include "emulator/models/drawing_file/drawing_file_reader.h"
#include "emulator/models/resources/cursor_resource.h"
#include "emulator/models/resources/icon_resource.h"
#include "emulator/output/cursor_svg.h"
#include "emulator/output/dialog_svg.h"
#include "emulator/output/drawing_file_writer.h"
#include "emulator/output/view_svg.h"

namespace emulator {
namespace {

WebReply JsonReply(int status, const Json& body) {
    return {status, body.dump(), kJsonType};
}

WebReply Refusal(int status, const std::string& reason) {
    return JsonReply(status, Json{{"error", reason}});
}

// LINE as one action; throws SyntaxError with the reason it is not one.
Effect CompileLine(const std::string& line) {
    if (std::optional<std::string> reason = MalformedActionLine(line)) throw SyntaxError(*reason);
    std::vector<Word> words = SplitWords(line);
    if (words.empty()) throw SyntaxError("the line holds no action");
    return HostActions().Compile(words);
}

// A resource number from the page: resources are numbered 0 to 65535.
std::optional<uint16_t> ResourceNumber(int number) {
    if (number < 0 || number > 0xffff) return std::nullopt;
    return static_cast<uint16_t>(number);
}

}  // namespace

// What an action of the page tells the session: notices are numbered by the action's line
// in the recorded scenario.
class WebSession::LineContext : public ActionContext {
  public:
    LineContext(WebSession& session, int line) : session_(session), line_(line) {}

    void Notice(const std::string& message) override {
        session_.notices_.Add(kRecordingName, line_, message);
    }
    void Snapshot(const std::string& name) override {
        session_.snapshots_.emplace_back(name, HostState(session_.host_));
    }

  private:
    WebSession& session_;
    int line_;
};

// What became of one action, shared by its event and the read that answers the page.
struct WebSession::Played {
    size_t noticesBefore = 0;
    std::string error;  // why the host could not carry it out
};

WebReply WebSession::Post(std::function<void()> run, std::function<WebReply()> read) {
    auto answer = std::make_shared<std::promise<WebReply>>();
    std::future<WebReply> answered = answer->get_future();
    {
        // Both go on the queue before any quit closes it, so both are run.
        std::lock_guard lock(mutex_);
        if (quitting_) return Refusal(503, "the host is quitting");
        if (run) host_.Loop().Post({0, std::move(run)});
        host_.Loop().Post({0,
                           [answer, read = std::move(read)] {
                               try {
                                   answer->set_value(read());
                               } catch (const std::exception& error) {
                                   answer->set_value(Refusal(500, error.what()));
                               }
                           },
                           false});
    }
    return answered.get();
}

WebReply WebSession::Act(const std::string& line) {
    Effect effect;
    try {
        effect = CompileLine(line);
    } catch (const SyntaxError& error) {
        return Refusal(400, error.what());
    }
    auto played = std::make_shared<Played>();
    return Post(
        [this, line, effect, played] {
            played->noticesBefore = notices_.Lines().size();
            // Recorded before it runs: the actions that answer a window it opens follow it.
            recorded_.push_back(line);
            size_t number = recorded_.size();
            LineContext context(*this, static_cast<int>(number));
            try {
                effect(host_, context);
            } catch (const std::exception& error) {
                // Not carried out, so a replay must not meet it; the run goes on.
                recorded_.erase(recorded_.begin() + static_cast<std::ptrdiff_t>(number - 1));
                played->error = error.what();
                host_.Loop().SkipPaint();
            }
        },
        [this, played] {
            Json screen = ScreenJson();
            Json notices = Json::array();
            for (size_t k = played->noticesBefore; k < notices_.Lines().size(); ++k)
                notices.push_back(notices_.Lines()[k]);
            screen["notices"] = std::move(notices);
            if (played->error.empty()) return JsonReply(200, screen);
            screen["error"] = played->error;
            return JsonReply(409, screen);
        });
}

WebReply WebSession::OpenDrawing(const std::string& text) {
    try {
        ParseDrawingFile(text);
    } catch (const DrawingFileError& refused) {
        return Refusal(400, refused.what());
    }
    std::filesystem::path file =
        std::filesystem::path(drawings_) / ("dessin-" + std::to_string(++uploads_) + ".svg");
    try {
        std::filesystem::create_directories(drawings_);
        ReplaceFile(file.string(), text, PreviousFile::kDropped);
    } catch (const std::exception& error) {
        return Refusal(500, error.what());
    }
    return Act("open \"" + file.string() + "\"");
}

WebReply WebSession::DrawingFile() {
    return Post({}, [this] {
        return WebReply{200, DrawingFileText(host_.Drawing().Describe()), "image/svg+xml"};
    });
}

Json WebSession::ScreenJson() const {
    Json state = HostState(host_, MessageLog::kLeftOut);
    Json dialogs = Json::array();
    for (const Dialog* dialog : host_.Dialogs().Dialogs())
        if (dialog->visible)
            dialogs.push_back(
                {{"name", dialog->name}, {"svg", DialogSvg(*dialog, host_.Plugin().Resources())}});
    Json window = nullptr;
    if (const Modals::Window* top = host_.ModalWindows().Top())
        window = {{"kind", top->kind}, {"title", top->title}};
    return {{"state", std::move(state)},
            {"view", ViewSvg(host_, ViewCursor::kLeftOut)},
            {"dialog_pictures", std::move(dialogs)},
            {"window", std::move(window)},
            {"recorded", recorded_.size()}};
}

WebReply WebSession::Screen() {
    return Post({}, [this] {
        Json screen = ScreenJson();
        screen["notices"] = Json::array();
        return JsonReply(200, screen);
    });
}

WebReply WebSession::State() {
    return Post({}, [this] { return WebReply{200, JsonFileText(FinalState()), kJsonType}; });
}

WebReply WebSession::Scenario() {
    return Post({}, [this] {
        std::string text = "# What was done in ortaq-host serve; ortaq-host play replays it.\n";
        for (const std::string& line : recorded_) text += line + '\n';
        return WebReply{200, text, "text/plain; charset=utf-8"};
    });
}

WebReply WebSession::CursorPicture(int number) {
    return Post({}, [this, number] {
        std::optional<uint16_t> resource = ResourceNumber(number);
        std::optional<CursorBitmap> cursor;
        if (resource) cursor = ReadCursorBitmap(host_.Plugin().Resources(), *resource);
        if (!cursor) return Refusal(404, "the plug-in has no cursor " + std::to_string(number));
        return WebReply{200, CursorSvg(*cursor), "image/svg+xml"};
    });
}

WebReply WebSession::IconPicture(int number) {
    return Post({}, [this, number] {
        std::optional<uint16_t> resource = ResourceNumber(number);
        std::optional<Picture> icon;
        if (resource) icon = ReadIconFile(host_.Plugin().Resources(), *resource);
        if (!icon) return Refusal(404, "the plug-in has no icon " + std::to_string(number));
        return WebReply{200, std::string(icon->file.begin(), icon->file.end()), icon->mimeType};
    });
}

void WebSession::Quit() {
    std::lock_guard lock(mutex_);
    quitting_ = true;
    host_.Loop().Close();
}

}  // namespace emulator
