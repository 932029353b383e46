// Named objects and drawable scene objects. Drawing happens in the real
// scene library; the stand-in keeps only the state others can observe.
#include "host/kscene/KObject.h"
#include "standins/kscene/Failing.h"

KObject::KObject() { standin::kscene::detail::ThrowIfFailing(); }
KObject::~KObject() = default;
WString KObject::GetName() const { return m_name; }
void KObject::SetName(const WString& name) {
    standin::kscene::detail::ThrowIfFailing();
    m_name = name;
}

namespace {

constexpr KColor kWhite{255, 255, 255, 255};
constexpr KMatrix4<double> kIdentity{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};

}  // namespace

// A new object is shown, white and where its points say.
KSceneObject::KSceneObject() : visible(1), m_color(kWhite), m_transfo(kIdentity) {}
KSceneObject::~KSceneObject() = default;

void KSceneObject::SetColor(const KColor& color) {
    standin::kscene::detail::ThrowIfFailing();
    m_color = color;
}

void KSceneObject::SetColor(std::uint32_t packed) {
    m_color = {std::uint8_t(packed), std::uint8_t(packed >> 8), std::uint8_t(packed >> 16),
               std::uint8_t(packed >> 24)};
}

KColor KSceneObject::GetColor() const { return m_color; }
KColor KSceneObject::GetVColor() const { return m_color; }
KBBox KSceneObject::GetBBox() const { return {}; }
KBBox KSceneObject::GetPureBBox() const { return {}; }
KMatrix4<double> KSceneObject::GetTotalTransfo() const { return m_transfo; }
KMatrix4<double> KSceneObject::GetTotalTransfoExceptLast() const { return m_transfo; }
void KSceneObject::FixateTotalTransform() {}
void KSceneObject::FixateTotalTransformAndResetAlignment() {}
void KSceneObject::ResetTransfo() { m_transfo = kIdentity; }
void KSceneObject::SetTransfo(const KMatrix4<double>& transform) {
    standin::kscene::detail::ThrowIfFailing();
    m_transfo = transform;
}

void KSceneObject::AddTransfo(const KMatrix4<double>& t) {
    KMatrix4<double> product;
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += t.m[k * 4 + row] * m_transfo.m[col * 4 + k];
            product.m[col * 4 + row] = sum;
        }
    }
    m_transfo = product;
}

KMatrix4<double> KSceneObject::GetTransfo() const { return m_transfo; }
void KSceneObject::ApplyAlignment() {}
void KSceneObject::ClearAlignment() {}
int KSceneObject::GetAlignment(int) const { return 0; }
int KSceneObject::GetAlignment() const { return 0; }

KSceneObject& KSceneObject::Assign(const KSceneObject& other) {
    KObject::operator=(other);
    visible = other.visible;
    m_color = other.m_color;
    m_transfo = other.m_transfo;
    return *this;
}

void KSceneObject::DrawInScene(KScene*) {}
void KSceneObject::DrawExtraInScene(KScene*) {}
KBBox KSceneObject::GetScreenBox(KScene*) const { return {}; }
void KSceneObject::DrawName(KScene*) {}
void KSceneObject::DrawName(KScene*, const KPt3<double>&) {}
void KSceneObject::DrawCircle() {}
void KSceneObject::DrawDisk() {}
void KSceneObject::DrawDisk(double) {}
void KSceneObject::DrawDisk(double, double) {}
void KSceneObject::DrawSlot() {}
void KSceneObject::DrawEllipse() {}
void KSceneObject::DrawPoint() {}
void KSceneObject::DrawArc() {}
void KSceneObject::DrawArc(double, double) {}
void KSceneObject::DrawPtX() {}
void KSceneObject::DrawPtPlus() {}
void KSceneObject::DrawPtSquare() {}
void KSceneObject::DrawPtDiamond() {}
void KSceneObject::DrawPtCircle() {}
void KSceneObject::DrawPtDot() {}
void KSceneObject::DrawSphere() {}
void KSceneObject::DrawSphereFixedSize() {}
void KSceneObject::DrawTarget() {}
void KSceneObject::DrawTargetShaded() {}
void KSceneObject::DrawNormal() {}
void KSceneObject::DrawBuildTarget() {}
void KSceneObject::AboutToBeRemovedFromScene() {}
