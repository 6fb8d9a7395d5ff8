// A whole skin carried inside the program as one zlib-compressed blob (the
// skin payload of skin_pictures.h, deflated), filled from the form's binary data
// ("CompressedData") and read by the skin data component.
#pragma once

#include <string>

#include "gui/core/component.h"
#include "gui/core/memory_stream.h"

namespace sk {

class TskCompressedStoredSkin : public gui::TComponent {
public:
    explicit TskCompressedStoredSkin(gui::TComponent* owner) : TComponent(owner) {}

    // The description file the blob was packed from, without folder.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& value) { fileName_ = value; }

    bool IsEmpty() { return blob_.Size() == 0; }
    // The binary "CompressedData": read from the stream's position to its end, and
    // written whole.
    void ReadCompressedData(gui::TStream& stream);
    void WriteCompressedData(gui::TStream& stream);
    // Packs a skin payload into the blob.
    void Compress(gui::TStream& payload);
    // Inflates the blob onto target; EDecompressionError for a blob that is not a
    // whole zlib stream.
    void Decompress(gui::TMemoryStream& target);

private:
    std::string fileName_;
    gui::TMemoryStream blob_;
};

}  // namespace sk
