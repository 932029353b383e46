// The scene library's MBD annotation classes: the eight annotation kinds,
// their targets, sub-frames, controls and balloons.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "host/Mastercam.h"
#include "host/WinTypes.h"
#include "host/kscene/KObject.h"

// A text that takes part only while enabled; disabling keeps the text. Our
// reading of the pair of flag and text the annotations keep.
struct KFlaggedText {
    bool enabled;
    WString text;
};

class KMBDTarget : public KObject {
public:
    KMBDTarget();
    ~KMBDTarget() override;
    WString GetName() const override;
    void SetName(const WString& name) override;
    virtual KMBDTarget& Assign(const KMBDTarget& other);

    void SetTargetPoint(const KPt3<double>& point);
    void SetTargetPoint(const p_3d& point);
    void SetGroupId(std::int32_t id);
    void SetEntityId(std::int32_t id);

    bool targetOption;
    std::int32_t targetId1;
    std::int32_t targetId2;
    std::int32_t targetId3;
    std::int32_t targetId4;

private:
    friend struct standin::kscene::Access;
    KPt3<double> m_targetPoint;
    std::int32_t m_groupId;
    std::int32_t m_entityId;
};

class KMBDControl {
public:
    WString toleranceText;
    WString datumRef1Text;
    WString datumRef2Text;
    WString datumRef3Text;
    WString controlText5;
};

class KMBDSubFrame {
public:
    // Makes a new empty control that the sub-frame keeps.
    boost::shared_ptr<KMBDControl> AddControl();

    WString symbolText;

private:
    friend struct standin::kscene::Access;
    std::vector<boost::shared_ptr<KMBDControl>> m_controls;
};

class KMBDBalloon {
public:
    KMBDBalloon();
    virtual ~KMBDBalloon();
    WString text;
};

class KMBDBase : public KTextObject {
public:
    // The scene library's MBD symbols; our reading names them after the host
    // symbol codes that carry the same characters.
    enum MBDSymbol : std::int32_t {
        Symbol6, Symbol8, Symbol10, Symbol12, Symbol13, Symbol14, Symbol16,
        Symbol19, Symbol20, Symbol22, Symbol23, Symbol24, Symbol26, Symbol27,
        Symbol28, Symbol29, Symbol30, Symbol31, Symbol32, Symbol33, Symbol34,
        Symbol35, Symbol36, Symbol37, Symbol38, Symbol39, Symbol40, Symbol41,
        Symbol42, Symbol43, Symbol44, Symbol45, Symbol47,
        SymbolCount
    };
    enum DatumDir : std::int32_t { DatumLeft, DatumRight, DatumUp, DatumDown };

    KMBDBase();
    ~KMBDBase() override;

    // The narrow character that stands for a symbol in texts given to
    // KTextObject::ConvertMBDsymbolText.
    static char GetNonUnicodeSymbol(MBDSymbol symbol);

    KBBox GetPureBBox() const override;
    void DrawInScene(KScene* scene) override;
    KBBox GetScreenBox(KScene* scene) const override;

    virtual boost::shared_ptr<KMBDBase> CreateCopy() const;
    using KSceneObject::Assign;
    virtual KMBDBase& Assign(const KMBDBase& other);
    virtual bool HasEnoughTargets() const;
    virtual void PreCalculateTicket(KScene* scene);
    virtual void DrawTicket(KScene* scene);
    virtual double GetPrecalcScreensize() const;
    virtual void DrawWitnessLines(KScene* scene);
    virtual void DrawTargetPoints(KScene* scene);
    virtual void DrawLines2Targets(KScene* scene);
    virtual void DrawSubFrames(KScene* scene);
    virtual double CalculateSubFramesStringSize() const;
    virtual double CalculateSubFrameStringSize(std::size_t index) const;
    virtual void DrawSubFrame(KScene* scene, std::size_t index);
    virtual void DrawAttachedDatum(KScene* scene, DatumDir direction);
    virtual void CalculateAttachedDatum(DatumDir direction);
    virtual void DrawFlagNote(KScene* scene);
    virtual void CalculateFlagNote();
    virtual void DrawSurfaceFinish(KScene* scene);
    virtual void CalculateSurfaceFinish();
    virtual bool HasVisibleSubBalloons() const;
    virtual std::uint64_t GetNumberOfPossibleBalloons() const;
    virtual void SetSubBalloon(std::uint64_t row, boost::shared_ptr<KMBDBalloon> balloon);
    virtual boost::shared_ptr<KMBDBalloon> GetSubBalloon(std::uint64_t row) const;
    virtual void ClearSubBalloon(std::uint64_t row);
    virtual bool IsBalloonRowVisible(std::uint64_t row) const;

    void SetAnchorPoint(const KPt3<double>& point);
    void AddTarget(boost::shared_ptr<KMBDTarget> target);
    // Makes a new empty sub-frame that the annotation keeps.
    boost::shared_ptr<KMBDSubFrame> AddSubFrame();
    void AddWitnessSegment(const KPt3<double>& start, const KPt3<double>& end);
    void DeleteWitnessLines();
    void SetMainBalloon(boost::shared_ptr<KMBDBalloon> balloon);

    bool showName;
    KFlaggedText text1;
    KFlaggedText text2;
    KFlaggedText text3;
    KFlaggedText datumLabel;
    KFlaggedText text5;
    std::uint8_t option1;
    std::uint8_t option2;
    std::uint8_t option3;

private:
    friend struct standin::kscene::Access;
    KPt3<double> m_anchorPoint;
    std::vector<boost::shared_ptr<KMBDTarget>> m_targets;
    std::vector<boost::shared_ptr<KMBDSubFrame>> m_subFrames;
    // Start and end of each segment.
    std::vector<std::pair<KPt3<double>, KPt3<double>>> m_witness;
    boost::shared_ptr<KMBDBalloon> m_mainBalloon;
    std::map<std::uint64_t, boost::shared_ptr<KMBDBalloon>> m_subBalloons;
};

class KMBDTicket : public KMBDBase {
public:
    KMBDTicket();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasEnoughTargets() const override;
    void PreCalculateTicket(KScene* scene) override;
    void DrawTicket(KScene* scene) override;
    double GetPrecalcScreensize() const override;
    void DrawLines2Targets(KScene* scene) override;
    bool HasVisibleSubBalloons() const override;
    std::uint64_t GetNumberOfPossibleBalloons() const override;
    void SetSubBalloon(std::uint64_t row, boost::shared_ptr<KMBDBalloon> balloon) override;
    boost::shared_ptr<KMBDBalloon> GetSubBalloon(std::uint64_t row) const override;
    void ClearSubBalloon(std::uint64_t row) override;
    bool IsBalloonRowVisible(std::uint64_t row) const override;
    using KMBDBase::Assign;
    virtual KMBDTicket& Assign(const KMBDTicket& other);
};

class KMBDDatum : public KMBDBase {
public:
    KMBDDatum();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasEnoughTargets() const override;
    void PreCalculateTicket(KScene* scene) override;
    void DrawTicket(KScene* scene) override;
    virtual void CalculateDatum();
};

class KMBDDatumTarget : public KMBDDatum {
public:
    KMBDDatumTarget();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasEnoughTargets() const override;
    void PreCalculateTicket(KScene* scene) override;
    void DrawTicket(KScene* scene) override;
    void DrawLines2Targets(KScene* scene) override;
    virtual void CalculateDatumTarget();
    virtual void DrawDatumTarget(KScene* scene);

    WString datumTargetText;
};

class KMBDDimension : public KMBDBase {
public:
    KMBDDimension();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasVisibleSubBalloons() const override;
    std::uint64_t GetNumberOfPossibleBalloons() const override;
    void SetSubBalloon(std::uint64_t row, boost::shared_ptr<KMBDBalloon> balloon) override;
    boost::shared_ptr<KMBDBalloon> GetSubBalloon(std::uint64_t row) const override;
    void ClearSubBalloon(std::uint64_t row) override;
    bool IsBalloonRowVisible(std::uint64_t row) const override;
    virtual void DrawDimensionText(KScene* scene);
    virtual void CalculateDimensionText();

    std::int32_t dimensionNumber1;
    KFlaggedText dimensionText1;
    WString dimensionText2;
    WString dimensionText3;
    std::int32_t dimensionNumber2;
};

class KMBD2PtDimension : public KMBDDimension {
public:
    KMBD2PtDimension();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasEnoughTargets() const override;
    void PreCalculateTicket(KScene* scene) override;
    void DrawTicket(KScene* scene) override;
    void DrawLines2Targets(KScene* scene) override;
    void DrawDimensionText(KScene* scene) override;
    void CalculateDimensionText() override;
    virtual void SetSubType(std::int32_t subType);
    virtual std::int32_t GetSubType() const;

private:
    std::int32_t m_subType;
};

class KMBDAngleDimension : public KMBDDimension {
public:
    KMBDAngleDimension();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasEnoughTargets() const override;
    void PreCalculateTicket(KScene* scene) override;
    void DrawTicket(KScene* scene) override;
    void DrawLines2Targets(KScene* scene) override;
};

class KMBDRadiusDimension : public KMBDDimension {
public:
    KMBDRadiusDimension();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasEnoughTargets() const override;
    void PreCalculateTicket(KScene* scene) override;
    void DrawTicket(KScene* scene) override;
    void DrawLines2Targets(KScene* scene) override;
    void DrawDimensionText(KScene* scene) override;
    void CalculateDimensionText() override;
};

class KMBDDiameterDimension : public KMBDDimension {
public:
    KMBDDiameterDimension();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasEnoughTargets() const override;
    void PreCalculateTicket(KScene* scene) override;
    void DrawTicket(KScene* scene) override;
    void DrawLines2Targets(KScene* scene) override;
    void DrawDimensionText(KScene* scene) override;
    void CalculateDimensionText() override;
};

class KMBDNote : public KMBDBase {
public:
    KMBDNote();
    boost::shared_ptr<KMBDBase> CreateCopy() const override;
    bool HasEnoughTargets() const override;
    void PreCalculateTicket(KScene* scene) override;
    void DrawTicket(KScene* scene) override;
};
