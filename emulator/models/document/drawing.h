// A drawing apart from any document: what a file keeps of one and what a document is rebuilt
// from. Plain values, no handles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/types.h"

namespace emulator {

struct Tag {
    std::string name;  // UTF-8, as every text the document keeps
    std::string type;
    std::string value;

    bool operator==(const Tag&) const = default;
};

// The page the artwork is laid on, in points: A4 unless a file says otherwise.
struct PageSize {
    float width = 595;
    float height = 842;

    bool operator==(const PageSize&) const = default;
};

struct DrawnArt {
    int32_t type = 0;  // kHostGroupArt or kHostPathArt
    std::string name;
    std::vector<DrawnArt> children;  // groups only, from top to bottom
    std::vector<HostPathSegment> segments;
    bool closed = false;
    bool guide = false;
    std::vector<Tag> tags;
};

struct DrawnLayer {
    std::string title;
    bool locked = false;
    bool visible = true;
    bool current = false;
    HostRGBColor color{};
    std::vector<DrawnArt> art;  // the top-level group's, from top to bottom
};

struct Drawing {
    PageSize page;
    std::vector<DrawnLayer> layers;  // index 0 on top; one is current
};

}  // namespace emulator
