// The one wrapper every host function goes through: it finds the host, checks that the
// call comes from the user-interface thread, keeps exceptions from crossing into the
// plug-in, and traces the call.
#pragma once

#include <cstdint>
#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "emulator/common/text_encoding.h"
#include "emulator/core/host.h"

namespace emulator {

// How a value passed or answered is written in the trace. Strings from the plug-in are
// Windows-1252.
inline std::string TraceText(const char* text) {
    return text == nullptr ? "null" : "\"" + Cp1252ToUtf8(text) + "\"";
}
// A pointer as glibc writes "%p" ("(nil)", or 0x and lowercase hex), on every system: the
// Windows C library writes sixteen upper-case digits, and traces must compare.
inline std::string TraceText(const void* pointer) {
    if (pointer == nullptr) return "(nil)";
    char text[32];
    std::snprintf(text, sizeof text, "0x%llx",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(pointer)));
    return text;
}
template <typename Number>
requires std::is_arithmetic_v<Number> std::string TraceText(Number number) {
    return std::to_string(number);
}

// Formats "name=value, ..." for the trace.
class Arguments {
  public:
    template <typename Value>
    Arguments& Add(const char* name, Value value) {
        if (!text_.empty()) text_ += ", ";
        text_ += name;
        text_ += '=';
        text_ += TraceText(value);
        return *this;
    }
    // RECT's four sides, when there is one.
    Arguments& AddRect(const HostRect* rect) {
        if (rect == nullptr) return *this;
        return Add("left", rect->left)
            .Add("top", rect->top)
            .Add("right", rect->right)
            .Add("bottom", rect->bottom);
    }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// Runs BODY(host), stopping every exception: a std::invalid_argument from the host's
// objects is an argument they refuse, kHostErrBadParameter, as the plug-in's own mistake
// rather than the host's.
template <typename Body>
HostErr RunGuarded(Host& host, const char* suite, const char* function, Body& body) {
    try {
        return body(host);
    } catch (const std::bad_alloc&) {
        return kHostErrOutOfMemory;
    } catch (const std::invalid_argument&) {
        return kHostErrBadParameter;
    } catch (const std::exception& error) {
        host.Misuse(std::string(suite) + "." + function + ": " + error.what());
        return kHostErrInternal;
    } catch (...) {
        return kHostErrInternal;
    }
}

// Runs BODY(host) for SUITE.FUNCTION and traces it. DESCRIBE() yields the traced arguments
// and ANSWERED(result) what the function answered; they run only when tracing is on.
template <typename Describe, typename Body, typename Answered>
HostErr ServeTraced(const char* suite, const char* function, Describe describe, Body body,
                    Answered answered) {
    Host* host = Host::Serving();
    if (host == nullptr) return kHostErrWrongContext;
    if (!host->Loop().OnItsThread()) {
        // Nothing of the host may be touched from this thread: the user-interface thread
        // records the misuse when it next runs an event.
        std::string what =
            std::string(suite) + "." + function + ": called off the user-interface thread";
        host->Loop().Post({0, [host, what] { host->Misuse(what); }});
        return kHostErrWrongContext;
    }
    bool traced = host->TraceLog().Enabled();
    SuiteCallRecord call;
    if (traced) {
        call = {suite, function, describe().Text(), kHostNoError, ""};
        host->TraceLog().Begin(call);
    }
    HostErr result = RunGuarded(*host, suite, function, body);
    if (traced) {
        call.result = result;
        call.answer = answered(result);
        host->TraceLog().End(call);
    }
    return result;
}

// Serves a function that answers an error code: the trace shows the code.
template <typename Describe, typename Body>
HostErr Serve(const char* suite, const char* function, Describe describe, Body body) {
    return ServeTraced(suite, function, describe, body,
                       [](HostErr result) { return std::to_string(result); });
}

// Serves a function that answers a value rather than an error code: NONE, unless
// BODY(host, answer) sets ANSWER. The trace shows the answer, and the error the host met,
// if any.
template <typename Value, typename Describe, typename Body>
Value ServeAnswer(const char* suite, const char* function, Value none, Describe describe,
                  Body body) {
    Value answer = none;
    ServeTraced(
        suite, function, describe, [&](Host& host) { return body(host, answer); },
        [&](HostErr result) {
            std::string text = TraceText(answer);
            if (result != kHostNoError) text += " (error " + std::to_string(result) + ")";
            return text;
        });
    return answer;
}

}  // namespace emulator
