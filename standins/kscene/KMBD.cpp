// The annotation base class and its parts: targets, sub-frames, controls,
// balloons. Drawing belongs to the real scene library; the stand-in keeps the
// data others write and read.
#include <boost/make_shared.hpp>

#include "host/kscene/KMBD.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/Failing.h"

KMBDTarget::KMBDTarget()
    : targetOption(false), targetId1(0), targetId2(0), targetId3(0), targetId4(0), m_targetPoint{0, 0, 0},
      m_groupId(0), m_entityId(0) {}
KMBDTarget::~KMBDTarget() = default;
WString KMBDTarget::GetName() const { return KObject::GetName(); }
void KMBDTarget::SetName(const WString& name) { KObject::SetName(name); }

KMBDTarget& KMBDTarget::Assign(const KMBDTarget& other) {
    *this = other;
    return *this;
}

void KMBDTarget::SetTargetPoint(const KPt3<double>& point) {
    standin::kscene::detail::ThrowIfFailing();
    m_targetPoint = point;
}
void KMBDTarget::SetTargetPoint(const p_3d& point) { m_targetPoint = {point.x, point.y, point.z}; }
void KMBDTarget::SetGroupId(std::int32_t id) { m_groupId = id; }
void KMBDTarget::SetEntityId(std::int32_t id) { m_entityId = id; }

boost::shared_ptr<KMBDControl> KMBDSubFrame::AddControl() {
    standin::kscene::detail::ThrowIfFailing();
    m_controls.push_back(boost::make_shared<KMBDControl>());
    return m_controls.back();
}

KMBDBalloon::KMBDBalloon() { standin::kscene::detail::ThrowIfFailing(); }
KMBDBalloon::~KMBDBalloon() = default;

// Every text empty and disabled, every option 0, anchored at the origin.
KMBDBase::KMBDBase()
    : showName(false), text1{false, {}}, text2{false, {}}, text3{false, {}}, datumLabel{false, {}},
      text5{false, {}}, option1(0), option2(0), option3(0), m_anchorPoint{0, 0, 0} {}
KMBDBase::~KMBDBase() = default;

KBBox KMBDBase::GetPureBBox() const { return {m_anchorPoint, m_anchorPoint}; }
void KMBDBase::DrawInScene(KScene*) {}
KBBox KMBDBase::GetScreenBox(KScene*) const { return {}; }

boost::shared_ptr<KMBDBase> KMBDBase::CreateCopy() const {
    return boost::make_shared<KMBDBase>(*this);
}

KMBDBase& KMBDBase::Assign(const KMBDBase& other) {
    *this = other;
    return *this;
}

bool KMBDBase::HasEnoughTargets() const { return true; }
void KMBDBase::PreCalculateTicket(KScene*) {}
void KMBDBase::DrawTicket(KScene*) {}
double KMBDBase::GetPrecalcScreensize() const { return 0.0; }
void KMBDBase::DrawWitnessLines(KScene*) {}
void KMBDBase::DrawTargetPoints(KScene*) {}
void KMBDBase::DrawLines2Targets(KScene*) {}
void KMBDBase::DrawSubFrames(KScene*) {}
double KMBDBase::CalculateSubFramesStringSize() const { return 0.0; }
double KMBDBase::CalculateSubFrameStringSize(std::size_t) const { return 0.0; }
void KMBDBase::DrawSubFrame(KScene*, std::size_t) {}
void KMBDBase::DrawAttachedDatum(KScene*, DatumDir) {}
void KMBDBase::CalculateAttachedDatum(DatumDir) {}
void KMBDBase::DrawFlagNote(KScene*) {}
void KMBDBase::CalculateFlagNote() {}
void KMBDBase::DrawSurfaceFinish(KScene*) {}
void KMBDBase::CalculateSurfaceFinish() {}

// The base annotation offers no balloon rows of its own.
bool KMBDBase::HasVisibleSubBalloons() const { return false; }
std::uint64_t KMBDBase::GetNumberOfPossibleBalloons() const {
    standin::kscene::detail::ThrowIfFailing();
    return 0;
}

// Rows run from 0 to GetNumberOfPossibleBalloons() - 1; others are ignored.
void KMBDBase::SetSubBalloon(std::uint64_t row, boost::shared_ptr<KMBDBalloon> balloon) {
    if (row < GetNumberOfPossibleBalloons()) m_subBalloons[row] = std::move(balloon);
}

boost::shared_ptr<KMBDBalloon> KMBDBase::GetSubBalloon(std::uint64_t row) const {
    const auto found = m_subBalloons.find(row);
    return found == m_subBalloons.end() ? boost::shared_ptr<KMBDBalloon>() : found->second;
}

void KMBDBase::ClearSubBalloon(std::uint64_t row) { m_subBalloons.erase(row); }
bool KMBDBase::IsBalloonRowVisible(std::uint64_t row) const {
    return standin::kscene::Access::HasSubBalloon(*this, row);
}

void KMBDBase::SetAnchorPoint(const KPt3<double>& point) { m_anchorPoint = point; }
void KMBDBase::AddTarget(boost::shared_ptr<KMBDTarget> target) { m_targets.push_back(std::move(target)); }

boost::shared_ptr<KMBDSubFrame> KMBDBase::AddSubFrame() {
    standin::kscene::detail::ThrowIfFailing();
    m_subFrames.push_back(boost::make_shared<KMBDSubFrame>());
    return m_subFrames.back();
}

void KMBDBase::AddWitnessSegment(const KPt3<double>& start, const KPt3<double>& end) {
    standin::kscene::detail::ThrowIfFailing();
    m_witness.push_back({start, end});
}

void KMBDBase::DeleteWitnessLines() {
    standin::kscene::detail::ThrowIfFailing();
    m_witness.clear();
}
void KMBDBase::SetMainBalloon(boost::shared_ptr<KMBDBalloon> balloon) { m_mainBalloon = std::move(balloon); }

bool standin::kscene::Access::HasSubBalloon(const KMBDBase& annotation, std::uint64_t row) {
    detail::ThrowIfFailing();
    return row < annotation.GetNumberOfPossibleBalloons() && annotation.m_subBalloons.count(row) != 0;
}
