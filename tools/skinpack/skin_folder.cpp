#include "tools/skinpack/skin_folder.h"

#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"
#include "gui/core/mem_ini_file.h"
#include "gui/core/memory_stream.h"
#include "gui/core/strings.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/jpeg_name.h"
#include "skin/model/skin_model.h"
#include "skin/model/stored_skin.h"
#include "skin/model/value_syntax.h"
#include "tools/skinpack/jpeg_picture.h"

namespace sk {

namespace {

enum class PictureFiles { BmpOnly, BmpOrJpeg };

// The description at path, as lines and as an INI file.
struct SkinFile {
    explicit SkinFile(const std::string& path)
    {
        lines.LoadFromFile(path);
        ini.SetStrings(lines);
        const size_t slash = path.find_last_of("/\\");
        folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
        fileName = path.substr(folder.size());
    }

    gui::BmpImage LoadPicture(const std::string& name, PictureFiles kinds) const
    {
        gui::BmpImage picture;
        if (name.empty())
            return picture;
        if (kinds == PictureFiles::BmpOrJpeg && IsJpegFileName(name)) {
            LoadJpegPicture(picture, folder + name);
            return picture;
        }
        gui::TFileStream file(folder + name, gui::fmOpenRead);
        return gui::ReadBmp(file);
    }

    TskSkinPictures LoadPictures(PictureFiles kinds)
    {
        TskSkinPictures pictures;
        pictures.Picture = LoadPicture(ini.ReadString("PICTURES", "picture", ""), kinds);
        pictures.Mask = LoadPicture(ini.ReadString("PICTURES", "mask", ""), kinds);
        pictures.RollUpPicture = LoadPicture(ini.ReadString("PICTURES", "rolluppicture", ""), kinds);
        pictures.RollUpMask = LoadPicture(ini.ReadString("PICTURES", "rollupmask", ""), kinds);
        gui::TStringList names;
        ReadIndexedList(ini, "PICTURES", "activepictures", names);
        for (int32_t i = 0; i < names.Count(); ++i)
            pictures.ActivePictures.push_back(LoadPicture(names[i], kinds));
        return pictures;
    }

    gui::TStringList lines;
    gui::TMemIniFile ini;
    std::string folder;
    std::string fileName;
};

}  // namespace

void LoadFromSkinFile(TskStoredSkin& skin, const std::string& path)
{
    SkinFile file(path);
    TskSkinPictures pictures = file.LoadPictures(PictureFiles::BmpOrJpeg);
    skin.SetFileName(file.fileName);
    skin.SetIniStrings(file.lines);
    skin.Pictures() = std::move(pictures);
}

bool PackSkinFile(TskCompressedStoredSkin& skin, const std::string& path)
{
    SkinFile file(path);
    if (!CheckSkinSections(file.ini))
        return false;
    gui::TMemoryStream payload;
    WriteSkinPayload(payload, file.LoadPictures(PictureFiles::BmpOnly), file.lines);
    skin.Compress(payload);
    skin.SetFileName(file.fileName);
    return true;
}

}  // namespace sk
