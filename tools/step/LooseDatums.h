// Datum features as the file states them. Open CASCADE 7.6's reader takes a
// datum feature only through the tolerances that reference it, and leaves
// the others out of the document: these are read from the file's entities.
#pragma once

#include <vector>

#include <TopoDS_Shape.hxx>
#include <XSControl_WorkSession.hxx>

#include "host/WinTypes.h"

namespace draftlift_tool::step {

struct LooseDatum {
    TopoDS_Shape shape;  // what the feature is attached to
    WString letters;
    WString name;  // its presentation's
};

std::vector<LooseDatum> DatumFeaturesOf(const Handle(XSControl_WorkSession)& session);

}  // namespace draftlift_tool::step
