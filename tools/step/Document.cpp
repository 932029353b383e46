#include "tools/step/Document.h"

#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>

namespace draftlift_tool::step {

PmiDocument::PmiDocument() {
    XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", m_document);
    m_shapes = XCAFDoc_DocumentTool::ShapeTool(m_document->Main());
    m_dimTol = XCAFDoc_DocumentTool::DimTolTool(m_document->Main());
}

PmiDocument::~PmiDocument() {
    // The application keeps every document it made until it is closed.
    if (m_document->CanClose() == CDM_CCS_OK) m_document->Close();
}

}  // namespace draftlift_tool::step
