// Face and vertex normals of a mesh.
#include <cmath>

#include "host/kscene/KCloud.h"
#include "standins/kscene/Access.h"

namespace {

using Vec = KPt3<double>;

Vec Minus(const Vec& a, const Vec& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec Cross(const Vec& a, const Vec& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Length(const Vec& a) { return std::sqrt(Dot(a, a)); }
Vec Scaled(const Vec& a, double s) { return {a.x * s, a.y * s, a.z * s}; }

void Accumulate(Vec& sum, const Vec& v) {
    sum.x += v.x;
    sum.y += v.y;
    sum.z += v.z;
}

// The angle at corner `at` between the edges to the two others.
double CornerAngle(const Vec& at, const Vec& a, const Vec& b) {
    const Vec u = Minus(a, at);
    const Vec v = Minus(b, at);
    return std::atan2(Length(Cross(u, v)), Dot(u, v));
}

constexpr std::size_t kPrefetchDistance = 16;

void Prefetch(const std::array<std::uint32_t, 3>& corners, const std::vector<Vec>& positions, const std::vector<Vec>& normals) {
    for (const std::uint32_t v : corners) {
        if (v >= positions.size()) continue;
        __builtin_prefetch(&positions[v]);
        __builtin_prefetch(&normals[v], 1);
    }
}

}  // namespace

// Each vertex sums its faces' contributions in its own normal, from the
// first face that reaches it on, so that a large mesh needs no second array
// of vertices. A vertex no usable face reaches keeps the normal it has; one
// whose faces cancel out exactly is left with the zero vector.
bool KMesh::ComputeVertexNormals(bool angleWeighted) {
    const std::size_t points = NumPoints();
    std::vector<bool> reached(points, false);
    const std::vector<Vec>& positions = standin::kscene::Access::Positions(*this);
    const std::vector<Vec>& normals = standin::kscene::Access::Normals(*this);
    for (std::size_t t = 0; t < m_corners.size(); ++t) {
        // The corners of a large mesh lie anywhere in memory: asking for a
        // later triangle's ones early lets their loads overlap.
        if (t + kPrefetchDistance < m_corners.size()) Prefetch(m_corners[t + kPrefetchDistance], positions, normals);
        const auto& c = m_corners[t];
        if (c[0] >= points || c[1] >= points || c[2] >= points) continue;
        const Vec p[3] = {positions[c[0]], positions[c[1]], positions[c[2]]};
        // Twice the area, along the face normal.
        const Vec areaNormal = Cross(Minus(p[1], p[0]), Minus(p[2], p[0]));
        const double length = Length(areaNormal);
        if (!(length > 0.0)) continue;
        const Vec unit = Scaled(areaNormal, 1.0 / length);
        m_faceNormals[t] = unit;
        for (int k = 0; k < 3; ++k) {
            const Vec weighted = angleWeighted ? Scaled(unit, CornerAngle(p[k], p[(k + 1) % 3], p[(k + 2) % 3]))
                                               : areaNormal;
            Vec sum = reached[c[k]] ? normals[c[k]] : Vec{};
            reached[c[k]] = true;
            Accumulate(sum, weighted);
            standin::kscene::Access::SetNormal(*this, c[k], sum);
        }
    }
    for (std::size_t i = 0; i < points; ++i) {
        if (!reached[i]) continue;
        const double length = Length(normals[i]);
        if (length > 0.0) standin::kscene::Access::SetNormal(*this, i, Scaled(normals[i], 1.0 / length));
    }
    return !m_corners.empty();
}
