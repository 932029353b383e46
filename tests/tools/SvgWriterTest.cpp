// The SVG picture of a scene built through the exported interface: each kind
// drawn its own way, symbols as readable glyphs, texts escaped.
#include <string>

#include <gtest/gtest.h>

#include "draftlift/draftlift.h"
#include "host/kscene/KMBD.h"
#include "platform/kscene/KSceneStandIn.h"
#include "tests/support/StandIns.h"
#include "tools/SvgWriter.h"

namespace {

using draftlift_tool::ReadableText;
using draftlift_tool::SceneSvg;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

class SvgWriter : public testing_support::FreshHost {
protected:
    static std::string Picture() { return SceneSvg(standin::kscene::Scene()); }
};

TEST_F(SvgWriter, SymbolCharactersBecomeReadableGlyphs) {
    const struct {
        WString text;
        std::string shown;
    } kCases[] = {
        {u"\uFFC9"_w, "\u2316"},          {u"\uFFDC"_w u"0.1\uFFEF"_w, "\u23000.1\u24C2"},
        {u"\uFFD6"_w, "S\u2300"},         {u"\uFF00"_w, "\u25C7"},
        {u"A|B"_w, "A|B"},                {u"\u00e9\u20ac"_w, "\u00e9\u20ac"},
        {u"\U0001F600"_w, "\U0001F600"},  {WString(1, char16_t(0xD800)), "\uFFFD"},
    };
    for (const auto& c : kCases) EXPECT_EQ(ReadableText(c.text), c.shown);
    // Every symbol the scene has gets a glyph of its own, none left raw.
    for (int symbol = 0; symbol < KMBDBase::SymbolCount; ++symbol) {
        const std::string text(1, KSDKGetSymbolChar(symbol));
        const std::string shown = ReadableText(KTextObject::ConvertMBDsymbolText(text));
        EXPECT_NE(shown, "\u25C7") << symbol;
        EXPECT_EQ(shown.find("\xEF\xBE"), std::string::npos) << symbol;  // no U+FF80..U+FFBF left
        EXPECT_EQ(shown.find("\xEF\xBF"), std::string::npos) << symbol;  // nor U+FFC0..U+FFFF
    }
}

TEST_F(SvgWriter, AnEmptySceneIsAnEmptyPicture) {
    const std::string svg = Picture();
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_EQ(Count(svg, "<g "), 0u);
}

TEST_F(SvgWriter, AFrameIsOneRowOfCompartmentsPerControl) {
    const KSDKHandle frame = KSDKCreateMbd(KSDK_MBD_FEATURE_CONTROL_FRAME);
    const KSDKHandle subFrame = KSDKAddFrame(frame);
    KSDKSetFrameSymbol(subFrame, KSDKGetSymbolChar(KMBDBase::Symbol6));
    KSDKControlData data;
    KSDKInitControlData(&data);
    data.toleranceText = "0.1";
    data.datumRef1Text = "A";
    data.datumRef2Text = "B<1>";
    KSDKSetControlData(KSDKAddControlToFrame(subFrame), &data);
    KSDKInitControlData(&data);
    data.toleranceText = "0.02";
    KSDKSetControlData(KSDKAddControlToFrame(subFrame), &data);
    KSDKSetTargetPtData(KSDKAddTarget(frame), nullptr);
    const std::string svg = Picture();
    EXPECT_EQ(Count(svg, "<g class=\"frame\""), 1u);
    // Symbol, tolerance, two datums; then symbol and tolerance.
    EXPECT_EQ(Count(svg, "<rect "), 6u);
    EXPECT_EQ(Count(svg, ">\u2316</text>"), 2u);
    EXPECT_NE(svg.find(">B&lt;1&gt;</text>"), std::string::npos);
    EXPECT_EQ(Count(svg, "<circle "), 1u) << "the target point";
}

TEST_F(SvgWriter, DatumsDimensionsAndNotesShowTheirTexts) {
    const KSDKHandle datum = KSDKCreateMbd(KSDK_MBD_DATUM_TARGET);
    KSDKDatumData datumData;
    KSDKInitDatumData(&datumData);
    datumData.datumLabel = "C";
    datumData.datumTargetText = "C1";
    KSDKSetDatumData(datum, &datumData);
    const KSDKHandle dimension = KSDKCreateMbd(KSDK_MBD_TWO_POINT_DIMENSION);
    KSDKDimensionData dimensionData;
    KSDKInitDimensionData(&dimensionData);
    dimensionData.dimensionText1 = "L";
    dimensionData.dimensionText2 = "25.0000";
    KSDKSetDimensionData(dimension, &dimensionData);
    const KSDKWitnessSegment segment = {{0, 0, 0}, {0, 10, 0}};
    KSDKAddWitnessSegment(dimension, &segment);
    const KSDKHandle note = KSDKCreateMbd(KSDK_MBD_NOTE);
    KSDKMbdData noteData;
    KSDKInitMbdData(&noteData);
    noteData.text2 = "BREAK EDGES";
    KSDKSetMbdData(note, &noteData);
    const std::string svg = Picture();
    EXPECT_EQ(Count(svg, "<rect "), 1u) << "only the datum is boxed";
    EXPECT_NE(svg.find(">C</text>"), std::string::npos);
    EXPECT_NE(svg.find(">C1</text>"), std::string::npos);
    EXPECT_NE(svg.find(">L 25.0000</text>"), std::string::npos);
    EXPECT_EQ(Count(svg, "class=\"witness\""), 1u);
    EXPECT_NE(svg.find(">BREAK EDGES</text>"), std::string::npos);
}

}  // namespace
