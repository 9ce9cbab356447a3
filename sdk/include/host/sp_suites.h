/*
 * The suite-provider's own suites. The plug-in acquires them with every message; it calls
 * none of their functions, so their tables are empty.
 */
#ifndef HOST_SP_SUITES_H
#define HOST_SP_SUITES_H

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

#endif
