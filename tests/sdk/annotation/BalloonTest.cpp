// Balloons: main balloon, balloon rows and their counts per kind, texts,
// and that balloons do not announce themselves to the scene.
#include <cstdint>
#include <set>

#include "standins/kscene/Access.h"
#include "tests/sdk/annotation/AnnotationFixture.h"
#include "tests/support/WideText.h"

namespace annotation_tests {
namespace {

using standin::kscene::Access;

using Balloons = AnnotationTest;

const KMBDBalloon& BalloonAt(KSDKHandle handle) { return *static_cast<const KMBDBalloon*>(handle); }

// A frame with `controls[i]` controls in its i-th sub-frame.
KSDKHandle FrameWith(std::initializer_list<int> controls) {
    const KSDKHandle frame = KSDKCreateMbd(KSDK_MBD_FEATURE_CONTROL_FRAME);
    for (const int count : controls) {
        const KSDKHandle subFrame = KSDKAddFrame(frame);
        for (int i = 0; i < count; ++i) KSDKAddControlToFrame(subFrame);
    }
    return frame;
}

TEST_F(Balloons, RowCountsPerKind) {
    EXPECT_EQ(KSDKGetNumberOfPossibleSubBalloons(FrameWith({})), 0);
    EXPECT_EQ(KSDKGetNumberOfPossibleSubBalloons(FrameWith({1})), 1);
    EXPECT_EQ(KSDKGetNumberOfPossibleSubBalloons(FrameWith({2, 0, 3})), 5) << "over all sub-frames";
    for (const KSDKMbdKind kind : kDimensionKinds) {
        EXPECT_EQ(KSDKGetNumberOfPossibleSubBalloons(Create(kind)), 1) << kind;
    }
    for (const KSDKMbdKind kind : {KSDK_MBD_DATUM, KSDK_MBD_DATUM_TARGET, KSDK_MBD_NOTE}) {
        const KSDKHandle handle = Create(kind);
        KSDKAddControlToFrame(KSDKAddFrame(handle));
        EXPECT_EQ(KSDKGetNumberOfPossibleSubBalloons(handle), 0) << kind;
    }
}

// Rows run from 0 to n - 1: row n is refused like every row beyond it, and
// so is a negative row. A refused row leaves no balloon behind, and a row is
// visible exactly when it has its balloon.
TEST_F(Balloons, SubBalloonRowsRunFromZeroToCountMinusOne) {
    struct Case {
        KSDKHandle annotation;
        std::int32_t rows;
    };
    const Case kCases[] = {{FrameWith({2, 1}), 3}, {Create(KSDK_MBD_RADIUS_DIMENSION), 1}, {Create(KSDK_MBD_NOTE), 0}};
    for (const Case& c : kCases) {
        std::set<std::uint64_t> made;
        for (const std::int32_t row : {-1, 0, c.rows - 1, c.rows, c.rows + 1, INT32_MAX, INT32_MIN}) {
            const bool isRow = row >= 0 && row < c.rows;
            const std::size_t before = Access::SubBalloons(As(c.annotation)).size();
            const KSDKHandle balloon = KSDKCreateSubBalloon(c.annotation, row, nullptr);
            EXPECT_EQ(balloon != nullptr, isRow) << "row " << row << " of " << c.rows;
            if (!isRow) {
                EXPECT_EQ(Access::SubBalloons(As(c.annotation)).size(), before) << "row " << row;
                continue;
            }
            made.insert(static_cast<std::uint64_t>(row));
            EXPECT_EQ(As(c.annotation).GetSubBalloon(static_cast<std::uint64_t>(row)).get(), balloon);
        }
        for (std::uint64_t row = 0; row <= static_cast<std::uint64_t>(c.rows); ++row) {
            EXPECT_EQ(KSDKIsBalloonRowVisible(c.annotation, row), made.count(row) == 1) << row << " of " << c.rows;
        }
        EXPECT_FALSE(KSDKIsBalloonRowVisible(c.annotation, UINT64_MAX));
    }
}

// A balloon made without a text keeps the scene library's default text, a
// later main balloon takes the place of the earlier one, and setting a
// balloon's data needs a text. The annotation, already in the scene, is not
// reported as changed.
TEST_F(Balloons, TextsAreTakenOnlyWhenGiven) {
    const KSDKHandle datum = Create(KSDK_MBD_DATUM);
    const KSDKHandle plain = KSDKCreateMainBalloon(datum, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(Access::MainBalloon(As(datum)).get(), plain);
    EXPECT_EQ(BalloonAt(plain).text, KMBDBalloon().text);
    KSDKMbdBalloonData data = InitFilled(KSDKInitMbdBalloonData);
    const KSDKHandle empty = KSDKCreateMainBalloon(datum, &data);
    EXPECT_EQ(BalloonAt(empty).text, KMBDBalloon().text);
    EXPECT_EQ(Access::MainBalloon(As(datum)).get(), empty);

    const std::string text = WithSymbol(KMBDBase::Symbol20, "12");
    data.text = text.c_str();
    const KSDKHandle numbered = KSDKCreateMainBalloon(datum, &data);
    EXPECT_EQ(BalloonAt(numbered).text, KTextObject::ConvertMBDsymbolText(text));
    EXPECT_EQ(BalloonAt(numbered).text.substr(1), u"12"_w);

    data = {"7"};
    const KSDKHandle sub = KSDKCreateSubBalloon(Create(KSDK_MBD_DIAMETER_DIMENSION), 0, &data);
    EXPECT_EQ(BalloonAt(sub).text, u"7"_w);
    data = InitFilled(KSDKInitMbdBalloonData);
    KSDKSetMbdBalloonData(sub, &data);
    EXPECT_EQ(BalloonAt(sub).text, u"7"_w);
    data.text = "8A";
    KSDKSetMbdBalloonData(sub, &data);
    EXPECT_EQ(BalloonAt(sub).text, u"8A"_w);
    EXPECT_TRUE(Notices(datum) == 0 && Undo().empty()) << "balloons are not announced to the scene";
}

}  // namespace
}  // namespace annotation_tests
