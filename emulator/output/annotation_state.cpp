#include "emulator/output/annotation_state.h"

namespace emulator {
namespace {

Json ColourState(const HostRGBColor& color) {
    return Json::array({color.red, color.green, color.blue});
}

Json RectState(const HostRect& rect) {
    return Json::array({rect.left, rect.top, rect.right, rect.bottom});
}

Json OperationState(const AnnotationOp& op) {
    Json entry = Json::object();
    entry["op"] = op.op;
    entry["coords"] = Json::array({op.coords[0], op.coords[1], op.coords[2], op.coords[3]});
    entry["color"] = ColourState(op.color);
    if (op.op == "text") {
        entry["text"] = op.text;
        entry["align"] = Json::array({op.hAlign, op.vAlign});
        entry["font"] = op.font;
        return entry;
    }
    entry["line_width"] = JsonFloat(op.lineWidth);
    if (op.op != "line") entry["filled"] = op.filled;
    return entry;
}

}  // namespace

Json AnnotationsState(const Host& host) {
    Json annotators = Json::array();
    host.Annotators().ForEach([&](const Annotator& annotator) {
        Json entry = Json::object();
        entry["name"] = annotator.name;
        entry["active"] = annotator.active;
        annotators.push_back(std::move(entry));
    });
    Json drawing = Json::array();
    for (const AnnotationOp& op : host.Annotations().Operations())
        drawing.push_back(OperationState(op));
    Json invalidated = Json::array();
    for (const HostRect& rect : host.Annotations().Invalidated())
        invalidated.push_back(RectState(rect));
    Json state = Json::object();
    state["annotators"] = std::move(annotators);
    state["drawing"] = std::move(drawing);
    state["invalidated"] = std::move(invalidated);
    return state;
}

}  // namespace emulator
