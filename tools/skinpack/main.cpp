// skinpack: turns a skin folder into what the program carries.
//   skinpack pack SKIN.INI BLOB
//     the compressed skin (BMP pictures only)
//   skinpack store SKIN.INI PICTURES DESCRIPTION
//     the stored skin: its pictures stream (BMP or JPEG pictures) and its
//     description lines
#include <cstdio>
#include <string>

#include "gui/core/exceptions.h"
#include "gui/core/file_stream.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/stored_skin.h"
#include "tools/skinpack/skin_folder.h"

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: skinpack pack SKIN.INI BLOB\n"
                 "       skinpack store SKIN.INI PICTURES DESCRIPTION\n");
    return 2;
}

int Pack(const std::string& description, const std::string& blobFile)
{
    sk::TskCompressedStoredSkin skin(nullptr);
    if (!sk::PackSkinFile(skin, description)) {
        std::fprintf(stderr, "skinpack: %s lacks one of the sections VERSION, PICTURES, FORMINFO, "
                             "SKINOBJECTS, SKINCONTROLS\n", description.c_str());
        return 1;
    }
    gui::TFileStream out(blobFile, gui::fmCreate);
    skin.WriteCompressedData(out);
    return 0;
}

int Store(const std::string& description, const std::string& picturesFile, const std::string& linesFile)
{
    sk::TskStoredSkin skin(nullptr);
    sk::LoadFromSkinFile(skin, description);
    {
        gui::TFileStream out(picturesFile, gui::fmCreate);
        skin.WritePictures(out);
    }
    skin.IniStrings().SaveToFile(linesFile);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "pack" && argc == 4)
            return Pack(argv[2], argv[3]);
        if (command == "store" && argc == 5)
            return Store(argv[2], argv[3], argv[4]);
        return Usage();
    } catch (const gui::Exception& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
        return 1;
    }
}
