// The entry of the library with a planted fault, which the validator's test must catch: the
// plug-in's own code, but the path suite it acquires writes a rectangle's fourth vertex as
// NaN. The fault sits between the plug-in and the host, so the plug-in's sources stay as
// they ship.
#include <cstring>
#include <limits>

#include "geometry/formes.h"
#include "host/ai_art.h"
#include "host/messages.h"
#include "plugin/dispatch.h"
#include "settings/figure_courante.h"

namespace {

SPBasicSuite* gHostBasic = nullptr;
SPBasicSuite gFaultyBasic{};
AIPathSuite8 gFaultyPath{};
decltype(AIPathSuite8::SetPathSegments) gHostSetPathSegments = nullptr;

HostErr HOST_API SetPathSegmentsWithFault(HostArtHandle path, int16_t first, int16_t count,
                                          const HostPathSegment* segments) {
    if (first != 3 || count != 1 || FormeCourante() != Forme::Rectangle)
        return gHostSetPathSegments(path, first, count, segments);
    HostPathSegment fourth = *segments;
    fourth.p.h = std::numeric_limits<HostReal>::quiet_NaN();
    return gHostSetPathSegments(path, first, count, &fourth);
}

HostErr HOST_API AcquireSuiteWithFault(const char* name, int32_t version, const void** suite) {
    HostErr result = gHostBasic->AcquireSuite(name, version, suite);
    if (result != kHostNoError || std::strcmp(name, kAIPathSuite) != 0) return result;
    gFaultyPath = *static_cast<const AIPathSuite8*>(*suite);
    gHostSetPathSegments = gFaultyPath.SetPathSegments;
    gFaultyPath.SetPathSegments = SetPathSegmentsWithFault;
    *suite = &gFaultyPath;
    return result;
}

// The basic suite the plug-in is given instead of the host's: the host's, but the path
// suite it hands out carries the fault.
SPBasicSuite* FaultyBasic(SPBasicSuite* host) {
    gHostBasic = host;
    gFaultyBasic = *host;
    gFaultyBasic.AcquireSuite = AcquireSuiteWithFault;
    return &gFaultyBasic;
}

}  // namespace

extern "C" HOST_PLUGIN_EXPORT HostErr HOST_API PluginMain(const char* caller, const char* selector,
                                                          void* message) noexcept {
    auto* header = static_cast<SPMessageData*>(message);
    if (header == nullptr || header->basic == nullptr) return kHostErrBadParameter;
    SPBasicSuite* host = header->basic;
    header->basic = FaultyBasic(host);
    HostErr result = kHostErrInternal;
    try {
        result = Distribuer(caller, selector, message);
    } catch (...) {
        // Nothing may unwind into the host.
    }
    header->basic = host;
    return result;
}
