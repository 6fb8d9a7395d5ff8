// The classes of the automation object model and their collections.
#pragma once

#include "com/collection.h"
#include "velmora.h"

namespace velmora {

using DrivesCollection = com::Collection<IDrivesCollection, IDrive>;
using TracksCollection = com::Collection<ITracksCollection, ITrack>;
using CDDBRecordsCollection = com::Collection<ICDDBRecordsCollection, ICDDBRecord>;

}  // namespace velmora
