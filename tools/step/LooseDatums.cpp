#include "tools/step/LooseDatums.h"

#include <Interface_EntityIterator.hxx>
#include <Interface_Graph.hxx>
#include <StepAP242_DraughtingModelItemAssociation.hxx>
#include <StepAP242_GeometricItemSpecificUsage.hxx>
#include <StepDimTol_Datum.hxx>
#include <StepDimTol_DatumFeature.hxx>
#include <StepRepr_RepresentationItem.hxx>
#include <StepRepr_ShapeAspectRelationship.hxx>
#include <TransferBRep.hxx>
#include <XSControl_TransferReader.hxx>

#include "tools/step/Text.h"

namespace draftlift_tool::step {
namespace {

// What the feature's sharing entities say of it: its datum's letters, the
// item it is attached to, its presentation's name.
LooseDatum Described(const Handle(StepDimTol_DatumFeature)& feature, const Interface_Graph& graph,
                     const Handle(Transfer_TransientProcess)& process) {
    LooseDatum datum;
    for (Interface_EntityIterator sharing = graph.Sharings(feature); sharing.More(); sharing.Next()) {
        const Handle(Standard_Transient)& entity = sharing.Value();
        if (const auto relation = Handle(StepRepr_ShapeAspectRelationship)::DownCast(entity)) {
            if (const auto letters = Handle(StepDimTol_Datum)::DownCast(relation->RelatedShapeAspect())) {
                datum.letters = ModelText(letters->Identification());
            }
        } else if (const auto presentation = Handle(StepAP242_DraughtingModelItemAssociation)::DownCast(entity)) {
            if (presentation->NbIdentifiedItem() > 0) datum.name = ModelText(presentation->IdentifiedItemValue(1)->Name());
        } else if (const auto usage = Handle(StepAP242_GeometricItemSpecificUsage)::DownCast(entity)) {
            if (usage->NbIdentifiedItem() > 0) datum.shape = TransferBRep::ShapeResult(process, usage->IdentifiedItemValue(1));
        }
    }
    return datum;
}

}  // namespace

std::vector<LooseDatum> DatumFeaturesOf(const Handle(XSControl_WorkSession)& session) {
    std::vector<LooseDatum> datums;
    const Handle(Interface_InterfaceModel) model = session->Model();
    const Handle(Transfer_TransientProcess) process = session->TransferReader()->TransientProcess();
    if (model.IsNull() || process.IsNull()) return datums;
    const Interface_Graph& graph = session->Graph();
    for (int n = 1; n <= model->NbEntities(); ++n) {
        const auto feature = Handle(StepDimTol_DatumFeature)::DownCast(model->Value(n));
        if (feature.IsNull()) continue;
        LooseDatum datum = Described(feature, graph, process);
        if (!datum.shape.IsNull() && !datum.letters.empty()) datums.push_back(std::move(datum));
    }
    return datums;
}

}  // namespace draftlift_tool::step
