// Random sequences of calls to every exported function, with the scene
// reported and not. A model tracks which handles are alive and of what kind.
// Wherever a function tests a handle's kind, it gets null, a live handle of
// its own kind, or a live object of any other kind: an annotation of each
// class, a target, a named view, an unfinished or finished cloud or mesh.
// Wherever a function only looks an address up (finishing an annotation or a
// named view, the named view's lists, groups), it gets any live handle, the
// addresses of sub-frames, controls, balloons and groups included. Every
// result must be the function's own value for its input (its failure value
// when refused), a refused call must leave the scene and the caller's objects
// as they were, and nothing may escape a function that catches everything:
// the harness aborts if anything does.
//
// Functions that take a handle as it is (the target, sub-frame, control and
// balloon setters) get only their own kind or null, and finishing and
// discarding clouds get only what a create function returned or the scene
// holds: any other address is outside their contract, as is a type test on
// an address that names no object of the scene library.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "draftlift/draftlift.h"
#include "host/kscene/KCapturedView.h"
#include "host/kscene/KCloud.h"
#include "host/kscene/KMBD.h"
#include "host/kscene/KObjectTree.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/KSceneStandIn.h"
#include "standins/mastercam/HostStandIn.h"
#include "standins/orvanta/OrvantaStandIn.h"

namespace {

using standin::kscene::Access;

constexpr std::size_t kMaxSteps = 256;
constexpr std::size_t kMaxText = 12;
constexpr std::size_t kMaxList = 5;
constexpr int kTexts = 6;

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

KObject* ObjectAt(KSDKHandle handle) { return static_cast<KObject*>(handle); }

// The colour byte by its definition: the low eight bits of the truncated
// single-precision product, 0 for a NaN or infinite product.
std::uint8_t ReferenceByte(float component) {
    const float product = component * 255.0f;
    if (!std::isfinite(product)) return 0;
    const double low = std::fmod(std::trunc(double(product)), 256.0);
    return static_cast<std::uint8_t>(low < 0.0 ? low + 256.0 : low);
}

bool SameColor(const KColor& color, const float* rgba) {
    return color.r == ReferenceByte(rgba[0]) && color.g == ReferenceByte(rgba[1]) &&
           color.b == ReferenceByte(rgba[2]) && color.a == ReferenceByte(rgba[3]);
}

// Raw bytes of values, for fingerprints.
class Print {
public:
    template <class T>
    void Add(const T& value) {
        m_bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    void Add(const WString& text) {
        Add(text.size());
        m_bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(WCHAR));
    }
    void Add(const KFlaggedText& text) {
        Add(text.enabled);
        Add(text.text);
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

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

struct Cloud {
    KSDKHandle handle = nullptr;
    bool mesh = false;
    bool finished = false;
    std::size_t vertices = 0;
    std::size_t faces = 0;
};

// What a handle parameter is given.
// Objects of the scene library first: a type test may be made on them.
enum class Kind { Null, Annotation, Target, View, Cloud, SubFrame, Control, Balloon, Group, Count };
constexpr Kind kFirstNonObject = Kind::SubFrame;

struct Given {
    KSDKHandle handle = nullptr;
    Kind kind = Kind::Null;
    Annotation* annotation = nullptr;  // set for a live annotation
    Cloud* cloud = nullptr;            // set for a live cloud or mesh

    bool IsSceneObject() const { return kind == Kind::Annotation || kind == Kind::Cloud; }
    // In the scene: found by its address.
    bool IsHeld() const {
        return kind == Kind::Annotation || kind == Kind::View || (kind == Kind::Cloud && cloud->finished);
    }
};

class Harness {
public:
    explicit Harness(FuzzedDataProvider& input) : m_in(input) {}

    void Run() {
        for (std::size_t step = 0; step < kMaxSteps && m_in.remaining_bytes() > 0; ++step) Step();
        CheckModel();
        ReleaseCallerObjects();
    }

private:
    using Op = void (Harness::*)();

    void Step() {
        static const Op kOps[] = {
            // Annotations.
            &Harness::Create, &Harness::Create, &Harness::Finish, &Harness::SetCommon, &Harness::SetMbd,
            &Harness::SetExtra, &Harness::SetDatum, &Harness::SetDimension, &Harness::AddTarget, &Harness::SetTarget,
            &Harness::AddFrame, &Harness::AddFrame, &Harness::SetSymbol, &Harness::AddControl, &Harness::AddControl,
            &Harness::SetControl, &Harness::AddWitness, &Harness::DeleteWitness, &Harness::MainBalloon,
            &Harness::SubBalloon, &Harness::RowCount, &Harness::RowVisible, &Harness::SetBalloon,
            // Views, visibility, groups and tabs.
            &Harness::CreateView, &Harness::SetViewData, &Harness::FinishView, &Harness::RecordVisibility,
            &Harness::RecordLevels, &Harness::SetVisibility, &Harness::GetVisibility, &Harness::CreateGroup,
            &Harness::SetGroupName, &Harness::HostTabs, &Harness::SaveTabs, &Harness::RestoreTabs,
            // Clouds and meshes.
            &Harness::CreateCloud, &Harness::CreateCloud, &Harness::SetGeneralInfo, &Harness::SetVertices,
            &Harness::SetVertices, &Harness::SetFaces, &Harness::SetTransform, &Harness::FinishObject,
            &Harness::DiscardObject,
            // The whole library.
            &Harness::Clear, &Harness::ToggleScene, &Harness::Temporary, &Harness::Constants};
        const std::size_t index = m_in.ConsumeIntegralInRange<std::size_t>(0, std::size(kOps) - 1);
        (this->*kOps[index])();
        if (m_in.ConsumeIntegralInRange<int>(0, 7) == 0) CheckModel();
    }

    // ---- inputs --------------------------------------------------------
    std::string TextBytes() { return m_in.ConsumeBytesAsString(m_in.ConsumeIntegralInRange<std::size_t>(0, kMaxText)); }

    // A text or null; the storage lives until the next call of the same slot.
    const char* Text(int slot) {
        if (m_in.ConsumeBool()) return nullptr;
        m_text[slot] = TextBytes();
        return m_text[slot].c_str();
    }

    // Ordinary components mostly; now and then any bit pattern or an
    // extreme value.
    float AnyFloat() {
        static const float kExtremes[] = {std::numeric_limits<float>::quiet_NaN(),
                                          std::numeric_limits<float>::infinity(),
                                          -std::numeric_limits<float>::infinity(),
                                          std::numeric_limits<float>::max(),
                                          -1e20f,
                                          3.6e16f,
                                          -0.0f,
                                          std::numeric_limits<float>::denorm_min()};
        switch (m_in.ConsumeIntegralInRange<int>(0, 7)) {
            case 0: {
                const auto bits = m_in.ConsumeIntegral<std::uint32_t>();
                float value;
                std::memcpy(&value, &bits, sizeof value);
                return value;
            }
            case 1: return kExtremes[m_in.ConsumeIntegralInRange<std::size_t>(0, std::size(kExtremes) - 1)];
            default: return m_in.ConsumeFloatingPointInRange<float>(-2.0f, 2.0f);
        }
    }

    template <class T>
    T* AnyOf(std::vector<T>& items) {
        return items.empty() ? nullptr : &items[m_in.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)];
    }

    template <class T>
    KSDKHandle AnyHandleOf(const std::vector<T>& items) {
        return items.empty() ? nullptr : items[m_in.ConsumeIntegralInRange<std::size_t>(0, items.size() - 1)];
    }

    // A live object of any kind, or null: what a type test may be given.
    Given AnyHandle() {
        return Of(static_cast<Kind>(m_in.ConsumeIntegralInRange<int>(0, int(kFirstNonObject) - 1)));
    }

    // A live handle of any kind, or null: what an address lookup may be given.
    Given AnyAddress() {
        return Of(static_cast<Kind>(m_in.ConsumeIntegralInRange<int>(0, int(Kind::Count) - 1)));
    }

    // What finishing and discarding may be given: null, whatever the scene
    // holds, and unfinished clouds and meshes.
    Given AnyFinishable() {
        static const Kind kKinds[] = {Kind::Null, Kind::Annotation, Kind::View, Kind::Cloud, Kind::Cloud};
        return Of(kKinds[m_in.ConsumeIntegralInRange<std::size_t>(0, std::size(kKinds) - 1)]);
    }

    Given Of(Kind kind) {
        Given given;
        switch (kind) {
            case Kind::Annotation:
                if (Annotation* a = AnyOf(m_annotations)) given = {a->handle, kind, a, nullptr};
                break;
            case Kind::Cloud:
                if (Cloud* c = AnyOf(m_clouds)) given = {c->handle, kind, nullptr, c};
                break;
            case Kind::Target: given = {AnyHandleOf(AllTargets()), kind}; break;
            case Kind::SubFrame: given = {AnyHandleOf(AllFrames()), kind}; break;
            case Kind::Control: given = {AnyHandleOf(AllControls()), kind}; break;
            case Kind::Balloon: given = {AnyHandleOf(AllBalloons()), kind}; break;
            case Kind::View: given = {AnyHandleOf(m_views), kind}; break;
            case Kind::Group: given = {AnyHandleOf(m_groups), kind}; break;
            default: break;
        }
        if (given.handle == nullptr) given = Given{};
        return given;
    }

    // A live part of the right kind, or null.
    KSDKHandle PartOrNull(const std::vector<KSDKHandle>& parts) {
        return m_in.ConsumeIntegralInRange<int>(0, 7) == 0 ? nullptr : AnyHandleOf(parts);
    }

    std::vector<KSDKHandle> AllTargets() const {
        std::vector<KSDKHandle> all;
        for (const Annotation& a : m_annotations) all.insert(all.end(), a.targets.begin(), a.targets.end());
        return all;
    }
    std::vector<Frame*> FramesOf() {
        std::vector<Frame*> all;
        for (Annotation& a : m_annotations) {
            for (Frame& f : a.frames) all.push_back(&f);
        }
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
    static const KMBDBase& AnnotationAt(KSDKHandle handle) { return dynamic_cast<const KMBDBase&>(*ObjectAt(handle)); }
    static KCapturedView& ViewAt(KSDKHandle handle) { return dynamic_cast<KCapturedView&>(*ObjectAt(handle)); }
    static KCloud& CloudAt(KSDKHandle handle) { return dynamic_cast<KCloud&>(*ObjectAt(handle)); }
    static KObjectTreeNode& GroupAt(KSDKHandle handle) { return *static_cast<KObjectTreeNode*>(handle); }
    static const std::vector<standin::kscene::SceneEntry>& Entries() { return standin::kscene::Entries(); }
    static bool Held(KSDKHandle handle) { return standin::kscene::Holds(handle); }
    static int Notices(KSDKHandle handle) { return standin::kscene::Notices(handle); }
    static std::size_t UndoCount() { return standin::kscene::UndoPoints().size(); }

    static void AddSceneObject(Print& print, const KSceneObject& o) {
        print.Add(o.GetName());
        print.Add(o.visible);
        const KColor color = o.GetColor();
        print.Add(color);
        print.Add(o.GetTransfo().m);
    }

    static void AddAnnotation(Print& print, const KMBDBase& o) {
        AddSceneObject(print, o);
        for (const KFlaggedText* text : {&o.text1, &o.text2, &o.text3, &o.datumLabel, &o.text5}) print.Add(*text);
        print.Add(o.showName);
        print.Add(std::array<std::uint8_t, 3>{o.option1, o.option2, o.option3});
        print.Add(Access::AnchorPoint(o));
        for (const auto& t : Access::Targets(o)) {
            print.Add(Access::TargetPoint(*t));
            print.Add(std::array<std::int32_t, 5>{t->targetOption, t->targetId1, t->targetId2, t->targetId3,
                                                  t->targetId4});
        }
        for (const auto& f : Access::SubFrames(o)) {
            print.Add(f->symbolText);
            for (const auto& c : Access::Controls(*f)) {
                for (const WString* text : {&c->toleranceText, &c->datumRef1Text, &c->datumRef2Text,
                                            &c->datumRef3Text, &c->controlText5}) {
                    print.Add(*text);
                }
            }
        }
        print.Add(Access::WitnessSegments(o).size());
        if (Access::MainBalloon(o)) print.Add(Access::MainBalloon(o)->text);
        for (const auto& [row, balloon] : Access::SubBalloons(o)) {
            print.Add(row);
            print.Add(balloon->text);
        }
        if (const auto* d = dynamic_cast<const KMBDDimension*>(&o)) {
            print.Add(d->dimensionText1);
            print.Add(d->dimensionText2);
            print.Add(d->dimensionText3);
            print.Add(std::pair(d->dimensionNumber1, d->dimensionNumber2));
        }
        if (const auto* t = dynamic_cast<const KMBDDatumTarget*>(&o)) print.Add(t->datumTargetText);
    }

    static void AddView(Print& print, const KCapturedView& v) {
        print.Add(v.GetName());
        print.Add(v.hasView);
        if (const auto* view = Access::View(v)) print.Add(*view);
        print.Add(Access::SetVisibilityCalls(v));
        if (const auto* levels = Access::Levels(v)) {
            print.Add(Access::ActiveLevels(*levels).size());
            print.Add(Access::VisibleLevels(*levels).size());
            print.Add(Access::MainLevel(*levels));
        }
    }

    static void AddCloud(Print& print, const KCloud& c) {
        AddSceneObject(print, c);
        print.Add(c.NumPoints());
        print.Add(c.hasVertexColors);
        print.Add(Access::IsInitialized(c));
        if (const auto* mesh = dynamic_cast<const KMesh*>(&c)) print.Add(mesh->NumFaces());
    }

    // Everything a refused call could have touched, in one text.
    std::string Fingerprint() const {
        Print print;
        for (const Annotation& a : m_annotations) AddAnnotation(print, AnnotationAt(a.handle));
        for (const KSDKHandle v : m_views) AddView(print, ViewAt(v));
        for (const Cloud& c : m_clouds) AddCloud(print, CloudAt(c.handle));
        for (const KSDKHandle g : m_groups) {
            print.Add(Access::Name(GroupAt(g)));
            print.Add(Access::Children(GroupAt(g)).size());
        }
        print.Add(Entries().size());
        int notices = 0;
        for (const auto& entry : Entries()) notices += Notices(entry.object.get());
        print.Add(notices);
        print.Add(UndoCount());
        return print.Bytes();
    }

    void CheckModel() const {
        std::size_t finished = 0;
        for (const Cloud& c : m_clouds) {
            finished += c.finished ? 1 : 0;
            Require(Held(c.handle) == c.finished, "the scene holds exactly the finished clouds");
            const KCloud& cloud = CloudAt(c.handle);
            Require(cloud.NumPoints() == c.vertices, "vertex count");
            if (c.mesh) Require(dynamic_cast<const KMesh&>(cloud).NumFaces() == c.faces, "face count");
        }
        Require(Entries().size() == m_annotations.size() + m_views.size() + finished,
                "the scene holds what was created and finished");
        for (const Annotation& a : m_annotations) {
            const KMBDBase& o = AnnotationAt(a.handle);
            Require(Held(a.handle), "annotations are in the scene from creation on");
            Require(Access::Targets(o).size() == a.targets.size(), "target count");
            Require(Access::SubFrames(o).size() == a.frames.size(), "sub-frame count");
            for (std::size_t i = 0; i < a.frames.size(); ++i) {
                Require(Access::SubFrames(o)[i].get() == a.frames[i].handle, "sub-frame handle");
                Require(Access::Controls(*Access::SubFrames(o)[i]).size() == a.frames[i].controls.size(), "control count");
            }
            Require(Access::WitnessSegments(o).size() == a.witness, "witness segment count");
            Require(Access::MainBalloon(o).get() == a.mainBalloon, "main balloon");
            Require(Access::SubBalloons(o).size() == a.subBalloons.size(), "sub-balloon count");
            for (const auto& [row, balloon] : a.subBalloons) {
                Require(o.GetSubBalloon(row).get() == balloon, "sub-balloon of a row");
            }
        }
        for (const KSDKHandle v : m_views) Require(Held(v), "named views are in the scene from creation on");
    }

    // A call on a handle parameter: `accepted` says whether the interface
    // rules let it act; refused, it must leave everything as it was.
    template <class Body>
    void Checked(const char* name, bool accepted, Body&& body) {
        const std::string before = accepted ? std::string() : Fingerprint();
        Catching(name, [&] {
            body();
            return 0;
        });
        if (!accepted) Require(Fingerprint() == before, name);
    }

    using Accepts = bool (*)(const Annotation&);
    static bool AnyKind(const Annotation&) { return true; }
    static bool Datums(const Annotation& a) { return a.IsDatum(); }
    static bool Dimensions(const Annotation& a) { return a.IsDimension(); }

    // An annotation function takes any handle and tests its class; no scene
    // is needed.
    template <class Body>
    void OnAnnotation(const char* name, Accepts accepts, Body&& body) {
        const Given given = AnyHandle();
        const bool accepted = given.annotation != nullptr && accepts(*given.annotation);
        Checked(name, accepted, [&] { body(given, accepted); });
    }

    // ---- annotation lifecycle -----------------------------------------------
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
        Require(Entries().back().saved != m_temporary, "temporary annotations are not saved");
    }

    void Finish() {
        const Given given = AnyAddress();
        const std::size_t undo = UndoCount();
        const int notices = given.annotation != nullptr ? Notices(given.handle) : 0;
        Catching("KSDKFinishMbd", [&] {
            KSDKFinishMbd(given.handle);
            return 0;
        });
        const bool marks = given.handle != nullptr && m_scene;
        Require(UndoCount() == undo + (marks ? 1 : 0), "finish undo point");
        if (marks) Require(standin::kscene::UndoPoints().back() == "Import MBD", "undo label");
        if (given.annotation != nullptr) {
            Require(Notices(given.handle) == notices + (m_scene ? 1 : 0), "finishing notifies the annotation");
        }
    }

    // ---- annotation records --------------------------------------------------
    void SetCommon() {
        KSDKCommonData data;
        KSDKInitCommonData(&data);
        data.anchorPoint = {m_in.ConsumeFloatingPoint<double>(), 1.0, -1.0};
        data.name = Text(0);
        const bool withRecord = m_in.ConsumeBool();
        OnAnnotation("KSDKSetCommonData", AnyKind, [&](const Given& g, bool accepted) {
            KSDKSetCommonData(g.handle, withRecord ? &data : nullptr);
            if (!accepted || !withRecord) return;
            const KMBDBase& o = AnnotationAt(g.handle);
            Require(std::memcmp(&Access::AnchorPoint(o), &data.anchorPoint, sizeof data.anchorPoint) == 0 && !o.showName,
                    "KSDKSetCommonData sets the anchor and hides the name");
        });
    }

    void SetMbd() {
        KSDKMbdData data;
        KSDKInitMbdData(&data);
        data.text1 = Text(0);
        data.text2 = Text(1);
        data.text3 = Text(2);
        data.datumLabel = Text(3);
        data.text5 = Text(4);
        data.option1 = m_in.ConsumeIntegral<std::uint8_t>();
        OnAnnotation("KSDKSetMbdData", AnyKind, [&](const Given& g, bool accepted) {
            KSDKSetMbdData(g.handle, &data);
            if (!accepted) return;
            const KMBDBase& o = AnnotationAt(g.handle);
            Require(o.text1.enabled == (data.text1 != nullptr) && o.text5.enabled == (data.text5 != nullptr) &&
                        o.option1 == data.option1,
                    "KSDKSetMbdData on an annotation");
        });
    }

    void SetExtra() {
        const KSDKMbdDataExtra data = {m_in.ConsumeIntegral<std::uint8_t>(), m_in.ConsumeIntegral<std::uint8_t>()};
        OnAnnotation("KSDKSetMbdDataExtra", AnyKind, [&](const Given& g, bool accepted) {
            KSDKSetMbdDataExtra(g.handle, &data);
            if (!accepted) return;
            const KMBDBase& o = AnnotationAt(g.handle);
            Require(o.option2 == data.option2 && o.option3 == data.option3, "KSDKSetMbdDataExtra");
        });
    }

    void SetDatum() {
        KSDKDatumData data;
        KSDKInitDatumData(&data);
        data.datumLabel = Text(0);
        data.datumTargetText = Text(1);
        OnAnnotation("KSDKSetDatumData", Datums, [&](const Given& g, bool accepted) {
            KSDKSetDatumData(g.handle, &data);
            if (accepted && data.datumLabel != nullptr) {
                Require(AnnotationAt(g.handle).datumLabel.enabled, "KSDKSetDatumData enables the label");
            }
        });
    }

    void SetDimension() {
        KSDKDimensionData data;
        KSDKInitDimensionData(&data);
        data.dimensionNumber1 = m_in.ConsumeIntegral<std::int32_t>();
        data.dimensionNumber2 = m_in.ConsumeIntegral<std::int32_t>();
        data.dimensionText1 = Text(0);
        data.dimensionText2 = Text(1);
        data.dimensionText3 = Text(2);
        data.text2 = Text(3);
        OnAnnotation("KSDKSetDimensionData", Dimensions, [&](const Given& g, bool accepted) {
            KSDKSetDimensionData(g.handle, &data);
            if (!accepted) return;
            const auto& d = dynamic_cast<const KMBDDimension&>(AnnotationAt(g.handle));
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
        const bool withRecord = m_in.ConsumeBool();
        Catching("KSDKSetTargetPtData", [&] {
            KSDKSetTargetPtData(target, withRecord ? &data : nullptr);
            return 0;
        });
        if (object == nullptr || !withRecord) return;
        Require(object->targetOption == (data.targetOption != 0), "the target option is the byte's truth");
        if (data.targetId3 == -1) Require(object->targetId4 == id4, "targetId4 follows targetId3");
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
        data.toleranceText = Text(0);
        data.datumRef1Text = Text(1);
        data.controlText5 = Text(2);
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
        data.text = Text(0);
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

    // ---- named views -----------------------------------------------------------
    void CreateView() {
        const KSDKHandle view = Catching("KSDKCreateNamedView", [] { return KSDKCreateNamedView(); });
        Require((view != nullptr) == m_scene, "a named view exactly with a scene");
        if (view != nullptr) m_views.push_back(view);
    }

    // Handles of any kind, some of them repeated.
    std::vector<KSDKHandle> Handles() {
        std::vector<KSDKHandle> handles(m_in.ConsumeIntegralInRange<std::size_t>(0, kMaxList));
        for (KSDKHandle& handle : handles) handle = AnyAddress().handle;
        return handles;
    }

    // The distinct scene objects the scene holds among the first `count`.
    std::set<KSDKHandle> HeldSceneObjects(const std::vector<KSDKHandle>& handles, std::int32_t count) const {
        std::set<KSDKHandle> held;
        for (std::int32_t i = 0; i < count && std::size_t(i) < handles.size(); ++i) {
            const auto object = standin::kscene::Scene().GetObjectPtr(handles[i]);
            if (dynamic_cast<const KSceneObject*>(object.get()) != nullptr) {
                held.insert(handles[i]);
            }
        }
        return held;
    }

    std::int32_t CountFor(const std::vector<KSDKHandle>& handles) {
        return m_in.ConsumeIntegralInRange<std::int32_t>(-1, std::int32_t(handles.size()));
    }

    void SetViewData() {
        KSDKNamedViewData data;
        KSDKInitNamedViewData(&data);
        data.name = Text(0);
        data.hasView = m_in.ConsumeIntegral<std::uint8_t>();
        data.viewParam1 = m_in.ConsumeFloatingPoint<double>();
        data.viewMatrix[4] = m_in.ConsumeFloatingPoint<double>();
        const std::vector<KSDKHandle> shown = Handles();
        const std::vector<KSDKHandle> hidden = Handles();
        data.shownObjects = shown.data();
        data.shownCount = std::max(0, CountFor(shown));
        data.hiddenObjects = hidden.data();
        data.hiddenCount = std::max(0, CountFor(hidden));
        const bool withRecord = m_in.ConsumeIntegralInRange<int>(0, 7) != 0;
        const Given given = AnyHandle();
        const bool accepted = given.kind == Kind::View && withRecord;
        const int calls = accepted ? Access::SetVisibilityCalls(ViewAt(given.handle)) : 0;
        Checked("KSDKSetNamedViewData", accepted, [&] { KSDKSetNamedViewData(given.handle, withRecord ? &data : nullptr); });
        if (!accepted) return;
        const KCapturedView& view = ViewAt(given.handle);
        Require(view.hasView == data.hasView, "the view's hasView is the record's byte");
        if (data.hasView != 0) {
            Require(Access::View(view) != nullptr && Access::View(view)->param1 == data.viewParam1 &&
                        std::memcmp(&Access::View(view)->matrix[5], &data.viewMatrix[4], sizeof(double)) == 0,
                    "the view description comes from the record");
        }
        const bool listed = data.shownCount != 0 || data.hiddenCount != 0;
        Require(Access::SetVisibilityCalls(view) == calls + (listed && m_scene ? 1 : 0),
                "a visibility set exactly for listed objects with a scene");
        if (!listed || !m_scene) return;
        const std::size_t pairs =
            HeldSceneObjects(shown, data.shownCount).size() + HeldSceneObjects(hidden, data.hiddenCount).size();
        Require(Access::Visibility(view)->size() == pairs, "one pair per listed scene object and flag");
    }

    void FinishView() {
        const Given given = AnyAddress();
        const std::size_t undo = UndoCount();
        const int notices = given.kind == Kind::View ? Notices(given.handle) : 0;
        Catching("KSDKFinishNamedView", [&] {
            KSDKFinishNamedView(given.handle);
            return 0;
        });
        const bool marks = given.handle != nullptr && m_scene;
        Require(UndoCount() == undo + (marks ? 1 : 0), "view finish undo point");
        if (marks) Require(standin::kscene::UndoPoints().back() == "Import Named View", "view undo label");
        if (given.kind == Kind::View) {
            Require(Notices(given.handle) == notices + (m_scene ? 1 : 0), "finishing notifies the view");
        }
    }

    void RecordVisibility() {
        const Given given = AnyHandle();
        const bool accepted = given.kind == Kind::View && m_scene;
        Checked("KSDKNamedViewRecordVisibility", accepted, [&] { KSDKNamedViewRecordVisibility(given.handle); });
        if (!accepted) return;
        const auto* set = Access::Visibility(ViewAt(given.handle));
        Require(set != nullptr && set->size() == m_annotations.size(), "one pair per annotation of the scene");
        for (const auto& [shown, object] : *set) {
            Require(shown == (object.lock()->visible != 0), "each annotation with its flag");
        }
    }

    void RecordLevels() {
        if (m_in.ConsumeBool()) {
            standin::host::Levels levels;
            levels.active.resize(m_in.ConsumeIntegralInRange<std::size_t>(0, 3), m_in.ConsumeIntegral<std::int32_t>());
            levels.visible.resize(m_in.ConsumeIntegralInRange<std::size_t>(0, 3), 7);
            levels.main = m_in.ConsumeIntegral<std::int32_t>();
            standin::host::SetLevels(levels);
            m_levels = levels;
        }
        const Given given = AnyHandle();
        const bool accepted = given.kind == Kind::View;
        Checked("KSDKNamedViewRecordLevelState", accepted, [&] { KSDKNamedViewRecordLevelState(given.handle); });
        if (!accepted) return;
        const auto* levels = Access::Levels(ViewAt(given.handle));
        Require(levels != nullptr && Access::ActiveLevels(*levels) == m_levels.active &&
                    Access::VisibleLevels(*levels) == m_levels.visible && Access::MainLevel(*levels) == m_levels.main,
                "the host's levels, with or without a scene");
    }

    // ---- visibility --------------------------------------------------------------
    void SetVisibility() {
        const Given given = AnyHandle();
        const KSDKFlag flag = m_in.ConsumeIntegral<std::uint8_t>();
        const bool accepted = given.IsSceneObject() && m_scene;
        const int notices = accepted ? Notices(given.handle) : 0;
        Checked("KSDKSetVisibility", accepted, [&] { KSDKSetVisibility(given.handle, flag); });
        if (!accepted) return;
        Require(dynamic_cast<const KSceneObject&>(*ObjectAt(given.handle)).visible == flag, "the byte as given");
        Require(Notices(given.handle) == notices + (given.IsHeld() ? 1 : 0), "held objects are announced");
    }

    void GetVisibility() {
        const Given given = AnyHandle();
        const KSDKFlag flag = Catching("KSDKGetVisibility", [&] { return KSDKGetVisibility(given.handle); });
        const KSDKFlag expected =
            given.IsSceneObject() ? dynamic_cast<const KSceneObject&>(*ObjectAt(given.handle)).visible : 0;
        Require(flag == expected, "the flag of a scene object, with or without a scene; else 0");
    }

    // ---- groups --------------------------------------------------------------------
    bool IsGroup(KSDKHandle handle) const {
        return handle != nullptr && std::find(m_groups.begin(), m_groups.end(), handle) != m_groups.end();
    }

    void CreateGroup() {
        const std::vector<KSDKHandle> handles = Handles();
        const std::int32_t count = CountFor(handles);
        const char* name = Text(0);
        bool members = false;
        for (std::int32_t i = 0; i < count; ++i) members = members || Held(handles[i]) || IsGroup(handles[i]);
        const bool accepted = m_scene && members;
        KSDKHandle group = nullptr;
        Checked("KSDKCreateGroup", accepted, [&] { group = KSDKCreateGroup(handles.data(), count, name); });
        Require((group != nullptr) == accepted, "a group exactly for members found with a scene");
        if (group == nullptr) return;
        m_groups.push_back(group);
        if (name != nullptr) {
            Require(Access::Name(GroupAt(group)) == KTextObject::ConvertMBDsymbolText(name), "the group's symbol text name");
        }
    }

    void SetGroupName() {
        const Given given = AnyAddress();
        const char* name = Text(0);
        const bool accepted = given.kind == Kind::Group && name != nullptr;
        Checked("KSDKSetGroupName", accepted, [&] { KSDKSetGroupName(given.handle, name); });
        if (accepted) {
            Require(Access::Name(GroupAt(given.handle)) == KTextObject::ConvertMBDsymbolText(name), "the group's new name");
        }
    }

    // ---- host tab state ---------------------------------------------------------------
    void HostTabs() {
        auto& tabs = standin::orvanta::Tabs();
        tabs.shown1 = m_in.ConsumeBool();
        tabs.shown2 = m_in.ConsumeBool();
        tabs.shownByte = m_in.ConsumeIntegralInRange<std::uint8_t>(1, 255);
    }

    // The two tab functions catch nothing; the stand-in raises nothing.
    void SaveTabs() {
        const auto& tabs = standin::orvanta::Tabs();
        const std::uint8_t flag1 = tabs.shown1 ? tabs.shownByte : 0;
        const std::uint8_t flag2 = tabs.shown2 ? tabs.shownByte : 0;
        KSDKTabState* state = KSDKGetOrvantaTabStateAndRestoreMcamTabs();
        Require(state != nullptr && state->tabsFlag1 == flag1 && state->tabsFlag2 == flag2, "the saved bytes");
        Require(tabs.shown1 && tabs.shown2, "saving brings back all tabs");
        m_tabStates.push_back(state);
    }

    void RestoreTabs() {
        const std::size_t index = m_in.ConsumeIntegralInRange<std::size_t>(0, m_tabStates.size());
        KSDKTabState* state = index < m_tabStates.size() ? m_tabStates[index] : nullptr;
        const auto& tabs = standin::orvanta::Tabs();
        const int removes = tabs.removeCalls;
        const std::pair<bool, bool> remove =
            state != nullptr ? std::pair(state->tabsFlag1 == 0, state->tabsFlag2 == 0) : std::pair(false, false);
        KSDKRestoreOrvantaTabState(state);
        Require(tabs.removeCalls == removes + (state != nullptr ? 1 : 0), "one removal per saved state");
        if (state == nullptr) return;
        Require(tabs.lastRemove == remove, "removal of exactly the tabs saved as 0");
        m_tabStates.erase(m_tabStates.begin() + std::ptrdiff_t(index));
    }

    // ---- clouds and meshes --------------------------------------------------------------
    void CreateCloud() {
        const bool mesh = m_in.ConsumeBool();
        const KSDKHandle handle = mesh ? KSDKCreateMesh() : KSDKCreateCloud();
        Require((handle != nullptr) == m_scene, "a cloud or mesh exactly with a scene");
        if (handle != nullptr) m_clouds.push_back({handle, mesh});
    }

    // The setters' frame: -1 or 0 as the rules say, a change notice for what
    // the scene holds.
    template <class Body>
    void Setter(const char* name, const Given& given, bool fits, Body&& body) {
        const bool accepted = m_scene && fits;
        const int notices = accepted && given.IsHeld() ? Notices(given.handle) : 0;
        std::int32_t result = 0;
        Checked(name, accepted, [&] { result = body(); });
        Require(result == (accepted ? 0 : -1), name);
        if (accepted && given.IsHeld()) Require(Notices(given.handle) == notices + 1, "setters announce held objects");
    }

    void SetGeneralInfo() {
        KSDKGeneralInfo info;
        KSDKInitGeneralInfo(&info);
        info.name = Text(0);
        info.hasColor = m_in.ConsumeIntegral<std::uint8_t>();
        for (float& component : info.color) component = AnyFloat();
        const bool withRecord = m_in.ConsumeIntegralInRange<int>(0, 7) != 0;
        const Given given = AnyHandle();
        Setter("KSDKSetGeneralInfo", given, withRecord && given.IsSceneObject(),
               [&] { return KSDKSetGeneralInfo(given.handle, withRecord ? &info : nullptr); });
        if (m_scene && withRecord && given.IsSceneObject() && info.hasColor != 0) {
            Require(SameColor(dynamic_cast<const KSceneObject&>(*ObjectAt(given.handle)).GetColor(), info.color),
                    "each colour component becomes its defined byte");
        }
    }

    void SetVertices() {
        const std::uint32_t count = m_in.ConsumeIntegralInRange<std::uint32_t>(0, 6);
        std::vector<double> points(3 * count);
        for (double& p : points) p = m_in.ConsumeFloatingPoint<double>();
        std::vector<float> colors(4 * count);
        for (float& c : colors) c = AnyFloat();
        const std::vector<double> normals(3 * count, 0.5);
        const std::vector<double> scalars(count, -1.0);
        KSDKVertices data;
        KSDKInitVertices(&data);
        data.count = count;
        data.points = m_in.ConsumeIntegralInRange<int>(0, 7) != 0 ? points.data() : nullptr;
        if (m_in.ConsumeBool()) data.normals = normals.data();
        if (m_in.ConsumeBool()) data.scalars = scalars.data();
        if (m_in.ConsumeBool()) data.colors = colors.data();
        const Given given = AnyHandle();
        // A missing array for vertices that are there is refused.
        const bool fits = given.kind == Kind::Cloud && (count == 0 || data.points != nullptr);
        Setter("KSDKSetVertices", given, fits, [&] { return KSDKSetVertices(given.handle, &data); });
        if (!m_scene || !fits) return;
        Cloud& cloud = *given.cloud;
        const KCloud& object = CloudAt(cloud.handle);
        for (std::uint32_t i = 0; i < count && data.colors != nullptr; ++i) {
            Require(SameColor(Access::VertexColors(object)[cloud.vertices + i], &colors[4 * i]), "vertex colour bytes");
        }
        cloud.vertices += count;
        if (data.colors != nullptr) Require(object.hasVertexColors, "coloured vertices mark the cloud");
    }

    void SetFaces() {
        const std::uint32_t count = m_in.ConsumeIntegralInRange<std::uint32_t>(0, 4);
        std::vector<std::uint32_t> indices(3 * count);
        for (std::uint32_t& index : indices) index = m_in.ConsumeIntegralInRange<std::uint32_t>(0, 8);
        KSDKFaces data;
        KSDKInitFaces(&data);
        data.count = count;
        data.indices = m_in.ConsumeIntegralInRange<int>(0, 7) != 0 ? indices.data() : nullptr;
        const bool withRecord = m_in.ConsumeIntegralInRange<int>(0, 7) != 0;
        const Given given = AnyHandle();
        const bool fits = withRecord && given.kind == Kind::Cloud && given.cloud->mesh &&
                          (count == 0 || data.indices != nullptr);
        Setter("KSDKSetFaces", given, fits, [&] { return KSDKSetFaces(given.handle, withRecord ? &data : nullptr); });
        if (m_scene && fits) given.cloud->faces += count;
    }

    void SetTransform() {
        KSDKTransform transform;
        KSDKInitTransform(&transform);
        transform.m[m_in.ConsumeIntegralInRange<int>(0, 15)] = m_in.ConsumeFloatingPoint<double>();
        const Given given = AnyHandle();
        Setter("KSDKSetLocalTransform", given, given.IsSceneObject(),
               [&] { return KSDKSetLocalTransform(given.handle, &transform); });
        if (!m_scene || !given.IsSceneObject()) return;
        const KMatrix4<double> set = dynamic_cast<const KSceneObject&>(*ObjectAt(given.handle)).GetTransfo();
        for (int a = 0; a < 4; ++a) {
            for (int b = 0; b < 4; ++b) {
                Require(std::memcmp(&set.m[4 * b + a], &transform.m[4 * a + b], sizeof(double)) == 0, "transposed");
            }
        }
    }

    void FinishObject() {
        const Given given = AnyFinishable();
        const bool accepted = m_scene && given.handle != nullptr;
        const bool held = given.IsHeld();
        const int notices = accepted && held ? Notices(given.handle) : 0;
        std::int32_t result = 0;
        Checked("KSDKFinishObject", accepted, [&] { result = KSDKFinishObject(given.handle); });
        Require(result == (accepted ? 0 : -1), "KSDKFinishObject");
        if (!accepted) return;
        if (held) {
            Require(Notices(given.handle) == notices + 1, "finishing what the scene holds only announces it");
            return;
        }
        Cloud& cloud = *given.cloud;
        cloud.finished = true;
        const KCloud& object = CloudAt(cloud.handle);
        if (cloud.mesh) {
            Require((Access::Octree(dynamic_cast<const KMesh&>(object)) != nullptr) == (cloud.vertices != 0),
                    "a finished mesh has its spatial index");
        } else {
            Require(Access::IsInitialized(object), "a finished cloud is initialised");
        }
    }

    void DiscardObject() {
        const Given given = AnyFinishable();
        const bool accepted = m_scene && given.handle != nullptr && !given.IsHeld();
        std::int32_t result = 0;
        Checked("KSDKDiscardObject", accepted, [&] {
            result = KSDKDiscardObject(given.handle);
            if (accepted) Forget(given.cloud);
        });
        Require(result == (accepted ? 0 : -1), "KSDKDiscardObject");
    }

    void Forget(const Cloud* cloud) {
        m_clouds.erase(m_clouds.begin() + (cloud - m_clouds.data()));
    }

    // ---- the whole library ------------------------------------------------------------------
    void Clear() {
        const bool result = m_in.ConsumeBool();
        standin::kscene::SetClearResult(result);
        Require(KSDKClearOrvantaDatabase() == result, "clearing reports the scene library's result");
        m_annotations.clear();
        m_views.clear();
        m_groups.clear();
        std::vector<Cloud> unfinished;
        for (const Cloud& c : m_clouds) {
            if (!c.finished) unfinished.push_back(c);
        }
        m_clouds.swap(unfinished);
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

    // Versions, symbol characters and the Init functions, with and without a
    // scene alike.
    void Constants() {
        Require(KSDKGetMbdVersion() == 2 && KSDKGetMbdMinorVersion() == 7, "annotation interface 2.7");
        Require(KSDKGetMeshSdkVersion() == 1 && KSDKGetMeshSdkMinorVersion() == 0, "mesh interface 1.0");
        const std::int32_t symbol = m_in.ConsumeIntegral<std::int32_t>();
        Require(KSDKGetSymbolChar(symbol) == KMBDBase::GetNonUnicodeSymbol(KMBDBase::MBDSymbol(symbol)),
                "the symbol character is the scene's");
        KSDKTargetPtData target;
        KSDKInitTargetPtData(&target);
        Require(target.targetId1 == -1 && target.targetId4 == -1 && target.targetOption == 0, "target defaults");
        KSDKNamedViewData view;
        KSDKInitNamedViewData(&view);
        Require(view.viewParam3 == 1.0 && view.viewMatrix[8] == 1.0 && view.shownObjects == nullptr, "view defaults");
        KSDKGeneralInfo info;
        KSDKInitGeneralInfo(&info);
        Require(info.name == nullptr && info.hasColor == 0 && info.color[3] == 1.0f, "general info defaults");
        KSDKTransform transform;
        KSDKInitTransform(&transform);
        Require(transform.m[15] == 1.0 && transform.m[1] == 0.0, "identity transform");
        KSDKInitTargetPtData(nullptr);
        KSDKInitControlData(nullptr);
        KSDKInitCommonData(nullptr);
        KSDKInitMbdData(nullptr);
        KSDKInitDatumData(nullptr);
        KSDKInitDimensionData(nullptr);
        KSDKInitMbdBalloonData(nullptr);
        KSDKInitNamedViewData(nullptr);
        KSDKInitGeneralInfo(nullptr);
        KSDKInitVertices(nullptr);
        KSDKInitFaces(nullptr);
        KSDKInitTransform(nullptr);
    }

    // What the caller owns goes back: unfinished objects and saved tab states.
    void ReleaseCallerObjects() {
        standin::kscene::SetScenePresent(true);
        for (const Cloud& c : m_clouds) {
            if (!c.finished) Require(KSDKDiscardObject(c.handle) == 0, "discarding an unfinished object");
        }
        for (KSDKTabState* state : m_tabStates) KSDKRestoreOrvantaTabState(state);
    }

    FuzzedDataProvider& m_in;
    std::vector<Annotation> m_annotations;
    std::vector<KSDKHandle> m_views;
    std::vector<KSDKHandle> m_groups;
    std::vector<Cloud> m_clouds;
    std::vector<KSDKTabState*> m_tabStates;
    standin::host::Levels m_levels;
    std::string m_text[kTexts];
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
