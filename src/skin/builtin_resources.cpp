#include "skin/builtin_resources.h"

#include "skin/skin_surface.h"

// Defined by the generated embedding file, which includes the files the
// art generator drew.
extern "C" {
extern const char rq_res_icon[], rq_res_icon_end[];
extern const char rq_res_sheet[], rq_res_sheet_end[];
extern const char rq_res_canvas[], rq_res_canvas_end[];
}

namespace rq {

std::string_view builtin_resource(int id) {
    struct Entry {
        int id;
        const char* begin;
        const char* end;
    };
    const Entry table[] = {
        {kIconResource, rq_res_icon, rq_res_icon_end},
        {kSkinSheetResource, rq_res_sheet, rq_res_sheet_end},
        {kTextCanvasResource, rq_res_canvas, rq_res_canvas_end},
    };
    for (const Entry& e : table)
        if (e.id == id) return {e.begin, size_t(e.end - e.begin)};
    return {};
}

}  // namespace rq
