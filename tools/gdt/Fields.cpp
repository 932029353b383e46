#include "tools/gdt/Fields.h"

namespace draftlift_tool::gdt {

bool IsDimension(AnnotationClass type) {
    switch (type) {
        case AnnotationClass::LinearDimension:
        case AnnotationClass::AngleDimension:
        case AnnotationClass::RadiusDimension:
        case AnnotationClass::DiameterDimension: return true;
        default: return false;
    }
}

const WString& ShownDatumLabel(const AnnotationFields& fields) {
    return fields.datumLabel.enabled ? fields.datumLabel.text : fields.name;
}

}  // namespace draftlift_tool::gdt
