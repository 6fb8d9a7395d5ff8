#include "skin/model/stored_skin.h"

namespace sk {

void TskStoredSkin::ReadPictures(gui::TStream& stream)
{
    TskSkinPictures read;
    ReadSkinPictures(stream, read);
    pictures_ = std::move(read);
}

}  // namespace sk
