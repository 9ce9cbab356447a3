// The drawing file: an SVG picture any browser or vector editor opens, which also keeps what
// the host needs to rebuild the document exactly. What the writer and the reader agree on.
//
//   <svg xmlns=SVG xmlns:inkscape=... xmlns:sodipodi=... xmlns:ortaq=... version="1.1"
//        ortaq:format="1" width="Wpt" height="Hpt" viewBox="0 0 W H">
//     <g inkscape:groupmode="layer" inkscape:label=TITLE transform="matrix(1 0 0 -1 0 H)"
//        ortaq:color="R G B" [ortaq:current="true"] [sodipodi:insensitive="true"]
//        [style="display:none"]>                              one per layer, topmost last
//       <g [inkscape:label=NAME ortaq:name=NAME]> ... </g>    a group, its art topmost last
//       <path d=OUTLINE fill stroke stroke-width ortaq:segments=NUMBERS [ortaq:closed="true"]
//             [ortaq:guide="true"] [inkscape:label=NAME ortaq:name=NAME]>
//         <ortaq:tag name=N type=T value=V/>                  the path's tags, in order
//       </path>
//     </g>
//   </svg>
//
// SVG paints later elements over earlier ones, so art is written from the bottom up. The
// layers' transform turns the artwork's vertical axis (up) into SVG's (down), so every
// number is the artwork's own. ortaq:segments holds seven numbers a segment (anchor, in
// handle, out handle, then 1 for a corner or 0), each the shortest text that reads back as
// the same float32; the outline `d` is only for the eye.
#pragma once

#include <cstddef>
#include <cstdint>

namespace emulator::drawing_file {

constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
constexpr const char* kSodipodiNamespace = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";
constexpr const char* kOrtaqNamespace = "urn:x-ortaq:drawing";
constexpr const char* kFormat = "1";

// The numbers written for each segment.
constexpr size_t kNumbersPerSegment = 7;

// What a file may hold at most: beyond, it is refused before the document is touched.
constexpr uintmax_t kMaxFileBytes = 64u << 20;
constexpr size_t kMaxElements = 1'000'000;
constexpr size_t kMaxGroupDepth = 64;  // groups within groups under a layer
constexpr float kMaxPageSide = 100'000;

}  // namespace emulator::drawing_file
