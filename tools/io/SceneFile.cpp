// The scene is small beside a part, so it is read whole into a JSON value,
// through the parser's events so that a key given twice is caught.
#include "tools/io/SceneFile.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <istream>
#include <limits>

#include <nlohmann/json.hpp>

#include "tools/io/Input.h"

namespace draftlift_tool {
namespace {

using nlohmann::json;

// Long enough for any parser message worth reading.
constexpr std::size_t kLongestParserMessage = 240;

[[noreturn]] void Fail(const std::string& place, const std::string& problem) {
    throw InputError(place + ": " + problem);
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

// Builds the whole value from the parser's events, refusing a key given
// twice and naming the object it is in.
class StrictBuilder {
public:
    bool null() { return Put(nullptr); }
    bool boolean(bool value) { return Put(value); }
    bool number_integer(json::number_integer_t value) { return Put(value); }
    bool number_unsigned(json::number_unsigned_t value) { return Put(value); }
    bool number_float(json::number_float_t value, const json::string_t&) { return Put(value); }
    bool string(json::string_t& value) { return Put(std::move(value)); }
    bool binary(json::binary_t&) { return Put(nullptr); }  // JSON text has none
    bool start_object(std::size_t) { return Open(json::object()); }
    bool start_array(std::size_t) { return Open(json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(json::string_t& key) {
        if (m_open.back()->contains(key)) Fail(Place(), Quoted(key) + " is given twice");
        m_key = std::move(key);
        if (m_open.size() == 1) m_topKey = m_key;
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const json::exception& error) {
        std::string message = error.what();
        const auto tagEnd = message.find("] ");
        if (tagEnd != std::string::npos) message = message.substr(tagEnd + 2);
        if (message.size() > kLongestParserMessage) message = message.substr(0, kLongestParserMessage) + "...";
        Fail("scene", "not valid JSON: " + message);
    }

    json Take() { return std::move(m_root); }

private:
    // "object N" inside the objects array, "scene" elsewhere.
    std::string Place() const {
        const bool inObject = m_open.size() >= 3 && m_topKey == "objects" && m_open[1]->is_array();
        return inObject ? "object " + std::to_string(m_open[1]->size() - 1) : "scene";
    }

    json& Add(json value) {
        if (m_open.empty()) return m_root = std::move(value);
        json& parent = *m_open.back();
        if (parent.is_array()) {
            parent.push_back(std::move(value));
            return parent.back();
        }
        return parent[m_key] = std::move(value);
    }
    bool Put(json value) {
        Add(std::move(value));
        return true;
    }
    bool Open(json container) {
        m_open.push_back(&Add(std::move(container)));
        return true;
    }
    bool Close() {
        m_open.pop_back();
        return true;
    }

    json m_root;
    std::vector<json*> m_open;
    std::string m_key;
    std::string m_topKey;
};

void RequireKnownMembers(const json& object, const std::string& place, std::initializer_list<const char*> known) {
    for (const auto& item : object.items()) {
        bool found = false;
        for (const char* name : known) found = found || item.key() == name;
        if (!found) Fail(place, "unknown member " + Quoted(item.key()));
    }
}

// The numbers of an array member; `what` ends the message when it is not one.
template <class T>
std::vector<T> Numbers(const json& object, const char* key, const std::string& place, const std::string& what) {
    if (!object.contains(key)) return {};
    const json& array = object[key];
    if (!array.is_array()) Fail(place, Quoted(key) + " must be " + what);
    std::vector<T> numbers;
    numbers.reserve(array.size());
    for (const json& value : array) {
        // Beyond single precision a colour has no value to convert to.
        const bool fits = value.is_number() && std::abs(value.get<double>()) <= std::numeric_limits<T>::max();
        if (!fits) Fail(place, Quoted(key) + " must be " + what);
        numbers.push_back(value.get<T>());
    }
    return numbers;
}

template <class T, std::size_t N>
std::optional<std::array<T, N>> Fixed(const json& object, const char* key, const std::string& place,
                                      const std::string& what) {
    if (!object.contains(key)) return std::nullopt;
    const std::vector<T> numbers = Numbers<T>(object, key, place, what);
    if (numbers.size() != N) Fail(place, Quoted(key) + " must be " + what);
    std::array<T, N> fixed{};
    std::copy(numbers.begin(), numbers.end(), fixed.begin());
    return fixed;
}

bool IsVertexIndex(const json& value) {
    if (value.is_number_unsigned()) return value.get<std::uint64_t>() <= std::numeric_limits<std::uint32_t>::max();
    return value.is_number_integer() && value.get<std::int64_t>() >= 0;
}

std::vector<std::uint32_t> Faces(const json& object, const std::string& place) {
    if (!object.contains("faces")) return {};
    const json& array = object["faces"];
    const std::string wrong = "\"faces\" must be an array of vertex indices";
    if (!array.is_array()) Fail(place, wrong);
    std::vector<std::uint32_t> faces;
    faces.reserve(array.size());
    for (const json& value : array) {
        if (!IsVertexIndex(value)) Fail(place, wrong + " (whole numbers from 0 to 4294967295)");
        faces.push_back(value.get<std::uint32_t>());
    }
    if (faces.size() % 3 != 0) Fail(place, "\"faces\" must have three vertex indices per triangle");
    return faces;
}

ObjectDescription::Kind KindOf(const json& object, const std::string& place) {
    if (!object.contains("kind")) return ObjectDescription::Kind::Mesh;
    const json& kind = object["kind"];
    if (kind == "mesh") return ObjectDescription::Kind::Mesh;
    if (kind == "cloud") return ObjectDescription::Kind::Cloud;
    Fail(place, "\"kind\" must be \"mesh\" or \"cloud\"");
}

ObjectDescription ParseObject(const json& object, std::size_t index) {
    const std::string place = "object " + std::to_string(index);
    if (!object.is_object()) Fail(place, "must be an object");
    RequireKnownMembers(object, place, {"kind", "name", "color", "transform", "points", "normals", "colors", "faces"});
    ObjectDescription description;
    description.kind = KindOf(object, place);
    if (object.contains("name")) {
        if (!object["name"].is_string()) Fail(place, "\"name\" must be a text");
        description.name = object["name"].get<std::string>();
        if (description.name->find('\0') != std::string::npos) Fail(place, "\"name\" must not hold a NUL character");
    }
    description.color = Fixed<float, 4>(object, "color", place, "4 numbers: red, green, blue and alpha from 0 to 1");
    description.transform = Fixed<double, 16>(object, "transform", place, "an array of 16 numbers, row by row");
    description.points = Numbers<double>(object, "points", place, "an array of numbers, three per vertex");
    if (description.points.size() % 3 != 0) Fail(place, "\"points\" must be an array of numbers, three per vertex");
    const std::size_t vertices = description.points.size() / 3;
    const std::string perVertex = " for each of the " + std::to_string(vertices) + " vertices";
    description.normals = Numbers<double>(object, "normals", place, "an array of numbers, three per vertex");
    if (object.contains("normals") && description.normals.size() != 3 * vertices) {
        Fail(place, "\"normals\" must have three numbers" + perVertex);
    }
    description.colors = Numbers<float>(object, "colors", place, "an array of numbers, four per vertex");
    if (object.contains("colors") && description.colors.size() != 4 * vertices) {
        Fail(place, "\"colors\" must have four numbers" + perVertex);
    }
    description.faces = Faces(object, place);
    if (description.kind == ObjectDescription::Kind::Cloud && object.contains("faces")) {
        Fail(place, "a cloud has no \"faces\"");
    }
    return description;
}

std::vector<ObjectDescription> ParseScene(const json& scene) {
    if (!scene.is_object()) Fail("scene", "must be a JSON object");
    RequireKnownMembers(scene, "scene", {"objects"});
    if (!scene.contains("objects")) Fail("scene", "\"objects\" is missing");
    const json& objects = scene["objects"];
    if (!objects.is_array()) Fail("scene", "\"objects\" must be an array");
    std::vector<ObjectDescription> descriptions;
    for (std::size_t i = 0; i < objects.size(); ++i) descriptions.push_back(ParseObject(objects[i], i));
    return descriptions;
}

}  // namespace

std::vector<ObjectDescription> ReadScene(std::istream& in) {
    if (in.peek() == std::char_traits<char>::eof()) Fail("scene", in.bad() ? "cannot be read" : "empty");
    StrictBuilder builder;
    json::sax_parse(in, &builder);
    if (in.bad()) Fail("scene", "cannot be read");
    // The parser takes a NUL byte for the end of the input.
    if (!in.eof()) Fail("scene", "a NUL byte after the JSON value");
    return ParseScene(builder.Take());
}

std::vector<ObjectDescription> DemoScene() {
    ObjectDescription cube;
    cube.name = "cube";
    cube.color = {0.2f, 0.5f, 1.0f, 1.0f};
    for (int i = 0; i < 8; ++i) cube.points.insert(cube.points.end(), {double(i & 1), double((i >> 1) & 1), double((i >> 2) & 1)});
    cube.faces = {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4,
                  2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5};
    ObjectDescription grid;
    grid.kind = ObjectDescription::Kind::Cloud;
    grid.name = "grid";
    for (int i = 0; i < 27; ++i) {
        grid.points.insert(grid.points.end(), {i % 3 * 0.5, i / 3 % 3 * 0.5, i / 9 * 0.5});
        grid.colors.insert(grid.colors.end(), {i % 3 / 2.0f, i / 3 % 3 / 2.0f, i / 9 / 2.0f, 1.0f});
    }
    grid.transform = std::array<double, 16>{1, 0, 0, 3, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // row by row: x + 3
    return {cube, grid};
}

}  // namespace draftlift_tool
