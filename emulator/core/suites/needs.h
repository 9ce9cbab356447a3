// What a host function needs of its arguments before it does anything: pointers that must
// not be null, values in range, handles that must designate the host's objects. The
// function declares them in order, Needs(NonNull(out), Resolve(FindLayer, layer)), and its
// body gets the host and the objects found, by reference; the first need not met answers
// the call, kHostErrBadParameter for a value, kHostErrBadHandle for a handle (which its
// finder records as misuse).
#pragma once

#include <string>
#include <tuple>
#include <type_traits>

#include "emulator/core/host.h"
#include "emulator/core/suites/serve.h"

namespace emulator {

// Refuses the call with kHostErrBadParameter unless HOLDS.
class Valid {
  public:
    explicit Valid(bool holds) : holds_(holds) {}

    template <typename Next>
    HostErr operator()(Host&, const char*, Next next) const {
        return holds_ ? next() : kHostErrBadParameter;
    }

  private:
    bool holds_;
};

template <typename... Pointers>
Valid NonNull(Pointers... pointers) {
    return Valid(((pointers != nullptr) && ...));
}

// An out-parameter that must not be null, emptied before anything else can fail, so that it
// holds nothing when the call is refused.
template <typename Value>
class Cleared {
  public:
    explicit Cleared(Value* out) : out_(out) {}

    template <typename Next>
    HostErr operator()(Host&, const char*, Next next) const {
        if (out_ == nullptr) return kHostErrBadParameter;
        *out_ = Value{};
        return next();
    }

  private:
    Value* out_;
};

// The object HANDLE designates, as FIND(host, handle, function) finds it; FIND records an
// unknown handle as misuse, and the call is refused.
template <typename Object, typename Handle>
class Resolve {
  public:
    using Finder = Object* (*)(Host&, Handle, const char*);
    Resolve(Finder find, Handle handle) : find_(find), handle_(handle) {}

    Object* Find(Host& host, const char* function) const { return find_(host, handle_, function); }

    template <typename Next>
    HostErr operator()(Host& host, const char* function, Next next) const {
        Object* object = Find(host, function);
        return object != nullptr ? next(*object) : kHostErrBadHandle;
    }

  protected:
    Handle Given() const { return handle_; }

  private:
    Finder find_;
    Handle handle_;
};

// As Resolve, for a handle the plug-in may leave null: the body then gets a null pointer,
// else a pointer to the object.
template <typename Object, typename Handle>
class ResolveIfGiven : public Resolve<Object, Handle> {
  public:
    using Resolve<Object, Handle>::Resolve;

    template <typename Next>
    HostErr operator()(Host& host, const char* function, Next next) const {
        Object* object = nullptr;
        if (this->Given() != nullptr && (object = this->Find(host, function)) == nullptr)
            return kHostErrBadHandle;
        return next(object);
    }
};

template <typename Object, typename Handle>
Resolve(Object* (*)(Host&, Handle, const char*), Handle) -> Resolve<Object, Handle>;
template <typename Object, typename Handle>
ResolveIfGiven(Object* (*)(Host&, Handle, const char*), Handle) -> ResolveIfGiven<Object, Handle>;

// Several handles, all looked up, each unknown one recorded, before the call is refused.
template <typename... Resolves>
class ResolveEach {
  public:
    explicit ResolveEach(Resolves... each) : each_(each...) {}

    template <typename Next>
    HostErr operator()(Host& host, const char* function, Next next) const {
        // A braced list looks them up from left to right.
        auto found = std::apply(
            [&](const Resolves&... each) { return std::tuple{each.Find(host, function)...}; },
            each_);
        return std::apply(
            [&](auto*... objects) {
                return ((objects != nullptr) && ...) ? next(*objects...) : kHostErrBadHandle;
            },
            found);
    }

  private:
    std::tuple<Resolves...> each_;
};

// A plug-in reference that must be the caller's own: another is misuse.
class OwnPlugin {
  public:
    explicit OwnPlugin(HostPluginRef plugin) : plugin_(plugin) {}

    template <typename Next>
    HostErr operator()(Host& host, const char* function, Next next) const {
        if (plugin_ == host.Plugin().Ref()) return next();
        host.Misuse(std::string(function) + " with a foreign plug-in reference");
        return kHostErrBadHandle;
    }

  private:
    HostPluginRef plugin_;
};

// The needs of a function, met in the order given. Each is called as STEP(host, function,
// next): it answers the call itself, or passes what it found, if anything, to NEXT.
template <typename... Steps>
class Needs {
  public:
    explicit Needs(Steps... steps) : steps_(steps...) {}

    // BODY(host, found...) once every need is met; a body that cannot fail returns nothing.
    template <typename Body>
    HostErr Run(Host& host, const char* function, Body& body) const {
        auto answer = [&](auto&... found) -> HostErr {
            if constexpr (std::is_void_v<decltype(body(host, found...))>) {
                body(host, found...);
                return kHostNoError;
            } else {
                return body(host, found...);
            }
        };
        return std::apply(
            [&](const Steps&... steps) { return Meet(host, function, answer, steps...); }, steps_);
    }

  private:
    template <typename Next>
    static HostErr Meet(Host&, const char*, Next& next) {
        return next();
    }

    // STEP passes what it found on, to be given to NEXT after what the later steps find.
    template <typename Next, typename Step, typename... Rest>
    static HostErr Meet(Host& host, const char* function, Next& next, const Step& step,
                        const Rest&... rest) {
        return step(host, function, [&](auto&... found) {
            auto later = [&](auto&... more) { return next(found..., more...); };
            return Meet(host, function, later, rest...);
        });
    }

    std::tuple<Steps...> steps_;
};

// Serves a function that answers an error code once NEEDS are met.
template <typename Describe, typename... Steps, typename Body>
HostErr Serve(const char* suite, const char* function, Describe describe,
              const Needs<Steps...>& needs, Body body) {
    return Serve(suite, function, describe,
                 [&](Host& host) { return needs.Run(host, function, body); });
}

// Serves a function that answers what ANSWER(host, found...) gives once NEEDS are met, NONE
// otherwise.
template <typename Value, typename Describe, typename... Steps, typename Answer>
Value ServeValue(const char* suite, const char* function, Value none, Describe describe,
                 const Needs<Steps...>& needs, Answer answer) {
    return ServeAnswer(suite, function, none, describe, [&](Host& host, Value& value) {
        auto body = [&](Host& served, auto&... found) { value = answer(served, found...); };
        return needs.Run(host, function, body);
    });
}

}  // namespace emulator
