// The one wrapper every host function goes through: it finds the host, keeps exceptions
// from crossing into the plug-in, and traces the call.
#pragma once

#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "emulator/host/host.h"
#include "emulator/host/text_encoding.h"

namespace host {

// Formats "name=value, ..." for the trace. Strings from the plug-in are Windows-1252.
class Arguments {
  public:
    Arguments& Add(const char* name, const char* text) {
        return Put(name, text == nullptr ? "null" : "\"" + Cp1252ToUtf8(text) + "\"");
    }
    Arguments& Add(const char* name, const void* pointer) {
        char text[32];
        std::snprintf(text, sizeof text, "%p", pointer);
        return Put(name, text);
    }
    template <typename Number>
    requires std::is_arithmetic_v<Number> Arguments& Add(const char* name, Number number) {
        return Put(name, std::to_string(number));
    }
    const std::string& Text() const { return text_; }

  private:
    Arguments& Put(const char* name, const std::string& value) {
        if (!text_.empty()) text_ += ", ";
        text_ += name;
        text_ += '=';
        text_ += value;
        return *this;
    }
    std::string text_;
};

// Runs BODY(host) for SUITE.FUNCTION. DESCRIBE() yields the traced arguments; it runs only
// when tracing is on. A std::invalid_argument from the host's objects is an argument they
// refuse: kHostErrBadParameter, as the plug-in's own mistake rather than the host's.
template <typename Describe, typename Body>
HostErr Serve(const char* suite, const char* function, Describe describe, Body body) {
    Host* host = Host::Current();
    if (host == nullptr) return kHostErrWrongContext;
    HostErr result = kHostNoError;
    try {
        result = body(*host);
    } catch (const std::bad_alloc&) {
        result = kHostErrOutOfMemory;
    } catch (const std::invalid_argument&) {
        result = kHostErrBadParameter;
    } catch (const std::exception& error) {
        host->Misuse(std::string(suite) + "." + function + ": " + error.what());
        result = kHostErrInternal;
    } catch (...) {
        result = kHostErrInternal;
    }
    if (host->trace.Enabled()) host->trace.Record({suite, function, describe().Text(), result});
    return result;
}

}  // namespace host
