// The guard of every procedure the dialog manager calls directly (item notifiers,
// drawers and trackers, dialog initialisers and draw procedures): nothing thrown may
// unwind into the host, and a procedure that throws half-way must not leave behind the
// holds on the suites it took.
//
// A procedure is attached as Procedure<F> (F returns nothing) or Procedure<F, REPLI>
// (F's answer is REPLI when it throws): the guarded function runs F.
#pragma once

#include <cstdint>

#include "host/types.h"
#include "plugin/hote/suites.h"

namespace garde {

template <typename Signature>
struct Garde;

template <typename Resultat, typename... Arguments>
struct Garde<Resultat (*)(Arguments...)> {
    template <Resultat (*Corps)(Arguments...), Resultat Repli>
    static Resultat HOST_API Appel(Arguments... arguments) noexcept {
        int16_t niveau = ImbricationSuites();
        try {
            return Corps(arguments...);
        } catch (...) {
            RamenerSuites(niveau);
            return Repli;
        }
    }
};

template <typename... Arguments>
struct Garde<void (*)(Arguments...)> {
    template <void (*Corps)(Arguments...)>
    static void HOST_API Appel(Arguments... arguments) noexcept {
        int16_t niveau = ImbricationSuites();
        try {
            Corps(arguments...);
        } catch (...) {
            RamenerSuites(niveau);
        }
    }
};

}  // namespace garde

template <auto Corps, auto... Repli>
constexpr auto Procedure = &garde::Garde<decltype(Corps)>::template Appel<Corps, Repli...>;
