#include "skin/model/compressed_stored_skin.h"

#include "skin/model/zlib_streams.h"

namespace sk {

void TskCompressedStoredSkin::ReadCompressedData(gui::TStream& stream)
{
    gui::TMemoryStream read;
    const int64_t left = stream.Size() - stream.Position();
    if (left > 0)
        read.CopyFrom(stream, left);
    blob_.Clear();
    if (read.Size() > 0)
        blob_.CopyFrom(read, 0);
}

void TskCompressedStoredSkin::WriteCompressedData(gui::TStream& stream)
{
    if (!IsEmpty())
        stream.CopyFrom(blob_, 0);
}

void TskCompressedStoredSkin::Compress(gui::TStream& payload)
{
    gui::TMemoryStream packed;
    CompressSkinStream(payload, packed);
    blob_.Clear();
    blob_.CopyFrom(packed, 0);
}

void TskCompressedStoredSkin::Decompress(gui::TMemoryStream& target) { DecompressSkinStream(target, blob_); }

}  // namespace sk
