// Random sequences of exported annotation calls. A model tracks which
// handles are alive; calls get only live handles or null, but annotation
// parameters also get live handles of every other kind (targets, sub-frames,
// controls, balloons, named views, annotations of the wrong class). Every
// result must be the value the interface rules give, a refused call must
// leave the scene as it was, and nothing may escape a function that catches
// everything: the harness aborts if anything does.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "platform/kscene/KSceneStandIn.h"
#include "platform/mastercam/HostStandIn.h"
#include "platform/orvanta/OrvantaStandIn.h"

namespace {

constexpr std::size_t kMaxSteps = 256;
constexpr std::size_t kMaxText = 12;

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "interface rule broken: %s\n", what);
    std::abort();
}

// Runs a call that must catch everything itself.
template <class Body>
auto Catching(const char* name, Body&& body) {
    try {
        return body();
    } catch (...) {
        std::fprintf(stderr, "an exception left %s\n", name);
        std::abort();
    }
}

struct Frame {
    KSDKHandle handle = nullptr;
    std::vector<KSDKHandle> controls;
};

struct Annotation {
    KSDKHandle handle = nullptr;
    int kind = 0;
    std::vector<KSDKHandle> targets;
    std::vector<Frame> frames;
    std::size_t witness = 0;
    KSDKHandle mainBalloon = nullptr;
    std::map<std::uint64_t, KSDKHandle> subBalloons;

    bool IsDatum() const { return kind == KSDK_MBD_DATUM || kind == KSDK_MBD_DATUM_TARGET; }
    bool IsDimension() const {
        return kind == KSDK_MBD_TWO_POINT_DIMENSION || kind == KSDK_MBD_ANGLE_DIMENSION ||
               kind == KSDK_MBD_RADIUS_DIMENSION || kind == KSDK_MBD_DIAMETER_DIMENSION;
    }
    // The scene library's balloon rows: one per control for a feature control
    // frame, one for a dimension, none otherwise.
    std::uint64_t Rows() const {
        if (kind == KSDK_MBD_FEATURE_CONTROL_FRAME) {
            std::uint64_t rows = 0;
            for (const Frame& frame : frames) rows += frame.controls.size();
            return rows;
        }
        return IsDimension() ? 1 : 0;
    }
};

// What a parameter that takes an annotation is given.
enum class Pick { Null, Annotation, Target, SubFrame, Control, Balloon, View, Count };

struct Given {
    KSDKHandle handle = nullptr;
    Annotation* annotation = nullptr;  // set only for a live annotation
};

class Harness {
public:
    explicit Harness(FuzzedDataProvider& input) : m_in(input) {}

    void Run() {
        for (std::size_t step = 0; step < kMaxSteps && m_in.remaining_bytes() > 0; ++step) Step();
        CheckModel();
    }

private:
    using Op = void (Harness::*)();

    void Step() {
        static const Op kOps[] = {
            &Harness::Create,      &Harness::Finish,        &Harness::SetCommon,  &Harness::SetMbd,
            &Harness::SetExtra,    &Harness::SetDatum,      &Harness::SetDimension, &Harness::AddTarget,
            &Harness::SetTarget,   &Harness::AddFrame,      &Harness::SetSymbol,  &Harness::AddControl,
            &Harness::SetControl,  &Harness::AddWitness,    &Harness::DeleteWitness, &Harness::MainBalloon,
            &Harness::SubBalloon,  &Harness::RowCount,      &Harness::RowVisible, &Harness::SetBalloon,
            &Harness::Clear,       &Harness::ToggleScene,   &Harness::Temporary,  &Harness::CreateView,
            &Harness::Inits,       &Harness::Create,        &Harness::AddFrame,   &Harness::AddControl};
        const std::size_t index = m_in.ConsumeIntegralInRange<std::size_t>(0, std::size(kOps) - 1);
        (this->*kOps[index])();
        if (m_in.ConsumeBool()) CheckModel();
    }

    // ---- inputs --------------------------------------------------------
    std::string TextBytes() { return m_in.ConsumeBytesAsString(m_in.ConsumeIntegralInRange<std::size_t>(0, kMaxText)); }

    // A text or null; the storage lives until the next call of the same slot.
    const char* Text(std::string& storage) {
        if (m_in.ConsumeBool()) return nullptr;
        storage = TextBytes();
        return storage.c_str();
    }

    template <class T>
    KSDKHandle Any(const std::vector<T>& items) {
        return items.empty() ? nullptr : items[m_in.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)];
    }

    Annotation* AnyAnnotation() {
        if (m_annotations.empty()) return nullptr;
        return &m_annotations[m_in.ConsumeIntegralInRange<std::size_t>(0, m_annotations.size() - 1)];
    }

    Given AnnotationParameter() {
        const auto pick = static_cast<Pick>(m_in.ConsumeIntegralInRange<int>(0, int(Pick::Count) - 1));
        switch (pick) {
            case Pick::Annotation: {
                Annotation* a = AnyAnnotation();
                return a != nullptr ? Given{a->handle, a} : Given{};
            }
            case Pick::Target: return {Any(AllTargets())};
            case Pick::SubFrame: return {Any(AllFrames())};
            case Pick::Control: return {Any(AllControls())};
            case Pick::Balloon: return {Any(AllBalloons())};
            case Pick::View: return {Any(m_views)};
            default: return {};
        }
    }

    // A live part of the right kind, or null.
    template <class T>
    KSDKHandle PartOrNull(const std::vector<T>& parts) {
        return m_in.ConsumeIntegralInRange<int>(0, 7) == 0 ? nullptr : Any(parts);
    }

    std::vector<KSDKHandle> AllTargets() const {
        std::vector<KSDKHandle> all;
        for (const Annotation& a : m_annotations) all.insert(all.end(), a.targets.begin(), a.targets.end());
        return all;
    }
    std::vector<Frame*> FramesOf() {
        std::vector<Frame*> all;
        for (Annotation& a : m_annotations) for (Frame& f : a.frames) all.push_back(&f);
        return all;
    }
    std::vector<KSDKHandle> AllFrames() {
        std::vector<KSDKHandle> all;
        for (Frame* f : FramesOf()) all.push_back(f->handle);
        return all;
    }
    std::vector<KSDKHandle> AllControls() {
        std::vector<KSDKHandle> all;
        for (Frame* f : FramesOf()) all.insert(all.end(), f->controls.begin(), f->controls.end());
        return all;
    }
    std::vector<KSDKHandle> AllBalloons() const {
        std::vector<KSDKHandle> all;
        for (const Annotation& a : m_annotations) {
            if (a.mainBalloon != nullptr) all.push_back(a.mainBalloon);
            for (const auto& [row, balloon] : a.subBalloons) all.push_back(balloon);
        }
        return all;
    }

    // ---- the scene as the model sees it -----------------------------------
    static const KMBDBase& Object(const Annotation& a) {
        return dynamic_cast<const KMBDBase&>(*standin::kscene::Scene().GetObjectPtr(a.handle));
    }

    // Everything a refused call could have touched, in one text.
    std::string Fingerprint() const {
        WString print;
        for (const Annotation& a : m_annotations) {
            const KMBDBase& o = Object(a);
            print += o.GetName() + u'|' + o.text1.text + o.text2.text + o.text3.text + o.datumLabel.text +
                     o.text5.text;
            print += char16_t(o.text1.enabled | o.text2.enabled << 1 | o.text3.enabled << 2 |
                              o.datumLabel.enabled << 3 | o.text5.enabled << 4 | o.showName << 5);
            print += char16_t(o.option1) + char16_t(o.option2 << 8) + char16_t(o.option3);
            const auto& anchor = o.GetAnchorPoint();
            print += WString(reinterpret_cast<const WCHAR*>(&anchor), sizeof anchor / 2);
            print += char16_t(o.Targets().size()) + char16_t(o.SubFrames().size() << 8);
            print += char16_t(o.WitnessSegments().size()) + char16_t(o.SubBalloons().size() << 8);
            if (const auto* d = dynamic_cast<const KMBDDimension*>(&o)) {
                print += d->dimensionText1.text + d->dimensionText2 + d->dimensionText3;
                print += char16_t(d->dimensionNumber1) + char16_t(d->dimensionNumber2) + char16_t(d->dimensionText1.enabled);
            }
            if (const auto* t = dynamic_cast<const KMBDDatumTarget*>(&o)) print += t->datumTargetText;
            print += u'#';
        }
        return std::string(print.begin(), print.end());
    }

    void CheckModel() const {
        std::size_t held = 0;
        for (const auto& entry : standin::kscene::Scene().impl().entries) {
            held += dynamic_cast<const KMBDBase*>(entry.object.get()) != nullptr ? 1 : 0;
        }
        Require(held == m_annotations.size(), "the scene holds the annotations created");
        for (const Annotation& a : m_annotations) {
            const KMBDBase& o = Object(a);
            Require(o.Targets().size() == a.targets.size(), "target count");
            Require(o.SubFrames().size() == a.frames.size(), "sub-frame count");
            for (std::size_t i = 0; i < a.frames.size(); ++i) {
                Require(o.SubFrames()[i].get() == a.frames[i].handle, "sub-frame handle");
                Require(o.SubFrames()[i]->controls.size() == a.frames[i].controls.size(), "control count");
            }
            Require(o.WitnessSegments().size() == a.witness, "witness segment count");
            Require(o.MainBalloon().get() == a.mainBalloon, "main balloon");
            Require(o.SubBalloons().size() == a.subBalloons.size(), "sub-balloon count");
            for (const auto& [row, balloon] : a.subBalloons) {
                Require(o.GetSubBalloon(row).get() == balloon, "sub-balloon of a row");
            }
        }
    }

    // A call on an annotation parameter: accepted exactly for a live
    // annotation of the class, while the scene is there; refused otherwise,
    // with the scene as it was.
    template <class Body>
    void OnAnnotation(const char* name, bool (*accepts)(const Annotation&), Body&& body) {
        const Given given = AnnotationParameter();
        const bool accepted = m_scene && given.annotation != nullptr && accepts(*given.annotation);
        const std::string before = accepted ? std::string() : Fingerprint();
        Catching(name, [&] {
            body(given, accepted);
            return 0;
        });
        if (!accepted) Require(Fingerprint() == before, name);
    }

    static bool AnyKind(const Annotation&) { return true; }
    static bool Datums(const Annotation& a) { return a.IsDatum(); }
    static bool Dimensions(const Annotation& a) { return a.IsDimension(); }

    // ---- lifecycle -----------------------------------------------------------
    void Create() {
        const int kind = m_in.ConsumeBool() ? m_in.ConsumeIntegralInRange<int>(-2, 9) : m_in.ConsumeIntegral<int>();
        // Failures of the constructor or the scene would reach the caller; none
        // are provoked here.
        const KSDKHandle handle = KSDKCreateMbd(kind);
        const bool valid = m_scene && kind >= 0 && kind <= 7;
        Require((handle != nullptr) == valid, "KSDKCreateMbd gives a handle exactly for a kind with a scene");
        if (!valid) return;
        Annotation a;
        a.handle = handle;
        a.kind = kind;
        m_annotations.push_back(a);
        const auto& entries = standin::kscene::Scene().impl().entries;
        Require(entries.back().saved != m_temporary, "temporary annotations are not saved");
    }

    void CreateView() {
        const KSDKHandle view = KSDKCreateNamedView();
        Require((view != nullptr) == m_scene, "named view created with a scene");
        if (view != nullptr) m_views.push_back(view);
    }

    void Finish() {
        const Given given = AnnotationParameter();
        const std::size_t undo = standin::kscene::UndoPoints().size();
        Catching("KSDKFinishMbd", [&] {
            KSDKFinishMbd(given.handle);
            return 0;
        });
        const bool marks = given.handle != nullptr && m_scene;
        Require(standin::kscene::UndoPoints().size() == undo + (marks ? 1 : 0), "finish undo point");
        if (marks) Require(standin::kscene::UndoPoints().back() == "Import MBD", "undo label");
    }

    void Clear() {
        Require(KSDKClearOrvantaDatabase(), "clearing reports the scene library's result");
        m_annotations.clear();
        m_views.clear();
    }

    void ToggleScene() {
        m_scene = !m_scene;
        standin::kscene::SetScenePresent(m_scene);
    }

    void Temporary() {
        const bool next = m_in.ConsumeBool();
        Require(Catching("KSDKSetCreateTempMbd", [&] { return KSDKSetCreateTempMbd(next); }) == m_temporary,
                "the flag's previous value");
        m_temporary = next;
        Require(KSDKGetCreateTempMbd() == m_temporary, "the flag's value");
    }

    // ---- records -------------------------------------------------------------
    void SetCommon() {
        KSDKCommonData data;
        KSDKInitCommonData(&data);
        data.anchorPoint = {m_in.ConsumeFloatingPoint<double>(), 1.0, -1.0};
        data.name = Text(m_text[0]);
        OnAnnotation("KSDKSetCommonData", AnyKind, [&](const Given& g, bool accepted) {
            KSDKSetCommonData(g.handle, m_in.ConsumeBool() ? &data : nullptr);
            (void)accepted;
        });
    }

    void SetMbd() {
        KSDKMbdData data;
        KSDKInitMbdData(&data);
        data.text1 = Text(m_text[0]);
        data.text2 = Text(m_text[1]);
        data.text3 = Text(m_text[2]);
        data.datumLabel = Text(m_text[3]);
        data.text5 = Text(m_text[4]);
        data.option1 = m_in.ConsumeIntegral<std::uint8_t>();
        OnAnnotation("KSDKSetMbdData", AnyKind, [&](const Given& g, bool accepted) {
            KSDKSetMbdData(g.handle, &data);
            if (!accepted) return;
            const KMBDBase& o = Object(*g.annotation);
            Require(o.text1.enabled == (data.text1 != nullptr) && o.text5.enabled == (data.text5 != nullptr) &&
                        o.option1 == data.option1,
                    "KSDKSetMbdData on an annotation");
        });
    }

    void SetExtra() {
        const KSDKMbdDataExtra data = {m_in.ConsumeIntegral<std::uint8_t>(), m_in.ConsumeIntegral<std::uint8_t>()};
        OnAnnotation("KSDKSetMbdDataExtra", AnyKind, [&](const Given& g, bool accepted) {
            KSDKSetMbdDataExtra(g.handle, &data);
            if (accepted) {
                const KMBDBase& o = Object(*g.annotation);
                Require(o.option2 == data.option2 && o.option3 == data.option3, "KSDKSetMbdDataExtra");
            }
        });
    }

    void SetDatum() {
        KSDKDatumData data;
        KSDKInitDatumData(&data);
        data.datumLabel = Text(m_text[0]);
        data.datumTargetText = Text(m_text[1]);
        OnAnnotation("KSDKSetDatumData", Datums, [&](const Given& g, bool accepted) {
            KSDKSetDatumData(g.handle, &data);
            if (accepted && data.datumLabel != nullptr) {
                Require(Object(*g.annotation).datumLabel.enabled, "KSDKSetDatumData enables the label");
            }
        });
    }

    void SetDimension() {
        KSDKDimensionData data;
        KSDKInitDimensionData(&data);
        data.dimensionNumber1 = m_in.ConsumeIntegral<std::int32_t>();
        data.dimensionNumber2 = m_in.ConsumeIntegral<std::int32_t>();
        data.dimensionText1 = Text(m_text[0]);
        data.dimensionText2 = Text(m_text[1]);
        data.dimensionText3 = Text(m_text[2]);
        data.text2 = Text(m_text[3]);
        OnAnnotation("KSDKSetDimensionData", Dimensions, [&](const Given& g, bool accepted) {
            KSDKSetDimensionData(g.handle, &data);
            if (!accepted) return;
            const auto& d = dynamic_cast<const KMBDDimension&>(Object(*g.annotation));
            Require(d.dimensionNumber1 == data.dimensionNumber1 && d.dimensionNumber2 == data.dimensionNumber2 &&
                        d.dimensionText1.enabled == (data.dimensionText1 != nullptr),
                    "KSDKSetDimensionData on a dimension");
        });
    }

    // ---- targets, frames, controls, witness segments ----------------------
    void AddTarget() {
        OnAnnotation("KSDKAddTarget", AnyKind, [&](const Given& g, bool accepted) {
            const KSDKHandle target = KSDKAddTarget(g.handle);
            Require((target != nullptr) == accepted, "KSDKAddTarget gives a target exactly for an annotation");
            if (accepted) g.annotation->targets.push_back(target);
        });
    }

    void SetTarget() {
        KSDKTargetPtData data;
        KSDKInitTargetPtData(&data);
        data.targetOption = m_in.ConsumeIntegral<std::uint8_t>();
        data.targetId1 = m_in.ConsumeIntegralInRange<std::int32_t>(-2, 2);
        data.targetId3 = m_in.ConsumeIntegralInRange<std::int32_t>(-2, 2);
        data.targetId4 = m_in.ConsumeIntegralInRange<std::int32_t>(-2, 2);
        const KSDKHandle target = PartOrNull(AllTargets());
        const auto* object = static_cast<const KMBDTarget*>(target);
        const std::int32_t id4 = object != nullptr ? object->targetId4 : 0;
        Catching("KSDKSetTargetPtData", [&] {
            KSDKSetTargetPtData(target, m_in.ConsumeBool() ? &data : nullptr);
            return 0;
        });
        if (object != nullptr && data.targetId3 == -1) Require(object->targetId4 == id4, "targetId4 follows targetId3");
    }

    void AddFrame() {
        OnAnnotation("KSDKAddFrame", AnyKind, [&](const Given& g, bool accepted) {
            const KSDKHandle frame = KSDKAddFrame(g.handle);
            Require((frame != nullptr) == accepted, "KSDKAddFrame gives a sub-frame exactly for an annotation");
            if (accepted) g.annotation->frames.push_back({frame, {}});
        });
    }

    void SetSymbol() {
        const KSDKHandle frame = PartOrNull(AllFrames());
        const char symbol = m_in.ConsumeIntegral<char>();
        Catching("KSDKSetFrameSymbol", [&] {
            KSDKSetFrameSymbol(frame, symbol);
            return 0;
        });
        if (frame != nullptr && symbol != '\0') {
            Require(static_cast<const KMBDSubFrame*>(frame)->symbolText.size() == 1, "one symbol character");
        }
    }

    void AddControl() {
        std::vector<Frame*> frames = FramesOf();
        Frame* frame = frames.empty() || m_in.ConsumeIntegralInRange<int>(0, 7) == 0
                           ? nullptr
                           : frames[m_in.ConsumeIntegralInRange<std::size_t>(0, frames.size() - 1)];
        const KSDKHandle control =
            Catching("KSDKAddControlToFrame", [&] { return KSDKAddControlToFrame(frame ? frame->handle : nullptr); });
        Require((control != nullptr) == (frame != nullptr), "a control exactly for a sub-frame");
        if (frame != nullptr) frame->controls.push_back(control);
    }

    void SetControl() {
        KSDKControlData data;
        KSDKInitControlData(&data);
        data.toleranceText = Text(m_text[0]);
        data.datumRef1Text = Text(m_text[1]);
        data.controlText5 = Text(m_text[2]);
        const KSDKHandle control = PartOrNull(AllControls());
        const auto* object = static_cast<const KMBDControl*>(control);
        const WString ref2 = object != nullptr ? object->datumRef2Text : WString();
        Catching("KSDKSetControlData", [&] {
            KSDKSetControlData(control, &data);
            return 0;
        });
        if (object != nullptr) Require(object->datumRef2Text == ref2, "a missing control text stays");
    }

    void AddWitness() {
        const KSDKWitnessSegment segment = {{m_in.ConsumeFloatingPoint<double>(), 0, 0}, {0, 0, 1}};
        const bool withSegment = m_in.ConsumeIntegralInRange<int>(0, 7) != 0;
        OnAnnotation("KSDKAddWitnessSegment", AnyKind, [&](const Given& g, bool accepted) {
            KSDKAddWitnessSegment(g.handle, withSegment ? &segment : nullptr);
            if (accepted && withSegment) ++g.annotation->witness;
        });
    }

    void DeleteWitness() {
        OnAnnotation("KSDKDeleteWitnessLines", AnyKind, [&](const Given& g, bool accepted) {
            KSDKDeleteWitnessLines(g.handle);
            if (accepted) g.annotation->witness = 0;
        });
    }

    // ---- balloons -----------------------------------------------------------
    const KSDKMbdBalloonData* BalloonRecord(KSDKMbdBalloonData& data) {
        KSDKInitMbdBalloonData(&data);
        data.text = Text(m_text[0]);
        return m_in.ConsumeBool() ? &data : nullptr;
    }

    void MainBalloon() {
        KSDKMbdBalloonData data;
        const KSDKMbdBalloonData* record = BalloonRecord(data);
        OnAnnotation("KSDKCreateMainBalloon", AnyKind, [&](const Given& g, bool accepted) {
            const KSDKHandle balloon = KSDKCreateMainBalloon(g.handle, record);
            Require((balloon != nullptr) == accepted, "a main balloon exactly for an annotation");
            // The one it replaces is gone.
            if (accepted) g.annotation->mainBalloon = balloon;
        });
    }

    void SubBalloon() {
        KSDKMbdBalloonData data;
        const KSDKMbdBalloonData* record = BalloonRecord(data);
        const std::int32_t row =
            m_in.ConsumeBool() ? m_in.ConsumeIntegralInRange<std::int32_t>(-2, 6) : m_in.ConsumeIntegral<std::int32_t>();
        OnAnnotation("KSDKCreateSubBalloon", AnyKind, [&](const Given& g, bool accepted) {
            const KSDKHandle balloon = KSDKCreateSubBalloon(g.handle, row, record);
            const bool isRow = accepted && row >= 0 && std::uint64_t(row) < g.annotation->Rows();
            Require((balloon != nullptr) == isRow, "a row balloon exactly for a row 0 to n - 1");
            if (isRow) g.annotation->subBalloons[std::uint64_t(row)] = balloon;
        });
    }

    void RowCount() {
        OnAnnotation("KSDKGetNumberOfPossibleSubBalloons", AnyKind, [&](const Given& g, bool accepted) {
            const std::int32_t rows = KSDKGetNumberOfPossibleSubBalloons(g.handle);
            Require(rows == (accepted ? std::int32_t(g.annotation->Rows()) : -1), "the row count, or -1");
        });
    }

    void RowVisible() {
        const std::uint64_t row = m_in.ConsumeBool() ? m_in.ConsumeIntegralInRange<std::uint64_t>(0, 6)
                                                     : m_in.ConsumeIntegral<std::uint64_t>();
        OnAnnotation("KSDKIsBalloonRowVisible", AnyKind, [&](const Given& g, bool accepted) {
            const bool visible = KSDKIsBalloonRowVisible(g.handle, row);
            const bool expected = accepted && row < g.annotation->Rows() && g.annotation->subBalloons.count(row) != 0;
            Require(visible == expected, "row visibility, or false");
        });
    }

    void SetBalloon() {
        KSDKMbdBalloonData data;
        const KSDKMbdBalloonData* record = BalloonRecord(data);
        const KSDKHandle balloon = PartOrNull(AllBalloons());
        const auto* object = static_cast<const KMBDBalloon*>(balloon);
        const WString before = object != nullptr ? object->text : WString();
        Catching("KSDKSetMbdBalloonData", [&] {
            KSDKSetMbdBalloonData(balloon, record);
            return 0;
        });
        if (object != nullptr && (record == nullptr || record->text == nullptr)) {
            Require(object->text == before, "a balloon keeps its text without one");
        }
    }

    void Inits() {
        KSDKTargetPtData target;
        KSDKInitTargetPtData(&target);
        Require(target.targetId1 == -1 && target.targetId4 == -1 && target.targetOption == 0, "target defaults");
        KSDKInitTargetPtData(nullptr);
        KSDKInitControlData(nullptr);
        KSDKInitCommonData(nullptr);
        KSDKInitMbdData(nullptr);
        KSDKInitDatumData(nullptr);
        KSDKInitDimensionData(nullptr);
        KSDKInitMbdBalloonData(nullptr);
        const std::int32_t symbol = m_in.ConsumeIntegral<std::int32_t>();
        Require(KSDKGetSymbolChar(symbol) == KMBDBase::GetNonUnicodeSymbol(KMBDBase::MBDSymbol(symbol)),
                "the symbol character is the scene's");
    }

    FuzzedDataProvider& m_in;
    std::vector<Annotation> m_annotations;
    std::vector<KSDKHandle> m_views;
    std::string m_text[5];
    bool m_scene = true;
    bool m_temporary = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    standin::host::Reset();
    standin::kscene::Reset();
    standin::orvanta::Reset();
    KSDKSetCreateTempMbd(false);
    FuzzedDataProvider input(data, size);
    Harness(input).Run();
    return 0;
}
