#include <Interface_Static.hxx>
#include <STEPCAFControl_Controller.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepData_Protocol.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>

#include "tools/gdt/Tokens.h"
#include "tools/step/Carriers.h"
#include "tools/step/Messages.h"
#include "tools/step/StepFile.h"
#include "tools/step/WriteItems.h"
#include "tools/step/ZonePatch.h"

namespace draftlift_tool::step {
namespace {

// The writer's schema number for AP242; its default, AP214, has no PMI.
constexpr int kAp242Schema = 5;

std::vector<const PmiAnnotation*> Placed(const std::vector<PmiAnnotation>& annotations, std::vector<Loss>& losses) {
    std::vector<const PmiAnnotation*> placed;
    for (const PmiAnnotation& annotation : annotations) {
        if (IsFinite(annotation.target) && IsFinite(annotation.anchor)) {
            placed.push_back(&annotation);
        } else {
            losses.push_back({gdt::Utf8(annotation.model.name), "not written: its target or anchor is not finite"});
        }
    }
    return placed;
}

void Fill(const PmiDocument& document, const std::vector<const PmiAnnotation*>& placed) {
    const std::vector<Leader> leaders = AddLeaders(document, placed);
    for (std::size_t n = 0; n < placed.size(); ++n) WriteDatums(document, leaders[n], *placed[n]);
    for (std::size_t n = 0; n < placed.size(); ++n) {
        WriteFrame(document, leaders[n], *placed[n]);
        WriteDimension(document, leaders[n], *placed[n]);
        WriteNotes(document, leaders[n], *placed[n]);
    }
}

void Translate(const PmiDocument& document, std::ostream& out) {
    STEPCAFControl_Controller::Init();
    Interface_Static::SetIVal("write.step.schema", kAp242Schema);
    STEPCAFControl_Writer writer;
    writer.SetDimTolMode(Standard_True);
    writer.SetNameMode(Standard_True);
    if (!writer.Transfer(document.Document(), STEPControl_AsIs)) throw StepError("the STEP translator refused the PMI");
    if (!PatchZoneDefinitions(writer, document)) throw StepError("the tolerance zones could not be written");
    const Handle(StepData_StepModel) model = writer.ChangeWriter().Model();
    StepData_StepWriter text(model);
    text.SendModel(Handle(StepData_Protocol)::DownCast(model->Protocol()));
    if (!text.Print(out)) throw StepError("the STEP text could not be written");
}

}  // namespace

bool StepSupported() { return true; }

std::vector<Loss> WriteStep(const std::vector<PmiAnnotation>& annotations, std::ostream& out) {
    SilenceTranslators();
    std::vector<Loss> losses;
    for (const PmiAnnotation& annotation : annotations) {
        for (Loss& loss : LeftOut(annotation.model)) losses.push_back(std::move(loss));
    }
    const std::vector<const PmiAnnotation*> placed = Placed(annotations, losses);
    try {
        const PmiDocument document;
        Fill(document, placed);
        Translate(document, out);
    } catch (const Standard_Failure& failure) {
        throw StepError(std::string("the STEP translator failed: ") + failure.GetMessageString());
    }
    return losses;
}

}  // namespace draftlift_tool::step
