// The host's side of one plug-in: its library, the globals slot the host keeps for it,
// and every message sent to it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "emulator/core/plugin_library.h"
#include "emulator/core/suite_registry.h"
#include "emulator/core/trace.h"
#include "emulator/models/resources/resource_file.h"
#include "host/messages.h"

namespace emulator {

class Host;

struct CallRecord {
    std::string caller;
    std::string selector;
    HostErr result = kHostNoError;
    int depth = 0;         // 0 for a call from the host's own loop, 1 inside it...
    int64_t acquired = 0;  // suite acquisitions made during the call
    int64_t released = 0;  // suite releases made during the call
    // Sent while the plug-in's code was on the stack: inside another message, or inside a
    // procedure of its dialogs (a modal window opened there, say).
    bool underPluginCode = false;
};

class PluginConnection {
  public:
    // HOST is the one whose plug-in this is: the suites serve it while the code runs.
    PluginConnection(Host& host, std::string path, const SuiteRegistry& suites, SPBasicSuite* basic,
                     Trace& trace)
        : host_(host), library_(std::move(path)), suites_(suites), basic_(basic), trace_(trace) {}

    // The host whose plug-in's code this thread is running (the innermost message or
    // procedure of the plug-in), or null.
    static Host* HostRunningOnThisThread();

    // Reads the plug-in's property list, then loads its code. False with one line in ERROR
    // when either fails.
    bool Load(std::string& error);
    void DropCode() { library_.Unload(); }
    bool Loaded() const { return library_.Loaded(); }
    const std::string& Path() const { return library_.Path(); }
    // The name the property list gives.
    const std::string& Name() const { return name_; }
    // The resources the library carries (read when it is first loaded).
    const ResourceFile& Resources() const { return resources_; }

    // Once the plug-in holds its access reference its code stays loaded.
    void KeepLoaded() { keptLoaded_ = true; }
    bool KeptLoaded() const { return keptLoaded_; }

    // The reference the plug-in receives in every message header.
    HostPluginRef Ref() const {
        return reinterpret_cast<HostPluginRef>(const_cast<PluginConnection*>(this));
    }
    void* GlobalsSlot() const { return globalsSlot_; }

    // Sends CALLER/SELECTOR with RECORD, whose header is filled here. The globals slot
    // travels in the header and whatever the plug-in leaves there is kept.
    template <typename Record>
    HostErr Send(const char* caller, const char* selector, Record& record) {
        return Deliver(caller, selector, &record.d);
    }

    // Sends CALLER/SELECTOR with a zeroed record of the type that caller uses.
    HostErr SendEmpty(const std::string& caller, const std::string& selector);

    const std::vector<CallRecord>& Calls() const { return calls_; }
    // True while a message to the plug-in, or one of its procedures, has not returned
    // (inside a modal dialog, say).
    bool InCall() const { return depth_ > 0 || procedureDepth_ > 0; }

    // For as long as it lives, this thread runs the plug-in's code.
    class CodeOnStack {
      public:
        explicit CodeOnStack(PluginConnection& plugin);
        ~CodeOnStack();
        CodeOnStack(const CodeOnStack&) = delete;
        CodeOnStack& operator=(const CodeOnStack&) = delete;

      private:
        PluginConnection* outer_;
    };

    // For as long as it lives, the host is running one of the plug-in's procedures.
    class ProcedureCall {
      public:
        explicit ProcedureCall(PluginConnection& plugin) : plugin_(plugin), onStack_(plugin) {
            ++plugin_.procedureDepth_;
        }
        ~ProcedureCall() { --plugin_.procedureDepth_; }
        ProcedureCall(const ProcedureCall&) = delete;
        ProcedureCall& operator=(const ProcedureCall&) = delete;

      private:
        PluginConnection& plugin_;
        CodeOnStack onStack_;
    };

  private:
    HostErr Deliver(const char* caller, const char* selector, SPMessageData* header);

    Host& host_;
    PluginLibrary library_;
    const SuiteRegistry& suites_;
    SPBasicSuite* basic_;
    Trace& trace_;
    std::string name_;
    ResourceFile resources_;
    bool keptLoaded_ = false;
    void* globalsSlot_ = nullptr;
    int depth_ = 0;
    int procedureDepth_ = 0;
    std::vector<CallRecord> calls_;
};

}  // namespace emulator
