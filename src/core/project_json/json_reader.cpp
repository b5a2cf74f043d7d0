#include "core/project_json/json_reader.h"

#include <cstdio>
#include <vector>

namespace core::pjson {

namespace {

// Follows a first, building-free pass through the document: where it is (for the path of a
// refusal) and how much it has read, refusing as soon as a bound is passed so that nothing beyond
// it is ever built. A pass of its own rather than the parser's callback: the library's callback
// parser rescans the enclosing list after each object, which makes a long list of objects take
// quadratic time.
class Bounds
{
public:
    bool null() { return leaf(); }
    bool boolean(bool) { return leaf(); }
    bool number_integer(Json::number_integer_t) { return leaf(); }
    bool number_unsigned(Json::number_unsigned_t) { return leaf(); }
    bool number_float(Json::number_float_t, const Json::string_t &) { return leaf(); }
    bool binary(Json::binary_t &) { return leaf(); }
    bool string(Json::string_t &text)
    {
        leaf();
        noZero(text);
        return true;
    }
    bool start_object(std::size_t) { return open(false); }
    bool start_array(std::size_t) { return open(true); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }
    bool key(Json::string_t &name)
    {
        m_frames.back().key = name;
        countValue();
        noZero(name);
        return true;
    }
    bool parse_error(std::size_t, const std::string &, const nlohmann::detail::exception &e)
    {
        m_syntaxError = e.what();
        return false;
    }

    const std::string &syntaxError() const { return m_syntaxError; }

private:
    struct Frame
    {
        bool array = false;
        std::size_t count = 0; // elements read so far (arrays)
        std::string key; // member being read (objects)
    };

    // Where the parser is, down `levels` containers deep.
    std::string path(std::size_t levels) const
    {
        std::string out;
        for (std::size_t i = 0; i < levels; ++i) {
            const Frame &f = m_frames[i];
            out = f.array ? element(out, f.count - 1) : member(out, f.key);
        }
        return out;
    }
    std::string path() const { return path(m_frames.size()); }

    bool leaf()
    {
        countElement();
        return true;
    }

    bool open(bool array)
    {
        countElement();
        if (m_frames.size() >= static_cast<std::size_t>(kMaxDepth))
            refuse(path(), "nested deeper than " + std::to_string(kMaxDepth) + " levels");
        m_frames.push_back(Frame{array, 0, {}});
        return true;
    }

    bool close()
    {
        m_frames.pop_back();
        return true;
    }

    void countValue()
    {
        if (++m_values > kMaxValues)
            refuse(path(),
                   "the document holds more than " + std::to_string(kMaxValues) + " values");
    }

    // A value inside the current container: in an array it is the next element.
    void countElement()
    {
        if (!m_frames.empty() && m_frames.back().array) {
            Frame &list = m_frames.back();
            if (++list.count > kMaxArrayElements)
                refuse(path(m_frames.size() - 1),
                       "a list of more than " + std::to_string(kMaxArrayElements) + " elements");
        }
        countValue();
    }

    void noZero(const std::string &text) const
    {
        if (text.find('\0') != std::string::npos)
            refuse(path(), "a text cannot hold a zero byte");
    }

    std::vector<Frame> m_frames;
    std::size_t m_values = 0;
    std::string m_syntaxError;
};

} // namespace

bool parseBounded(std::string_view text, Json &out, std::string &error)
{
    if (text.size() > kMaxDocumentBytes) {
        error = "the document has " + std::to_string(text.size()) + " bytes, at most "
                + std::to_string(kMaxDocumentBytes) + " are read";
        return false;
    }
    // The parser would take a zero byte for the end of the text and ignore the rest.
    if (const auto zero = text.find('\0'); zero != std::string_view::npos) {
        error = "not valid JSON: a zero byte at offset " + std::to_string(zero);
        return false;
    }
    Bounds bounds;
    try {
        if (!Json::sax_parse(text, &bounds)) {
            error = "not valid JSON: " + printable(bounds.syntaxError());
            out = Json();
            return false;
        }
        out = Json::parse(text);
        return true;
    } catch (const JsonError &e) {
        error = printable(e.message());
    } catch (const Json::exception &e) {
        error = "not valid JSON: " + printable(e.what());
    }
    out = Json();
    return false;
}

namespace {

// The length of the UTF-8 sequence at `i`, or 0 when none starts there.
std::size_t utf8Length(std::string_view s, std::size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : 4;
    if (b < 0xC2 || b > 0xF4 || i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 0;
    return n;
}

} // namespace

std::string printable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x20 && b < 0x7F) {
            out.push_back(char(b));
            ++i;
        } else if (const std::size_t n = b >= 0x80 ? utf8Length(text, i) : 0; n > 0) {
            out.append(text.substr(i, n));
            i += n;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", unsigned(b));
            out += hex;
            ++i;
        }
    }
    return out;
}

} // namespace core::pjson
