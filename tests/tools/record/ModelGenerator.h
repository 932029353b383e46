// Random annotations of every shape a note record can carry, semantic form
// and texts together: feature control frames of each layout with every
// characteristic, zone, tolerance modifier and datum reference modifier,
// compartments written with spaces around the symbols or without; datum
// features; datum targets of each kind; two-point dimensions with limits
// and without values; notes; each with a name, a host link, a datum label
// and texts. The same seed gives the same annotations.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "tools/gdt/Model.h"

namespace record_tests {

class Compartment;

class ModelGenerator {
public:
    explicit ModelGenerator(std::uint32_t seed) : m_random(seed) {}

    draftlift_tool::gdt::Annotation Next();

private:
    bool Chance(double p);
    int Between(int low, int high);
    template <class T>
    T Pick(const std::vector<T>& choices) {
        return choices[std::size_t(Between(0, int(choices.size()) - 1))];
    }
    WString Text(std::size_t longest, bool bars = false);
    WString Letters();
    draftlift_tool::gdt::Value Number();
    draftlift_tool::gdt::ToleranceRow Row(draftlift_tool::gdt::RowPlace place);
    void AfterValue(draftlift_tool::gdt::ToleranceRow& row, Compartment& compartment);
    draftlift_tool::gdt::DatumReference Reference(std::size_t compartment);
    void Frame(draftlift_tool::gdt::Annotation& annotation);
    void Target(draftlift_tool::gdt::Annotation& annotation);
    void Dimension(draftlift_tool::gdt::Annotation& annotation);

    std::mt19937 m_random;
};

}  // namespace record_tests
