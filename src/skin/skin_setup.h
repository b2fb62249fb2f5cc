#pragma once
// Building the face's surfaces and choosing the sheet from the background
// setting.

#include <string>

#include "skin/skin_surfaces.h"

namespace rq {

// The background choice that means the built-in sheet; it names no file.
inline constexpr char kDefaultBackgroundName[] =
    "\xE3\x83\x87\xE3\x83\x95\xE3\x82\xA9\xE3\x83\xAB\xE3\x83\x88";  // "デフォルト"

// "<files folder>bg/<name>"; the folder ends in "/".
std::string background_path(const std::string& files_folder, const std::string& name);

// Loads SkinSheet from the background file, or from the built-in sheet when
// the name is empty or "デフォルト", the file is missing or it is not a
// picture the face can use. True when the file was taken.
bool load_skin_sheet(SkinSurfaces& skin, const std::string& files_folder,
                     const std::string& background_name);

// All three surfaces: the sheet as above, FaceBuffer and TextCanvas from
// the built-in pictures.
void build_skin_surfaces(SkinSurfaces& skin, const std::string& files_folder,
                         const std::string& background_name);

}  // namespace rq
