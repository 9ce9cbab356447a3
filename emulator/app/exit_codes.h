// What ortaq-host's exit status means.
#pragma once

enum ExitCode {
    kExitOk = 0,
    kExitFailure = 1,        // bad command line, a file that cannot be read or written
    kExitBadScenario = 2,    // a scenario line that is not well formed or cannot be played
    kExitModalLeftOpen = 3,  // the scenario ended while an alert or modal dialog was open
    kExitRunFailed = 4,      // an invariant broke (play --check), or a validation run failed
};
