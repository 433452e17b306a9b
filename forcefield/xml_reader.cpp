#include "xml_reader.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::size_t kMaxDepth = 256;
constexpr std::size_t kMaxAttributes = 1000;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool EndsName(char c) { return IsSpace(c) || c == '/' || c == '>' || c == '=' || c == '<' || c == '"' || c == '\''; }

void AppendUtf8(std::string& out, unsigned long code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xc0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xe0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (code & 0x3f));
    }
}

class Reader {
public:
    Reader(std::string_view text, const std::function<void(const XmlElement&)>& start,
           const std::function<void(std::string_view)>& end)
        : text_(text), start_(start), end_(end)
    {
        if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    }

    XmlFault Read()
    {
        while (fault_.ok()) {
            const std::size_t open = text_.find('<', pos_);
            if (open == std::string_view::npos) break;
            Advance(open);
            ReadMarkup();
        }
        if (fault_.ok() && !open_.empty()) Fail("falta la etiqueta de cierre de <" + open_.back() + ">");
        if (fault_.ok() && !rootSeen_) Fail("no hay ningún elemento XML");
        return fault_;
    }

private:
    void Fail(std::string message)
    {
        if (fault_.ok()) fault_ = {line_, std::move(message)};
    }

    // Moves to position, counting the line ends passed.
    void Advance(std::size_t position)
    {
        position = std::min(position, text_.size());
        line_ += static_cast<int>(std::count(text_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                             text_.begin() + static_cast<std::ptrdiff_t>(position), '\n'));
        pos_ = position;
    }

    bool Rest(std::string_view prefix) const { return text_.substr(pos_).starts_with(prefix); }

    // Passes over everything up to and including terminator.
    void SkipPast(std::string_view terminator, std::string_view what)
    {
        const std::size_t found = text_.find(terminator, pos_);
        if (found == std::string_view::npos) {
            Fail(std::string(what) + " sin cerrar");
            return;
        }
        Advance(found + terminator.size());
    }

    void ReadMarkup()
    {
        if (Rest("<?")) {
            SkipPast("?>", "instrucción de procesamiento");
        } else if (Rest("<!--")) {
            SkipPast("-->", "comentario");
        } else if (Rest("<![CDATA[")) {
            SkipPast("]]>", "sección CDATA");
        } else if (Rest("<!DOCTYPE")) {
            const std::size_t close = text_.find_first_of("[>", pos_);
            if (close == std::string_view::npos || text_[close] == '[')
                Fail("no se admite un DOCTYPE con declaraciones internas");
            else
                Advance(close + 1);
        } else if (Rest("</")) {
            ReadEndTag();
        } else {
            ReadStartTag();
        }
    }

    std::string_view ReadName()
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !EndsName(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
    }

    void SkipSpace()
    {
        std::size_t p = pos_;
        while (p < text_.size() && IsSpace(text_[p])) ++p;
        Advance(p);
    }

    void ReadEndTag()
    {
        pos_ += 2;
        const std::string_view name = ReadName();
        SkipSpace();
        if (pos_ >= text_.size() || text_[pos_] != '>') {
            Fail("etiqueta de cierre </" + std::string(name) + " mal formada");
            return;
        }
        ++pos_;
        if (open_.empty() || open_.back() != name) {
            Fail("</" + std::string(name) + "> no cierra " +
                 (open_.empty() ? std::string("ningún elemento") : "<" + open_.back() + ">"));
            return;
        }
        open_.pop_back();
        end_(name);
    }

    void ReadStartTag()
    {
        XmlElement element;
        element.line = line_;
        ++pos_;
        element.name = ReadName();
        if (element.name.empty()) {
            Fail("«<» no abre ninguna etiqueta");
            return;
        }
        if (open_.empty() && rootSeen_) {
            Fail("hay más de un elemento raíz");
            return;
        }
        while (fault_.ok()) {
            SkipSpace();
            if (pos_ >= text_.size()) {
                Fail("etiqueta <" + std::string(element.name) + " sin cerrar");
                return;
            }
            if (text_[pos_] == '>' || Rest("/>")) break;
            if (element.attributes.size() == kMaxAttributes) {
                Fail(std::string("<").append(element.name).append("> tiene más de 1000 atributos"));
                return;
            }
            ReadAttribute(element);
        }
        if (!fault_.ok()) return;
        const bool empty = text_[pos_] == '/';
        pos_ += empty ? 2 : 1;
        rootSeen_ = true;
        start_(element);
        if (empty) {
            end_(element.name);
        } else if (open_.size() == kMaxDepth) {
            Fail("los elementos se anidan a más de 256 niveles");
        } else {
            open_.emplace_back(element.name);
        }
    }

    void ReadAttribute(XmlElement& element)
    {
        const std::string_view name = ReadName();
        SkipSpace();
        if (name.empty() || pos_ >= text_.size() || text_[pos_] != '=') {
            Fail("atributo mal formado en <" + std::string(element.name) + ">");
            return;
        }
        ++pos_;
        SkipSpace();
        if (pos_ >= text_.size() || (text_[pos_] != '"' && text_[pos_] != '\'')) {
            Fail("el valor del atributo " + std::string(name) + " no va entre comillas");
            return;
        }
        const char quote = text_[pos_];
        const std::size_t close = text_.find(quote, pos_ + 1);
        if (close == std::string_view::npos) {
            Fail("el valor del atributo " + std::string(name) + " no se cierra");
            return;
        }
        const std::string_view raw = text_.substr(pos_ + 1, close - pos_ - 1);
        const auto sameName = [name](const XmlAttribute& a) { return a.name == name; };
        if (std::ranges::any_of(element.attributes, sameName)) {
            Fail("el atributo " + std::string(name) + " se repite");
            return;
        }
        XmlAttribute attribute{std::string(name), Decoded(raw)};
        Advance(close + 1);
        element.attributes.push_back(std::move(attribute));
    }

    std::string Decoded(std::string_view raw)
    {
        std::string value;
        value.reserve(raw.size());
        for (std::size_t i = 0; i < raw.size() && fault_.ok(); ++i) {
            if (raw[i] == '<') {
                Fail("«<» dentro del valor de un atributo");
            } else if (raw[i] != '&') {
                value += IsSpace(raw[i]) ? ' ' : raw[i];
            } else {
                const std::size_t semicolon = raw.find(';', i);
                if (semicolon == std::string_view::npos) {
                    Fail("«&» sin «;» en el valor de un atributo");
                    break;
                }
                AppendEntity(value, raw.substr(i + 1, semicolon - i - 1));
                i = semicolon;
            }
        }
        return value;
    }

    void AppendEntity(std::string& value, std::string_view entity)
    {
        static constexpr std::pair<std::string_view, char> kPredefined[] = {
            {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& [name, c] : kPredefined)
            if (entity == name) {
                value += c;
                return;
            }
        if (entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            const std::string_view digits = entity.substr(hex ? 2 : 1);
            unsigned long code = 0;
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
            const bool valid = !digits.empty() && error == std::errc() && end == digits.data() + digits.size() &&
                               code != 0 && code <= 0x10ffff && (code < 0xd800 || code > 0xdfff);
            if (valid) {
                AppendUtf8(value, code);
                return;
            }
        }
        Fail("referencia desconocida «&" + std::string(entity.substr(0, 20)) + ";»");
    }

    std::string_view text_;
    const std::function<void(const XmlElement&)>& start_;
    const std::function<void(std::string_view)>& end_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::vector<std::string> open_;
    bool rootSeen_ = false;
    XmlFault fault_;
};

}  // namespace

const std::string* XmlElement::Find(std::string_view attributeName) const
{
    for (const XmlAttribute& attribute : attributes)
        if (attribute.name == attributeName) return &attribute.value;
    return nullptr;
}

XmlFault ReadXml(std::string_view text, const std::function<void(const XmlElement&)>& start,
                 const std::function<void(std::string_view name)>& end)
{
    return Reader(text, start, end).Read();
}
