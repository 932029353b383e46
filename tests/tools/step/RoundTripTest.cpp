// Round trips: a part's annotations exported to STEP and read back, then
// written as recorded notes and imported again, come back the same on every
// field that travels (Travelling.h); the same for models of a seeded
// generator, compared as read from the file.
#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "standins/mastercam/PartFile.h"
#include "tests/tools/gdt/GdtCases.h"
#include "tests/tools/step/Travelling.h"
#include "tools/cli/Session.h"
#include "tools/gdt/ReadAnnotation.h"
#include "tools/gdt/Tokens.h"
#include "tools/step/PartNotes.h"
#include "tools/step/SceneAnnotations.h"
#include "tools/step/StepFile.h"

namespace {

namespace gdt = draftlift_tool::gdt;
namespace step = draftlift_tool::step;
using step::PmiAnnotation;

std::vector<PmiAnnotation> Imported(const std::string& partJson) {
    draftlift_tool::Session session(partfile::Parse(partJson));
    draftlift_tool::Progress quiet(nullptr, "");
    session.Import(quiet);
    return step::SceneAnnotations(session.Scene());
}

step::StepReading ThroughFile(const std::vector<PmiAnnotation>& annotations) {
    std::stringstream file;
    step::WriteStep(annotations, file);
    return step::ReadStep(file, "round trip");
}

std::vector<std::string> Words(const std::vector<PmiAnnotation>& annotations) {
    std::vector<std::string> words;
    for (const PmiAnnotation& annotation : annotations) words.push_back(step_cases::Travelling(annotation.model));
    return words;
}

// Annotation by annotation, so that a difference names its annotation.
void ExpectSame(const std::vector<std::string>& read, const std::vector<std::string>& original) {
    EXPECT_EQ(read.size(), original.size());
    for (std::size_t n = 0; n < std::min(read.size(), original.size()); ++n) EXPECT_EQ(read[n], original[n]) << n;
}

// Coordinates travel as the file writes reals: to about 15 digits.
bool Near(const step::Point3& a, const step::Point3& b) {
    const auto near = [](double x, double y) { return std::abs(x - y) <= 1e-12 * std::max(1.0, std::abs(x)); };
    return near(a.x, b.x) && near(a.y, b.y) && near(a.z, b.z);
}

void ExpectTargets(const std::vector<PmiAnnotation>& read, const std::vector<PmiAnnotation>& original) {
    ASSERT_EQ(read.size(), original.size());
    for (std::size_t n = 0; n < read.size(); ++n) EXPECT_TRUE(Near(read[n].target, original[n].target)) << n;
}

TEST(RoundTrip, SamplePartComesBackAsImported) {
    const std::vector<PmiAnnotation> original = Imported(draftlift_tool::EmbeddedSamplePart());
    const step::StepReading read = ThroughFile(original);
    EXPECT_TRUE(read.skipped.empty());
    const step::PartFromPmi part = step::PartOf(read.annotations);
    EXPECT_TRUE(part.skipped.empty()) << (part.skipped.empty() ? "" : step::Describe(part.skipped.front()));
    const std::vector<PmiAnnotation> again = Imported(part.part.dump());
    ExpectSame(Words(again), Words(original));
    ExpectTargets(again, original);
}

// Models of every kind the file carries, at random places: frames of every
// record layout with modifiers and datum references, datum features, targets
// of every kind, dimensions and notes.
class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    std::vector<PmiAnnotation> Part(std::size_t count) {
        std::vector<PmiAnnotation> part;
        for (const char* letter : {"A", "B", "C"}) part.push_back(Placed(gdt_cases::Datum(letter), letter));
        // Every datum feature and target is referenced: the reader drops
        // the others.
        part.push_back(Placed(gdt_cases::Frame({{"{position}", {{"{diameter} 0.1", {"A", "B", "C"}}}}}), "ALL"));
        for (const char* label : {"D1", "E1", "F1"}) part.push_back(Placed(Target(label), label));
        part.push_back(Placed(gdt_cases::Frame({{"{profile-surface}", {{"0.2", {"D", "E", "F"}}}}}), "TARGETS"));
        for (std::size_t n = 0; n < count; ++n) part.push_back(Next("G-" + std::to_string(n)));
        return part;
    }

private:
    std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(m_random); }
    bool Chance() { return Pick(2) == 0; }
    std::string Value() { return "0." + std::to_string(1 + Pick(99)); }

    PmiAnnotation Placed(gdt::AnnotationFields fields, const std::string& name) {
        fields.name = gdt_cases::Text(name);
        if (Chance()) fields.text5 = {true, gdt_cases::Text(std::to_string(2 + Pick(8)) + "X")};
        const step::Point3 target{double(Pick(2000)) / 10 - 100, double(Pick(2000)) / 10 - 100, double(Pick(50))};
        const step::Point3 anchor = Chance() ? target : step::Point3{target.x + 5, target.y + 5, target.z};
        return {gdt::ReadAnnotation(std::move(fields)), target, anchor};
    }

    // Rows AP242 has: a projected zone on a position with its diameter, and
    // datum references where the characteristic needs them.
    gdt_cases::RowTexts Row(const std::string& characteristic) {
        const bool position = characteristic == "{position}";
        const bool diameter = position || Chance();
        std::string tolerance = (diameter ? "{diameter} " : "") + Value();
        const char* modifiers[] = {"", " {mmc}", " {lmc}", " {free-state}", " ST", " {tangent-plane}", " CZ", " {projected} 12"};
        tolerance += modifiers[Pick(position ? 8 : 7)];
        // Distinct letters, as a frame refers to each datum once.
        std::vector<std::string> datums;
        std::string letters = Chance() ? "ABCDEF" : "FEDCBA";
        const bool needed = characteristic != "{position}" && characteristic != "{flatness}" &&
                            characteristic != "{straightness}" && characteristic != "{profile-surface}";
        for (std::size_t n = needed ? 1 + Pick(3) : Pick(4); n > 0; --n) {
            datums.push_back(letters.substr(Pick(letters.size()), 1));
            letters.erase(letters.find(datums.back()), 1);
            if (Chance()) datums.back() += "{mmc}";
        }
        return {tolerance, datums};
    }

    gdt::AnnotationFields Frame() {
        const std::vector<std::vector<std::size_t>> layouts = {{1}, {2}, {2, 1}, {1, 1}, {1, 1, 1}, {3}};
        const char* characteristics[] = {"{position}", "{flatness}", "{profile-surface}", "{perpendicularity}",
                                         "{circular-runout}", "{straightness}", "{parallelism}"};
        std::vector<gdt_cases::SegmentTexts> segments;
        std::string previous;
        for (const std::size_t rows : layouts[Pick(layouts.size())]) {
            // Stacked segments of one characteristic read back as composite.
            std::string symbol;
            do symbol = characteristics[Pick(7)]; while (symbol == previous);
            previous = symbol;
            gdt_cases::SegmentTexts segment{symbol, {}};
            for (std::size_t n = 0; n < rows; ++n) segment.rows.push_back(Row(symbol));
            segments.push_back(segment);
        }
        return gdt_cases::Frame(segments);
    }

    gdt::AnnotationFields Target(const std::string& label) {
        const char* sizes[] = {"", "{diameter}6", "10X20"};
        const char* notes[] = {"", "TARGET POINT", "TARGET LINE", "AREA"};
        const std::size_t size = Pick(3);
        gdt::AnnotationFields target = gdt_cases::Target(label, sizes[size], size == 0 ? notes[Pick(4)] : "");
        // Named otherwise, it shows its label.
        target.datumLabel = {true, gdt_cases::Text(label)};
        return target;
    }

    gdt::AnnotationFields Dimension() {
        if (Chance()) return gdt_cases::Dimension("", "");
        const double lower = double(Pick(10000)) / 100;
        return gdt_cases::Dimension(std::to_string(lower + 0.25), std::to_string(lower));
    }

    PmiAnnotation Next(const std::string& name) {
        // One target for each datum letter: of several, Open CASCADE 7.6's
        // reader loses some in bigger parts.
        switch (Pick(3)) {
            case 0: return Placed(Dimension(), name);
            case 1: {
                gdt::AnnotationFields note;
                note.type = gdt::AnnotationClass::FeatureControlFrame;
                note.text2 = {true, gdt_cases::Text("NOTE " + name)};
                return Placed(note, name);
            }
            default: return Placed(Frame(), name);
        }
    }

    std::mt19937 m_random;
};

TEST(RoundTrip, GeneratedPartsReadBackAsWritten) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        const std::vector<PmiAnnotation> original = Generator(seed).Part(60);
        const step::StepReading read = ThroughFile(original);
        ExpectSame(Words(read.annotations), Words(original));
        ExpectTargets(read.annotations, original);
    }
}

TEST(RoundTrip, GeneratedPartsComeBackThroughNoteRecords) {
    const std::vector<PmiAnnotation> original = Generator(7).Part(60);
    const step::PartFromPmi part = step::PartOf(ThroughFile(original).annotations);
    const std::vector<PmiAnnotation> again = Imported(part.part.dump());
    // Those no record holds are named; the rest come back as they were.
    std::vector<PmiAnnotation> held;
    for (const PmiAnnotation& annotation : original) {
        bool skipped = false;
        for (const step::Loss& loss : part.skipped) skipped = skipped || loss.subject == gdt::Utf8(annotation.model.name);
        if (!skipped) held.push_back(annotation);
    }
    EXPECT_EQ(held.size() + part.skipped.size(), original.size());
    // Only sized targets and dimensions of a nominal fall out.
    EXPECT_GT(held.size(), original.size() * 3 / 4);
    ExpectSame(Words(again), Words(held));
}

TEST(RoundTrip, AnchorsTravelAndCoincidentOnesKeepTheirTarget) {
    const std::vector<PmiAnnotation> original = Generator(11).Part(20);
    const step::StepReading read = ThroughFile(original);
    ASSERT_EQ(read.annotations.size(), original.size());
    for (std::size_t n = 0; n < original.size(); ++n) {
        EXPECT_TRUE(Near(read.annotations[n].target, original[n].target)) << n;
        if (!(original[n].anchor == original[n].target)) {
            EXPECT_TRUE(Near(read.annotations[n].anchor, original[n].anchor)) << n;
        }
    }
}

}  // namespace
