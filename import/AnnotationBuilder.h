// The annotation a decoded note record describes, built with the scene
// library's classes and not yet handed to the scene.
#pragma once

#include <boost/shared_ptr.hpp>

#include "host/Mastercam.h"
#include "host/kscene/KMBD.h"
#include "import/RecordReader.h"

namespace noteimport {

// Empty for record kinds that make no object. The record's texts are moved
// into the annotation.
boost::shared_ptr<KMBDBase> BuildAnnotation(NoteRecord record, const p_3d& basePoint);

}  // namespace noteimport
