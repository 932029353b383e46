// An XDE document with the tools the bridge works through: the shapes the
// annotations are attached to, and their dimensions, tolerances and datums.
// Closed when it ends.
#pragma once

#include <TDocStd_Document.hxx>
#include <XCAFDoc_DimTolTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>

namespace draftlift_tool::step {

class PmiDocument {
public:
    PmiDocument();
    ~PmiDocument();
    PmiDocument(const PmiDocument&) = delete;
    PmiDocument& operator=(const PmiDocument&) = delete;

    const Handle(TDocStd_Document)& Document() const { return m_document; }
    const Handle(XCAFDoc_ShapeTool)& Shapes() const { return m_shapes; }
    const Handle(XCAFDoc_DimTolTool)& DimTol() const { return m_dimTol; }

private:
    Handle(TDocStd_Document) m_document;
    Handle(XCAFDoc_ShapeTool) m_shapes;
    Handle(XCAFDoc_DimTolTool) m_dimTol;
};

}  // namespace draftlift_tool::step
