// The eight annotation kinds: their copies, target needs and balloon rows.
#include <numeric>

#include <boost/make_shared.hpp>

#include "host/kscene/KMBD.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/Failing.h"

namespace {

using standin::kscene::Access;

template <class Kind>
boost::shared_ptr<KMBDBase> CopyOf(const Kind& object) {
    return boost::make_shared<Kind>(object);
}

}  // namespace

KMBDTicket::KMBDTicket() = default;
boost::shared_ptr<KMBDBase> KMBDTicket::CreateCopy() const { return CopyOf(*this); }
bool KMBDTicket::HasEnoughTargets() const { return !Access::Targets(*this).empty(); }
void KMBDTicket::PreCalculateTicket(KScene*) {}
void KMBDTicket::DrawTicket(KScene*) {}
double KMBDTicket::GetPrecalcScreensize() const { return 0.0; }
void KMBDTicket::DrawLines2Targets(KScene*) {}

bool KMBDTicket::HasVisibleSubBalloons() const { return !Access::SubBalloons(*this).empty(); }

std::uint64_t KMBDTicket::GetNumberOfPossibleBalloons() const {
    standin::kscene::detail::ThrowIfFailing();
    const auto& frames = Access::SubFrames(*this);
    return std::accumulate(frames.begin(), frames.end(), std::uint64_t{0},
                           [](std::uint64_t sum, const boost::shared_ptr<KMBDSubFrame>& frame) {
                               return sum + Access::Controls(*frame).size();
                           });
}

void KMBDTicket::SetSubBalloon(std::uint64_t row, boost::shared_ptr<KMBDBalloon> balloon) {
    KMBDBase::SetSubBalloon(row, std::move(balloon));
}

boost::shared_ptr<KMBDBalloon> KMBDTicket::GetSubBalloon(std::uint64_t row) const {
    return KMBDBase::GetSubBalloon(row);
}

void KMBDTicket::ClearSubBalloon(std::uint64_t row) { KMBDBase::ClearSubBalloon(row); }
bool KMBDTicket::IsBalloonRowVisible(std::uint64_t row) const { return Access::HasSubBalloon(*this, row); }

KMBDTicket& KMBDTicket::Assign(const KMBDTicket& other) {
    *this = other;
    return *this;
}

KMBDDatum::KMBDDatum() = default;
boost::shared_ptr<KMBDBase> KMBDDatum::CreateCopy() const { return CopyOf(*this); }
bool KMBDDatum::HasEnoughTargets() const { return !Access::Targets(*this).empty(); }
void KMBDDatum::PreCalculateTicket(KScene*) {}
void KMBDDatum::DrawTicket(KScene*) {}
void KMBDDatum::CalculateDatum() {}

KMBDDatumTarget::KMBDDatumTarget() = default;
boost::shared_ptr<KMBDBase> KMBDDatumTarget::CreateCopy() const { return CopyOf(*this); }
bool KMBDDatumTarget::HasEnoughTargets() const { return !Access::Targets(*this).empty(); }
void KMBDDatumTarget::PreCalculateTicket(KScene*) {}
void KMBDDatumTarget::DrawTicket(KScene*) {}
void KMBDDatumTarget::DrawLines2Targets(KScene*) {}
void KMBDDatumTarget::CalculateDatumTarget() {}
void KMBDDatumTarget::DrawDatumTarget(KScene*) {}

KMBDDimension::KMBDDimension()
    : dimensionNumber1(0), dimensionText1{false, {}}, dimensionNumber2(0) {}
boost::shared_ptr<KMBDBase> KMBDDimension::CreateCopy() const { return CopyOf(*this); }
bool KMBDDimension::HasVisibleSubBalloons() const { return !Access::SubBalloons(*this).empty(); }
std::uint64_t KMBDDimension::GetNumberOfPossibleBalloons() const {
    standin::kscene::detail::ThrowIfFailing();
    return 1;
}

void KMBDDimension::SetSubBalloon(std::uint64_t row, boost::shared_ptr<KMBDBalloon> balloon) {
    KMBDBase::SetSubBalloon(row, std::move(balloon));
}

boost::shared_ptr<KMBDBalloon> KMBDDimension::GetSubBalloon(std::uint64_t row) const {
    return KMBDBase::GetSubBalloon(row);
}

void KMBDDimension::ClearSubBalloon(std::uint64_t row) { KMBDBase::ClearSubBalloon(row); }
bool KMBDDimension::IsBalloonRowVisible(std::uint64_t row) const { return Access::HasSubBalloon(*this, row); }
void KMBDDimension::DrawDimensionText(KScene*) {}
void KMBDDimension::CalculateDimensionText() {}

KMBD2PtDimension::KMBD2PtDimension() : m_subType(0) {}
boost::shared_ptr<KMBDBase> KMBD2PtDimension::CreateCopy() const { return CopyOf(*this); }
bool KMBD2PtDimension::HasEnoughTargets() const { return Access::Targets(*this).size() >= 2; }
void KMBD2PtDimension::PreCalculateTicket(KScene*) {}
void KMBD2PtDimension::DrawTicket(KScene*) {}
void KMBD2PtDimension::DrawLines2Targets(KScene*) {}
void KMBD2PtDimension::DrawDimensionText(KScene*) {}
void KMBD2PtDimension::CalculateDimensionText() {}
void KMBD2PtDimension::SetSubType(std::int32_t subType) { m_subType = subType; }
std::int32_t KMBD2PtDimension::GetSubType() const { return m_subType; }

KMBDAngleDimension::KMBDAngleDimension() = default;
boost::shared_ptr<KMBDBase> KMBDAngleDimension::CreateCopy() const { return CopyOf(*this); }
bool KMBDAngleDimension::HasEnoughTargets() const { return Access::Targets(*this).size() >= 2; }
void KMBDAngleDimension::PreCalculateTicket(KScene*) {}
void KMBDAngleDimension::DrawTicket(KScene*) {}
void KMBDAngleDimension::DrawLines2Targets(KScene*) {}

KMBDRadiusDimension::KMBDRadiusDimension() = default;
boost::shared_ptr<KMBDBase> KMBDRadiusDimension::CreateCopy() const { return CopyOf(*this); }
bool KMBDRadiusDimension::HasEnoughTargets() const { return !Access::Targets(*this).empty(); }
void KMBDRadiusDimension::PreCalculateTicket(KScene*) {}
void KMBDRadiusDimension::DrawTicket(KScene*) {}
void KMBDRadiusDimension::DrawLines2Targets(KScene*) {}
void KMBDRadiusDimension::DrawDimensionText(KScene*) {}
void KMBDRadiusDimension::CalculateDimensionText() {}

KMBDDiameterDimension::KMBDDiameterDimension() = default;
boost::shared_ptr<KMBDBase> KMBDDiameterDimension::CreateCopy() const { return CopyOf(*this); }
bool KMBDDiameterDimension::HasEnoughTargets() const { return !Access::Targets(*this).empty(); }
void KMBDDiameterDimension::PreCalculateTicket(KScene*) {}
void KMBDDiameterDimension::DrawTicket(KScene*) {}
void KMBDDiameterDimension::DrawLines2Targets(KScene*) {}
void KMBDDiameterDimension::DrawDimensionText(KScene*) {}
void KMBDDiameterDimension::CalculateDimensionText() {}

KMBDNote::KMBDNote() = default;
boost::shared_ptr<KMBDBase> KMBDNote::CreateCopy() const { return CopyOf(*this); }
bool KMBDNote::HasEnoughTargets() const { return true; }
void KMBDNote::PreCalculateTicket(KScene*) {}
void KMBDNote::DrawTicket(KScene*) {}
