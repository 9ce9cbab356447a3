#include "emulator/core/plugin_connection.h"

#include <stdexcept>

#include "emulator/models/resources/property_list.h"
#include "emulator/models/resources/resource_file.h"

namespace emulator {
namespace {

// The connection whose plug-in's code is innermost on this thread's stack.
thread_local PluginConnection* tRunning = nullptr;

}  // namespace

PluginConnection::CodeOnStack::CodeOnStack(PluginConnection& plugin) : outer_(tRunning) {
    tRunning = &plugin;
}

PluginConnection::CodeOnStack::~CodeOnStack() {
    tRunning = outer_;
}

Host* PluginConnection::HostRunningOnThisThread() {
    return tRunning == nullptr ? nullptr : &tRunning->host_;
}

bool PluginConnection::Load(std::string& error) {
    if (name_.empty()) {
        try {
            ResourceFile resources = LoadPluginResources(Path());
            const Resource* list = resources.Find(ResourceId{std::nullopt, "PIPL"}, 16000);
            std::optional<std::string> name = list ? PropertyListName(list->data) : std::nullopt;
            if (!name) throw std::runtime_error(Path() + " has no plug-in property list 16000");
            name_ = *name;
            resources_ = std::move(resources);
        } catch (const std::exception& failure) {
            error = failure.what();
            return false;
        }
    }
    return library_.Load(error);
}

HostErr PluginConnection::Deliver(const char* caller, const char* selector, SPMessageData* header) {
    if (!Loaded()) throw std::runtime_error("the plug-in's code is not loaded");
    header->checkWord = kHostCheckWord;
    header->self = Ref();
    header->globals = globalsSlot_;
    header->basic = basic_;

    trace_.Message({caller, selector, header});
    size_t index = calls_.size();
    calls_.push_back({caller, selector, kHostNoError, depth_, 0, 0, InCall()});
    int64_t acquiredBefore = suites_.Acquisitions();
    int64_t releasedBefore = suites_.Releases();
    HostErr result;
    {
        CodeOnStack onStack(*this);
        ++depth_;
        result = library_.Entry()(caller, selector, header);
        --depth_;
    }
    globalsSlot_ = header->globals;
    trace_.Returned(caller, selector, result);

    CallRecord& call = calls_[index];
    call.result = result;
    call.acquired = suites_.Acquisitions() - acquiredBefore;
    call.released = suites_.Releases() - releasedBefore;
    return result;
}

HostErr PluginConnection::SendEmpty(const std::string& caller, const std::string& selector) {
    auto send = [&](auto record) { return Send(caller.c_str(), selector.c_str(), record); };
    if (caller == kCallerAIMenu) return send(AIMenuMessage{});
    if (caller == kCallerAITool) return send(AIToolMessage{});
    if (caller == kCallerAINotify) return send(AINotifierMessage{});
    if (caller == kCallerAIAnnotation) return send(AIAnnotatorMessage{});
    // "SP Access", "SP Interface" and callers the host does not know carry the header only.
    return send(SPInterfaceMessage{});
}

}  // namespace emulator
