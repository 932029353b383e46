#include <algorithm>

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

std::vector<Loss> Undefined(const gdt::Annotation& model, const DatumLetters& defined) {
    std::vector<Loss> losses;
    if (!model.frame) return losses;
    gdt::ForEachRow(*model.frame, [&](const gdt::ToleranceRow& row) {
        for (const gdt::DatumReference& datum : row.datums) {
            for (const WString& letters : datum.labels) {
                if (defined.count(letters) != 0) continue;
                losses.push_back({gdt::Utf8(model.name), "row " + std::to_string(row.place.frameRow + 1) + " datum " +
                                                             gdt::Utf8(letters) +
                                                             ": no datum feature or target of the part defines it"});
            }
        }
    });
    return losses;
}

// The writer makes one datum of the features and targets of one letter only
// when they follow each other.
std::vector<std::size_t> ByDatumLetters(const std::vector<const PmiAnnotation*>& placed) {
    const auto letters = [&placed](std::size_t n) {
        const gdt::Annotation& model = placed[n]->model;
        return model.target ? model.target->letters : model.datum ? model.datum->label : WString();
    };
    std::vector<std::size_t> order(placed.size());
    for (std::size_t n = 0; n < order.size(); ++n) order[n] = n;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return letters(a) < letters(b); });
    return order;
}

void Fill(const PmiDocument& document, const std::vector<const PmiAnnotation*>& placed, const DatumLetters& defined) {
    const std::vector<Leader> leaders = AddLeaders(document, placed);
    for (const std::size_t n : ByDatumLetters(placed)) WriteDatums(document, leaders[n], *placed[n]);
    for (std::size_t n = 0; n < placed.size(); ++n) {
        WriteFrame(document, leaders[n], *placed[n], defined);
        WriteDimension(document, leaders[n], *placed[n]);
        WriteNotes(document, leaders[n], *placed[n]);
    }
    const auto dimensioned = [](const PmiAnnotation* annotation) { return HasDimensionItems(annotation->model); };
    if (std::any_of(placed.begin(), placed.end(), dimensioned)) return;
    // A frame or a target reads the same with its name shown beside it.
    for (std::size_t n = 0; n < placed.size(); ++n) {
        if (placed[n]->model.frame || placed[n]->model.target) {
            WriteNamePresentation(document, leaders[n], *placed[n]);
            return;
        }
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
    const DatumLetters defined = DefinedLetters(annotations);
    for (const PmiAnnotation& annotation : annotations) {
        for (Loss& loss : LeftOut(annotation.model)) losses.push_back(std::move(loss));
        for (Loss& loss : Undefined(annotation.model, defined)) losses.push_back(std::move(loss));
    }
    const std::vector<const PmiAnnotation*> placed = Placed(annotations, losses);
    try {
        const PmiDocument document;
        Fill(document, placed, defined);
        Translate(document, out);
    } catch (const Standard_Failure& failure) {
        throw StepError(std::string("the STEP translator failed: ") + failure.GetMessageString());
    }
    return losses;
}

}  // namespace draftlift_tool::step
