#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Check.hxx>
#include <Interface_CheckIterator.hxx>
#include <STEPCAFControl_Controller.hxx>
#include <STEPCAFControl_Reader.hxx>
#include <Standard_Failure.hxx>
#include <sstream>
#include <XSControl_WorkSession.hxx>

#include "tools/step/Messages.h"
#include "tools/step/ReadDocument.h"
#include "tools/step/StepFile.h"

namespace draftlift_tool::step {
namespace {

// Entities the parser found broken: the translator drops what they were.
std::vector<Loss> Broken(STEPCAFControl_Reader& reader) {
    std::vector<Loss> broken;
    Interface_CheckIterator checks = reader.ChangeReader().WS()->ModelCheckList(Standard_False);
    for (checks.Start(); checks.More(); checks.Next()) {
        const Handle(Interface_Check)& check = checks.Value();
        for (int n = 1; n <= check->NbFails(); ++n) {
            broken.push_back({"entity #" + std::to_string(checks.Number()), std::string("left out: ") + check->CFail(n)});
        }
    }
    return broken;
}

std::string Place(const Point3& point) {
    std::ostringstream text;
    text << '(' << point.x << ", " << point.y << ", " << point.z << ')';
    return text.str();
}

void Load(STEPCAFControl_Reader& reader, std::istream& in, const std::string& name) {
    const CollectedMessages messages;
    const IFSelect_ReturnStatus status = reader.ChangeReader().ReadStream(name.c_str(), in);
    if (status == IFSelect_RetDone) return;
    const std::string why = messages.Joined();
    throw StepError(name + ": not a readable STEP file" + (why.empty() ? std::string() : ": " + why));
}

}  // namespace

StepReading ReadStep(std::istream& in, const std::string& name) {
    SilenceTranslators();
    STEPCAFControl_Controller::Init();
    try {
        STEPCAFControl_Reader reader;
        reader.SetGDTMode(Standard_True);
        reader.SetNameMode(Standard_True);
        // A failed read leaves no model, on which the transfer would crash.
        Load(reader, in, name);
        StepReading reading;
        reading.skipped = Broken(reader);
        const PmiDocument document;
        Handle(TDocStd_Document) target = document.Document();
        if (!reader.Transfer(target)) throw StepError(name + ": the STEP translator could not read it");
        const std::vector<LooseDatum> loose = DatumFeaturesOf(reader.ChangeReader().WS());
        for (const ItemGroup& group : GatherItems(document, loose)) {
            if (HasAnnotation(group)) {
                reading.annotations.push_back(AnnotationOf(group));
            } else {
                reading.skipped.push_back({"notes at " + Place(group.targetPoint),
                                           "their annotation did not come back from the file (the reader drops a "
                                           "datum target no tolerance references)"});
            }
        }
        return reading;
    } catch (const Standard_Failure& failure) {
        throw StepError(name + ": the STEP translator failed: " + failure.GetMessageString());
    }
}

}  // namespace draftlift_tool::step
