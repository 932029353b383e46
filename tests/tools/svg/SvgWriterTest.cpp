// The drawing of `draftlift svg`: every mark inside the canvas, figures that
// share an anchor apart, leaders ending on their targets, drawings of the
// sample and of hostile scenes for rsvg-convert to read.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <boost/make_shared.hpp>
#include <gtest/gtest.h>

#include "host/kscene/KMBD.h"
#include "host/kscene/KScene.h"
#include "standins/mastercam/PartFile.h"
#include "tests/support/Platform.h"
#include "tests/support/WideText.h"
#include "tests/tools/cli/ToolProcess.h"
#include "tools/cli/SceneCheck.h"
#include "tools/cli/Session.h"
#include "tools/svg/SvgText.h"
#include "tools/svg/SvgWriter.h"

namespace {

using draftlift_tool::SceneSvg;
using Pt = KPt3<double>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kHuge = 1e308;

// ---- scenes ----------------------------------------------------------------

template <class Kind>
boost::shared_ptr<Kind> Add(KScene& scene, const std::string& name, Pt anchor, std::vector<Pt> targets) {
    auto annotation = boost::make_shared<Kind>();
    annotation->SetName(WString(name.begin(), name.end()));
    annotation->showName = true;
    annotation->SetAnchorPoint(anchor);
    for (const Pt& point : targets) {
        auto target = boost::make_shared<KMBDTarget>();
        target->SetTargetPoint(point);
        annotation->AddTarget(target);
    }
    scene.AddObject(annotation);
    return annotation;
}

void AddFrame(KMBDBase& frame, const WString& symbol, const std::vector<WString>& tolerances) {
    auto subFrame = frame.AddSubFrame();
    subFrame->symbolText = symbol;
    for (const WString& tolerance : tolerances) {
        auto control = subFrame->AddControl();
        control->toleranceText = tolerance;
        control->datumRef1Text = u"A"_w;
    }
}

// One of every kind, with texts, witness segments and dimension lines.
void EveryKind(KScene& scene, Pt at, Pt to) {
    const Pt beside{to.x + 40, to.y - 10, 0};
    AddFrame(*Add<KMBDTicket>(scene, "frame", at, {to}), u"\uFFC9"_w, {u"\uFFDC 0.1 \uFFEF"_w, u""_w});
    auto datum = Add<KMBDDatum>(scene, "datum", at, {to});
    datum->text2 = {true, u"under the box"_w};
    auto target = Add<KMBDDatumTarget>(scene, "target", at, {beside});
    target->datumLabel = {true, u"B1"_w};
    target->datumTargetText = u"\uFFDC6"_w;
    auto dimension = Add<KMBD2PtDimension>(scene, "length", at, {to, beside});
    dimension->dimensionText1 = {true, u"L1"_w};
    dimension->dimensionText2 = u"25.4000"_w;
    dimension->dimensionText3 = u"25.3000"_w;
    dimension->AddWitnessSegment(to, Pt{to.x, to.y - 30, 0});
    Add<KMBDRadiusDimension>(scene, "radius", at, {beside})->dimensionText2 = u"5"_w;
    Add<KMBDAngleDimension>(scene, "angle", at, {to, beside, at})->dimensionText2 = u"30\u00b0"_w;
    auto note = Add<KMBDNote>(scene, "note", at, {});
    note->text1 = {true, u"FIRST LINE\r\nSECOND LINE"_w};
    note->datumLabel = {true, u"E"_w};
    Add<KMBDTicket>(scene, "", at, {to});  // nothing to show but its leader
}

struct SceneCase {
    const char* what;
    void (*build)(KScene&);
};

const SceneCase kScenes[] = {
    {"empty", [](KScene&) {}},
    {"every kind", [](KScene& scene) { EveryKind(scene, {0, 0, 0}, {60, 30, 0}); }},
    {"extreme coordinates",
     [](KScene& scene) {
         EveryKind(scene, {-kHuge, kHuge, 0}, {kHuge, -kHuge, 0});
         EveryKind(scene, {kNaN, 0, 0}, {kInf, -kInf, kNaN});
         EveryKind(scene, {5e-324, -5e-324, 0}, {0, 1e-300, 0});
     }},
    {"hostile texts",
     [](KScene& scene) {
         const WString hostile = u"<&>\"' \x01\x1b\x7f\uFFFE\uFFFF\t|\U0001F600"_w + WString(1, WCHAR(0xD800)) +
                                 WString(1, WCHAR(0xDFFF)) + u"\uFF00\uFFB0\uFFDC"_w;
         auto frame = Add<KMBDTicket>(scene, "<g>&amp;", {0, 0, 0}, {{10, 10, 0}});
         frame->SetName(hostile);
         AddFrame(*frame, hostile, {hostile, WString(5000, u'W')});
         Add<KMBDNote>(scene, "note", {0, 0, 0}, {{-10, 5, 0}})->text2 = {true, hostile + u"\n\n"_w + hostile};
         Add<KMBDDatumTarget>(scene, "t", {0, 0, 0}, {{5, -5, 0}})->datumTargetText = hostile;
     }},
    {"a crowd at one anchor",
     [](KScene& scene) {
         for (int i = 0; i < 40; ++i) {
             const double angle = i * 0.4;
             EveryKind(scene, {0, 0, 0}, {50 * std::cos(angle), 50 * std::sin(angle), 0});
         }
     }},
};

// ---- reading the drawing back ------------------------------------------------

struct Rect {
    double left, top, right, bottom;
};

double Number(const std::string& element, const std::string& name) {
    const std::regex pattern(" " + name + "=\"([^\"]*)\"");
    std::smatch match;
    if (!std::regex_search(element, match, pattern)) return kNaN;
    return std::strtod(match[1].str().c_str(), nullptr);
}

std::vector<double> Numbers(const std::string& text) {
    std::vector<double> numbers;
    const std::regex number("-?[0-9.]+(e[-+]?[0-9]+)?");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it) {
        numbers.push_back(std::strtod(it->str().c_str(), nullptr));
    }
    return numbers;
}

std::size_t CodePoints(const std::string& xml) {
    const std::string text = std::regex_replace(xml, std::regex("&[a-z]+;"), "&");
    std::size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// The marks outside the symbol definitions, each with the box it covers.
// Texts are measured with the advance and extent of DejaVu Sans Mono.
std::vector<std::pair<std::string, Rect>> Marks(const std::string& svg) {
    std::vector<std::pair<std::string, Rect>> marks;
    const std::string body = svg.substr(svg.find("</defs>"));
    const std::regex element("<(rect|circle|path|use|text)[^>]*>([^<]*)");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), element); it != std::sregex_iterator(); ++it) {
        const std::string tag = (*it)[1], all = (*it)[0];
        const auto n = [&all](const char* name) { return Number(all, name); };
        Rect box{};
        if (tag == "rect" || tag == "use") {
            box = {n("x"), n("y"), n("x") + n("width"), n("y") + n("height")};
        } else if (tag == "circle") {
            box = {n("cx") - n("r"), n("cy") - n("r"), n("cx") + n("r"), n("cy") + n("r")};
        } else if (tag == "path") {
            const std::vector<double> points = Numbers(all.substr(all.find(" d=")));
            box = {kInf, kInf, -kInf, -kInf};
            for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
                box = {std::min(box.left, points[i]), std::min(box.top, points[i + 1]),
                       std::max(box.right, points[i]), std::max(box.bottom, points[i + 1])};
            }
        } else {
            const double size = all.find("caption") != std::string::npos ? 11 : 14;
            box = {n("x"), n("y") - 0.76 * size, n("x") + 0.602 * size * CodePoints((*it)[2]), n("y") + 0.24 * size};
        }
        marks.emplace_back(all, box);
    }
    return marks;
}

Rect ViewBox(const std::string& svg) {
    std::smatch match;
    std::regex_search(svg, match, std::regex("viewBox=\"([^\"]*)\""));
    const std::vector<double> v = Numbers(match[1]);
    return {v[0], v[1], v[0] + v[2], v[1] + v[3]};
}

void ExpectWithinCanvas(const std::string& svg) {
    ASSERT_EQ(svg.rfind("<svg ", 0), 0u);
    ASSERT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_EQ(svg.find("nan"), std::string::npos);
    EXPECT_EQ(svg.find("inf"), std::string::npos);
    const Rect canvas = ViewBox(svg);
    EXPECT_EQ(Number(svg, "width"), canvas.right - canvas.left);
    for (const auto& [element, box] : Marks(svg)) {
        EXPECT_TRUE(box.left >= canvas.left && box.top >= canvas.top && box.right <= canvas.right &&
                    box.bottom <= canvas.bottom)
            << element;
    }
}

std::string SampleSvg() {
    draftlift_tool::Session session(partfile::Parse(draftlift_tool::EmbeddedSamplePart()));
    draftlift_tool::Progress quiet(nullptr, "");
    session.Import(quiet);
    return SceneSvg(session.Scene());
}

TEST(SvgWriter, EveryMarkLiesOnTheCanvas) {
    {
        SCOPED_TRACE("the sample");
        ExpectWithinCanvas(SampleSvg());
    }
    for (const SceneCase& scene : kScenes) {
        SCOPED_TRACE(scene.what);
        KScene built;
        scene.build(built);
        ExpectWithinCanvas(SceneSvg(built));
    }
}

// The white ground of each figure, which covers all it draws.
std::vector<Rect> Figures(const std::string& svg) {
    std::vector<Rect> figures;
    for (const auto& [element, box] : Marks(svg)) {
        if (element.find("class=\"back\"") != std::string::npos) figures.push_back(box);
    }
    return figures;
}

TEST(SvgWriter, FiguresThatShareAnAnchorStayApart) {
    KScene crowd;
    kScenes[4].build(crowd);
    for (const std::string& svg : {SampleSvg(), SceneSvg(crowd)}) {
        const std::vector<Rect> figures = Figures(svg);
        ASSERT_GE(figures.size(), 15u);
        for (std::size_t i = 0; i < figures.size(); ++i) {
            for (std::size_t j = i + 1; j < figures.size(); ++j) {
                const Rect &a = figures[i], &b = figures[j];
                EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top)
                    << i << " and " << j;
            }
        }
    }
}

TEST(SvgWriter, LeadersEndOnTheirTargets) {
    // Scene points and where the leaders end must differ by one scale and
    // one shift, y turned over.
    const std::vector<Pt> targets = {{0, 0, 0}, {100, 0, 0}, {30, 50, 0}, {70, -20, 0}, {-40, 10, 0}};
    KScene scene;
    for (const Pt& target : targets) {
        AddFrame(*Add<KMBDTicket>(scene, "f", {20, 20, 0}, {target}), u"\uFFC9"_w, {u"0.1"_w});
    }
    Add<KMBDNote>(scene, "n", {kNaN, 0, 0}, {{kNaN, 1, 0}, {50, 50, 0}})->text2 = {true, u"x"_w};
    std::vector<std::pair<double, double>> ends;
    for (const auto& [element, box] : Marks(SceneSvg(scene))) {
        if (element.find("class=\"leader\"") == std::string::npos) continue;
        const std::vector<double> points = Numbers(element.substr(element.find(" d=")));
        ends.emplace_back(points[points.size() - 2], points.back());
    }
    ASSERT_EQ(ends.size(), targets.size() + 1) << "no leader to a point without a place";
    const double scale = (ends[1].first - ends[0].first) / (targets[1].x - targets[0].x);
    EXPECT_GT(scale, 0);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        EXPECT_NEAR(ends[i].first, ends[0].first + scale * (targets[i].x - targets[0].x), 0.02) << i;
        EXPECT_NEAR(ends[i].second, ends[0].second - scale * (targets[i].y - targets[0].y), 0.02) << i;
    }
}

// Outlines are added above everything and change nothing else; each
// encloses its figure.
TEST(SvgWriter, OutlinesTheAnnotationsAskedForAndChangesNothingElse) {
    KScene scene;
    kScenes[1].build(scene);
    const std::string plain = SceneSvg(scene);
    const std::string outlined =
        SceneSvg(scene, [](const KMBDBase& annotation) { return annotation.GetName() == u"datum"_w; });
    const std::smatch style = [&] {
        std::smatch match;
        std::regex_search(outlined, match, std::regex("<style>\\.flagged\\{[^<]*</style>\n"));
        return match;
    }();
    ASSERT_FALSE(style.empty());
    const std::size_t group = outlined.find("<g class=\"outlines\">\n");
    ASSERT_NE(group, std::string::npos);
    const std::string outlines = outlined.substr(group, outlined.rfind("</svg>") - group);
    std::string rest = outlined;
    rest.erase(group, outlines.size());
    rest.erase(std::size_t(style.position()), std::size_t(style.length()));
    EXPECT_EQ(rest, plain);
    // The marks of a piece of the drawing, past its definitions.
    const auto marks = Marks("</defs>" + outlines);
    ASSERT_EQ(marks.size(), 1u);
    const std::size_t datum = plain.find("<g class=\"datum\">");
    const Rect figure = Figures("</defs>" + plain.substr(datum, plain.find("</g>", datum) - datum)).at(0);
    const Rect outline = marks[0].second;
    EXPECT_TRUE(outline.left < figure.left && outline.top < figure.top && outline.right > figure.right &&
                outline.bottom > figure.bottom);
}

// The sample's one annotation with an error is the area target without its
// size.
TEST(SvgWriter, ChecksTheSampleForOutlines) {
    draftlift_tool::Session session(partfile::Parse(draftlift_tool::EmbeddedSamplePart()));
    draftlift_tool::Progress quiet(nullptr, "");
    session.Import(quiet);
    std::vector<std::string> flagged;
    for (const KMBDBase* annotation : draftlift_tool::AnnotationsWithErrors(session.Scene())) {
        const WString name = annotation->GetName();
        flagged.emplace_back(name.begin(), name.end());
    }
    EXPECT_EQ(flagged, std::vector<std::string>{"C2"});
}

TEST(SvgWriter, TextsAreXmlWithWhatXmlCannotHoldShownVisibly) {
    const struct {
        WString text;
        const char* xml;
    } kCases[] = {
        {u"a<b & \"c\">"_w, "a&lt;b &amp; &quot;c&quot;&gt;"},
        {u"\x01\x1f\x7f\t"_w, "\u2401\u241f\u2421 "},
        {u"\uFFFE\uFFFF\U0001F600"_w, "\uFFFD\uFFFD\U0001F600"},
        {WString(1, WCHAR(0xDC00)) + u"x"_w + WString(1, WCHAR(0xD800)), "\uFFFDx\uFFFD"},
    };
    for (const auto& c : kCases) EXPECT_EQ(draftlift_tool::XmlText(c.text), c.xml);
}

// ---- rendering with rsvg-convert ----------------------------------------------
// The drawings are written to a folder of the build, where rsvg-convert reads
// each of them on the build machine (tests/tools/RenderDrawings.cmake): so
// the drawings of the Windows build are checked as well.

std::string Scratch(const std::string& name) { return ::testing::TempDir() + "draftlift-svg-" + name; }

const char kHostilePart[] = R"({"entities": [
    {"type": "note", "text": "~M01|x", "basePoint": [1e308, -1e308, 0], "memoryTable": 1},
    {"type": "note", "text": "~M01|y", "basePoint": [-1e308, 5e-324, 0], "memoryTable": 2}],
    "memoryTables": {
      "1": "MBD|<\u0001&\u001f>|1|0|0|0|0||0|0\r\n101|0|0|0|1|0|0|0|1|0\r\n102|6|8|\u0002<|0|16|]]>|0|\r\n109|\u007f\uffff",
      "2": "MBD|\ud83d\ude00|11|0|0|0|0||0|0\r\n101|0|0|0|0|0|0|1|0|1\r\n108|\u0008\r\n136|target\r\n110\r\n\uffb0&amp;"}})";

// The folder the rendering check names, or one of this run's own.
TEST(SvgRendering, WritesEveryDrawingForRsvg) {
    const char* named = std::getenv("DRAFTLIFT_DRAWINGS");
    const std::filesystem::path folder =
        named != nullptr ? named : Scratch("drawings-" + std::to_string(tool_process::ProcessId()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (std::size_t i = 0; i < std::size(kScenes); ++i) {
        KScene built;
        kScenes[i].build(built);
        std::ofstream(folder / ("scene-" + std::to_string(i) + ".svg"), std::ios::binary) << SceneSvg(built);
    }
    std::ofstream(folder / "sample.svg", std::ios::binary) << SampleSvg();
    const partfile::Part hostile = partfile::Parse(kHostilePart);
    draftlift_tool::Session session(hostile);
    draftlift_tool::Progress quiet(nullptr, "");
    session.Import(quiet);
    std::ofstream(folder / "hostile.svg", std::ios::binary) << SceneSvg(session.Scene());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), std::ptrdiff_t(std::size(kScenes) + 2));
    if (named == nullptr) std::filesystem::remove_all(folder);
}

bool HaveRsvg() {
    return std::system(testing_support::OnThisPlatform("rsvg-convert --version >NUL 2>&1",
                                                       "rsvg-convert --version >/dev/null 2>&1")) == 0;
}

// The tool's own --png, for the sample and a part whose records carry
// hostile texts and far points; without rsvg-convert it says so, exits 4 and
// leaves no picture.
TEST(SvgRendering, TheToolRendersPartsAsPngWhereRsvgIsFound) {
    const bool rsvg = HaveRsvg();
    const std::string part = Scratch("hostile.json"), png = Scratch("part.png"), errors = Scratch("errors.txt");
    std::ofstream(part, std::ios::binary) << kHostilePart;
    for (const std::string& given : {std::string(DRAFTLIFT_SAMPLE_PART), part}) {
        SCOPED_TRACE(given);
        std::remove(png.c_str());
        tool_process::Streams streams;
        streams.input = part;
        streams.output = Scratch("out.txt");
        streams.error = errors;
        const int exitCode = tool_process::Run(DRAFTLIFT_TOOL, {"svg", given, "--png", png}, streams);
        std::ostringstream said;
        said << std::ifstream(errors).rdbuf();
        EXPECT_EQ(exitCode, rsvg ? 0 : 4) << said.str();
        std::ifstream picture(png, std::ios::binary);
        char magic[4] = {};
        picture.read(magic, 4);
        EXPECT_EQ(std::string(magic + 1, 3), rsvg ? "PNG" : std::string(3, '\0'));
    }
    for (const std::string& path : {part, png, errors, Scratch("out.txt")}) std::remove(path.c_str());
}

}  // namespace
