// What every PMI item of an annotation carries besides its meaning: its
// leader and a name (the presentation's, the one name the reader keeps),
// and where its text stands (the annotation plane's origin and the text
// point, which the reader keeps for datums, tolerances and dimensions).
#pragma once

#include <TCollection_HAsciiString.hxx>
#include <TopoDS_Shape.hxx>
#include <gp.hxx>
#include <gp_Ax2.hxx>
#include <gp_Pnt.hxx>

namespace draftlift_tool::step {

// The text of segment s of a frame stands s steps below the anchor, so that
// the reader can tell stacked segments from composite rows.
constexpr double kSegmentStep = 1.0;

// A note's text is the name of a presentation of its own, whose leader ends
// this many steps above (text1, text5) or below (text2, text3) the
// annotation's leader: the reader keeps no text point for it.
constexpr double kNoteStep = 1.0;

template <class Object>
void Present(const Object& object, const TopoDS_Shape& leader, const Handle(TCollection_HAsciiString)& name,
             const gp_Pnt& text) {
    object->SetPresentation(leader, name);
    object->SetPlane(gp_Ax2(text, gp::DZ(), gp::DX()));
    object->SetPointTextAttach(text);
}

}  // namespace draftlift_tool::step
