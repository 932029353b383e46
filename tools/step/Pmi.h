// An annotation as it travels in a STEP file's semantic PMI: what it means
// (the GD&T model), the point it is attached to and where its text stands.
// Plain values only, so that the commands and tests need no Open CASCADE.
#pragma once

#include <string>
#include <vector>

#include "tools/gdt/Model.h"

namespace draftlift_tool::step {

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;

    bool operator==(const Point3& other) const { return x == other.x && y == other.y && z == other.z; }
};

struct PmiAnnotation {
    gdt::Annotation model;
    Point3 target;  // the point its leader ends on
    Point3 anchor;  // where its text stands
};

// Something that does not travel, and why: a part of an annotation the file
// cannot carry, or an item of the file no note record can hold.
struct Loss {
    std::string subject;  // the annotation's name, or the item's
    std::string what;     // what is left out and why
};

// One line: `"FCF-4": row 1 unequally disposed value 0.1: ...`.
std::string Describe(const Loss& loss);

}  // namespace draftlift_tool::step
