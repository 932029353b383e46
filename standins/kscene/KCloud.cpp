// Point clouds: vertex storage, appending, removal and the cloud's box.
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "host/kscene/KCloud.h"
#include "standins/kscene/Access.h"
#include "standins/kscene/Failing.h"
#include "standins/kscene/KSceneStandIn.h"

namespace {

KBBox BoxOf(const std::vector<KPt3<double>>& points) {
    if (points.empty()) return KBBox{{0, 0, 0}, {0, 0, 0}};
    KBBox box{points.front(), points.front()};
    for (const KPt3<double>& p : points) {
        box.min = {std::min(box.min.x, p.x), std::min(box.min.y, p.y), std::min(box.min.z, p.z)};
        box.max = {std::max(box.max.x, p.x), std::max(box.max.y, p.y), std::max(box.max.z, p.z)};
    }
    return box;
}

template <class T>
void Compact(std::vector<T>& values, const std::vector<bool>& removed) {
    if (values.empty()) return;
    std::size_t to = 0;
    for (std::size_t from = 0; from < values.size(); ++from) {
        if (!removed[from]) values[to++] = values[from];
    }
    values.resize(to);
}

}  // namespace

KMeasurementItf::~KMeasurementItf() = default;
KCloudBase::~KCloudBase() = default;

KCloudBase& KCloudBase::AssignPoints(const KCloudBase& other) {
    const std::size_t n = std::min(NumPoints(), other.NumPoints());
    for (std::size_t i = 0; i < n; ++i) Point(i) = other.Point(i);
    return *this;
}

KCloud::KCloud() : hasVertexColors(false), m_initialized(false) {}
KCloud::~KCloud() = default;

void KCloud::SetColor(const KColor& color) { KSceneObject::SetColor(color); }
KBBox KCloud::GetPureBBox() const { return BBox(); }

// Moves the points into scene coordinates and resets the local transform.
void KCloud::FixateTotalTransform() {
    const auto m = GetTransfo().m;
    for (KPt3<double>& p : m_positions) {
        p = {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
             m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
    }
    ResetTransfo();
}

void KCloud::DrawInScene(KScene*) {}

KCloud& KCloud::AssignCloud(const KCloud& other) {
    if (this == &other) return *this;
    Assign(other);
    m_positions = other.m_positions;
    m_normals = other.m_normals;
    m_scalars = other.m_scalars;
    m_scalarsAux = other.m_scalarsAux;
    m_colors = other.m_colors;
    m_initialized = other.m_initialized;
    hasVertexColors = other.hasVertexColors;
    return *this;
}

KCloud* KCloud::CopyWithoutData() const {
    auto* copy = new KCloud;
    copy->Assign(*this);
    return copy;
}

bool KCloud::RemovePoints(const std::vector<std::uint32_t>& indices) {
    std::vector<std::uint32_t> kept;
    return standin::kscene::Access::KeepPointsExcept(*this, indices, kept);
}

bool standin::kscene::Access::KeepPointsExcept(KCloud& cloud, const std::vector<std::uint32_t>& indices,
                                               std::vector<std::uint32_t>& kept) {
    std::vector<bool> removed(cloud.m_positions.size(), false);
    bool any = false;
    for (const std::uint32_t index : indices) {
        if (index < removed.size()) any = removed[index] = true;
    }
    if (!any) return false;
    kept.assign(removed.size(), standin::kscene::kNoNeighbor);
    std::uint32_t next = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (!removed[i]) kept[i] = next++;
    }
    Compact(cloud.m_positions, removed);
    Compact(cloud.m_normals, removed);
    Compact(cloud.m_scalars, removed);
    Compact(cloud.m_scalarsAux, removed);
    Compact(cloud.m_colors, removed);
    return true;
}

void KCloud::Offset(double distance) {
    for (std::size_t i = 0; i < m_positions.size(); ++i) {
        const KPt3<double>& n = m_normals[i];
        m_positions[i] = {m_positions[i].x + distance * n.x, m_positions[i].y + distance * n.y,
                          m_positions[i].z + distance * n.z};
    }
}

void KCloud::FlipAllNormals() {
    for (KPt3<double>& n : m_normals) n = {-n.x, -n.y, -n.z};
}

void KCloud::RegenGraphics() {}
void KCloud::SimpleDraw(KScene*) {}

std::size_t KCloud::NumPoints() const { return m_positions.size(); }
const KPt3<double>& KCloud::Point(std::size_t index) const { return m_positions[index]; }
KPt3<double>& KCloud::Point(std::size_t index) { return m_positions[index]; }
KBBox KCloud::BBox() const { return BoxOf(m_positions); }
KMatrix4<double> KCloud::GetTTransfo() const { return GetTotalTransfo(); }

void KCloud::PrepareForCloudAdd(std::uint64_t count) {
    standin::kscene::detail::ThrowIfFailing();
    const std::size_t total = m_positions.size() + std::size_t(count);
    m_positions.reserve(total);
    m_normals.reserve(total);
    m_scalars.reserve(total);
    m_colors.reserve(total);
}

int KCloud::AddPoint(const KVertex& vertex) {
    const std::size_t index = m_positions.size();
    if (index >= std::size_t(std::numeric_limits<int>::max())) throw std::length_error("cloud full");
    if (vertex.scalarAux != 0.0 && m_scalarsAux.empty()) m_scalarsAux.assign(index, 0.0);
    // All or nothing: a failing append takes back what it added.
    try {
        m_positions.push_back(vertex.position);
        m_normals.push_back(vertex.normal);
        m_scalars.push_back(vertex.scalar);
        m_colors.push_back(vertex.color);
        if (!m_scalarsAux.empty()) m_scalarsAux.push_back(vertex.scalarAux);
    } catch (...) {
        m_positions.resize(index);
        m_normals.resize(std::min(m_normals.size(), index));
        m_scalars.resize(std::min(m_scalars.size(), index));
        m_colors.resize(std::min(m_colors.size(), index));
        throw;
    }
    return int(index);
}

void KCloud::Initialize() {
    m_initialized = true;
}

KVertex standin::kscene::Access::Vertex(const KCloud& cloud, std::size_t index) {
    KVertex vertex;
    vertex.position = cloud.m_positions[index];
    vertex.normal = cloud.m_normals[index];
    vertex.scalar = cloud.m_scalars[index];
    vertex.scalarAux = cloud.m_scalarsAux.empty() ? 0.0 : cloud.m_scalarsAux[index];
    vertex.color = cloud.m_colors[index];
    return vertex;
}
