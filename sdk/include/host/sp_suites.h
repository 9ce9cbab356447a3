/*
 * The suite-provider's own suites. A suite with no function declared here has an empty
 * table.
 */
#ifndef HOST_SP_SUITES_H
#define HOST_SP_SUITES_H

#include "host/types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

typedef struct SPAccessSuite3 {
    /* The access reference of PLUGIN. A plug-in that holds it stays loaded: the host never
       unloads its code, since the dialog manager may call its procedures at any time. */
    HostErr(HOST_API* GetPluginAccess)(HostPluginRef plugin, HostAccessRef* access);
} SPAccessSuite3;

#ifdef __cplusplus
}
#endif

#endif
