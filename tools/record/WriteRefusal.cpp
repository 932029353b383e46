// The one-line account of a record the writer cannot write.
#include "tools/record/RecordWriter.h"

namespace noterecord {
namespace {

std::string Reason(const WriteRefusal& refusal) {
    switch (refusal.problem) {
        case WriteProblem::TooLong:
            return "longer than the " + std::to_string(refusal.limit) + " characters a record holds there";
        case WriteProblem::HoldsSeparator: return "holds a '|', which would end its field";
        case WriteProblem::HoldsLineBreak: return "holds a line break, which the reader splits at or drops";
        case WriteProblem::HoldsZero: return "holds a zero character, which ends the memory table's text";
        case WriteProblem::NoSymbolCode: return "is symbol code 46, which a frame row reads as 0";
        case WriteProblem::NotInLayout: return "is set, and settings layout 101 has no place for it";
        case WriteProblem::NotCalculable: return "is no value the host calculator gives back with four decimals";
        case WriteProblem::Unreachable: return "holds a value where the reader reads none";
        case WriteProblem::Inconsistent: return "disagrees with the rest of the record";
    }
    return "cannot be written";
}

}  // namespace

std::string Describe(const WriteRefusal& refusal) { return refusal.field + ": " + Reason(refusal); }

}  // namespace noterecord
