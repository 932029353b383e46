// Root classes of the scene library: named objects, drawable scene objects
// and text objects, with the value types they exchange.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "host/WinTypes.h"

class KScene;

// The stand-ins of the scene library look inside their own classes through
// this; nothing else names it, and the maker's headers have no such line.
namespace standin::kscene {
struct Access;
}

template <class T>
struct KPt3 {
    T x;
    T y;
    T z;
};

// Red, green, blue, alpha.
struct KColor {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    std::uint8_t a;
};

// Sixteen elements in the matrix's own memory order.
template <class T>
struct KMatrix4 {
    std::array<T, 16> m;
};

// Our reading of the box type the scene objects' box operations return.
struct KBBox {
    KPt3<double> min;
    KPt3<double> max;
};

class KObject {
public:
    KObject();
    KObject(const KObject&) = default;
    KObject& operator=(const KObject&) = default;
    virtual ~KObject();
    virtual WString GetName() const;
    virtual void SetName(const WString& name);

private:
    WString m_name;
};

class KSceneObject : public KObject {
public:
    KSceneObject();
    ~KSceneObject() override;

    // Slot order is the scene library's; most slots are its drawing and
    // transform machinery, which this library never calls.
    virtual void SetColor(const KColor& color);
    virtual void SetColor(std::uint32_t packed);
    virtual KColor GetColor() const;
    virtual KColor GetVColor() const;
    virtual KBBox GetBBox() const;
    virtual KBBox GetPureBBox() const;
    virtual KMatrix4<double> GetTotalTransfo() const;
    virtual KMatrix4<double> GetTotalTransfoExceptLast() const;
    virtual void FixateTotalTransform();
    virtual void FixateTotalTransformAndResetAlignment();
    virtual void ResetTransfo();
    virtual void SetTransfo(const KMatrix4<double>& transform);
    virtual void AddTransfo(const KMatrix4<double>& transform);
    virtual KMatrix4<double> GetTransfo() const;
    virtual void ApplyAlignment();
    virtual void ClearAlignment();
    virtual int GetAlignment(int index) const;
    virtual int GetAlignment() const;
    virtual KSceneObject& Assign(const KSceneObject& other);
    virtual void DrawInScene(KScene* scene);
    virtual void DrawExtraInScene(KScene* scene);
    virtual KBBox GetScreenBox(KScene* scene) const;
    virtual void DrawName(KScene* scene);
    virtual void DrawName(KScene* scene, const KPt3<double>& at);
    virtual void DrawCircle();
    virtual void DrawDisk();
    virtual void DrawDisk(double radius);
    virtual void DrawDisk(double inner, double outer);
    virtual void DrawSlot();
    virtual void DrawEllipse();
    virtual void DrawPoint();
    virtual void DrawArc();
    virtual void DrawArc(double start, double end);
    virtual void DrawPtX();
    virtual void DrawPtPlus();
    virtual void DrawPtSquare();
    virtual void DrawPtDiamond();
    virtual void DrawPtCircle();
    virtual void DrawPtDot();
    virtual void DrawSphere();
    virtual void DrawSphereFixedSize();
    virtual void DrawTarget();
    virtual void DrawTargetShaded();
    virtual void DrawNormal();
    virtual void DrawBuildTarget();
    virtual void AboutToBeRemovedFromScene();

    // Non-zero while the object is shown; read and written directly.
    std::uint8_t visible;

private:
    KColor m_color;
    KMatrix4<double> m_transfo;
};

class KTextObject : public KSceneObject {
public:
    // Narrow text in which symbol characters (from
    // KMBDBase::GetNonUnicodeSymbol) stand for MBD symbols, to the scene's
    // wide display text.
    static WString ConvertMBDsymbolText(const std::string& text);
};

// Base of non-drawable data objects such as named views.
class KDataObject : public KObject {};
