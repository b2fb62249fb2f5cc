#include "skin/skin_setup.h"

namespace rq {

std::string background_path(const std::string& files_folder, const std::string& name) {
    return files_folder + "bg/" + name;
}

bool load_skin_sheet(SkinSurfaces& skin, const std::string& files_folder,
                     const std::string& background_name) {
    if (!background_name.empty() && background_name != kDefaultBackgroundName &&
        skin.skin_sheet.load_from_file(background_path(files_folder, background_name)))
        return true;
    skin.skin_sheet.load_from_resource(kSkinSheetResource);
    return false;
}

void build_skin_surfaces(SkinSurfaces& skin, const std::string& files_folder,
                         const std::string& background_name) {
    load_skin_sheet(skin, files_folder, background_name);
    skin.face_buffer.load_from_resource(kSkinSheetResource);
    skin.text_canvas.load_from_resource(kTextCanvasResource);
}

}  // namespace rq
