/*
 * The basic suite: the one table of host functions the plug-in gets with every message.
 * Through it the plug-in acquires every other suite and allocates memory.
 */
#ifndef HOST_BASIC_H
#define HOST_BASIC_H

#include "host/types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SPBasicSuite {
    /* Fills *suite with the function table of the suite NAME at VERSION. Unknown name or
       version: kHostErrSuiteNotFound and *suite is set to null. The table stays valid until
       the matching ReleaseSuite; the host counts each acquisition. Any message context. */
    HostErr(HOST_API* AcquireSuite)(const char* name, int32_t version, const void** suite);

    /* Gives back one acquisition of NAME at VERSION. A suite that is not held:
       kHostErrSuiteNotHeld. Any message context. */
    HostErr(HOST_API* ReleaseSuite)(const char* name, int32_t version);

    /* True when the two zero-terminated strings are equal. The plug-in compares caller and
       selector strings with this, never byte by byte. */
    HostBool32(HOST_API* IsEqual)(const char* token1, const char* token2);

    /* Allocates SIZE bytes into *block. The contents are not cleared. The plug-in owns the
       block until it frees it with FreeBlock. Failure: kHostErrOutOfMemory, *block null. */
    HostErr(HOST_API* AllocateBlock)(uint32_t size, void** block);

    /* Frees a block from AllocateBlock. A block the host did not hand out:
       kHostErrBadParameter, and nothing is freed. */
    HostErr(HOST_API* FreeBlock)(void* block);
} SPBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
