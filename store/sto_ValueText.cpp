#include "store/sto_ValueText.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <deque>

#include "store/sto_ModelFileException.h"

namespace {

void AppendString(std::string& out, std::string_view s) {
    out += '"';
    for (char c : s) {
        auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendDouble(std::string& out, double d) {
    if (std::isnan(d)) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "{\"double\":\"0x%016llx\"}",
                      static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(d)));
        out += buf;
    } else if (std::isinf(d)) {
        out += d > 0 ? "{\"double\":\"inf\"}" : "{\"double\":\"-inf\"}";
    } else {
        char buf[32];
        auto end = std::to_chars(buf, buf + sizeof buf, d).ptr;
        std::string_view text(buf, end - buf);
        out += text;
        if (text.find_first_of(".e") == std::string_view::npos) out += ".0";
    }
}

void AppendInteger(std::string& out, std::int64_t i) {
    char buf[24];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, i).ptr);
}

template <class T, class F>
void AppendArray(std::string& out, char const* tag, std::vector<T> const& items, F each) {
    out += "{\"";
    out += tag;
    out += "\":[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) out += ',';
        each(items[i]);
    }
    out += "]}";
}

void Append(std::string& out, dbs_Value const& v, int depth) {
    if (depth > sto_MaxValueDepth) throw sto_Problem{"a value is nested more than 200 levels deep"};
    switch (v.Kind()) {
        case dbs_Kind::Undefined: out += "{\"undefined\":true}"; break;
        case dbs_Kind::Null: out += "null"; break;
        case dbs_Kind::Integer: AppendInteger(out, v.AsInteger()); break;
        case dbs_Kind::Double: AppendDouble(out, v.AsDouble()); break;
        case dbs_Kind::String: AppendString(out, v.AsString()); break;
        case dbs_Kind::Bool: out += v.AsBool() ? "true" : "false"; break;
        case dbs_Kind::Enum:
            out += "{\"enum\":";
            AppendString(out, v.AsEnum());
            out += '}';
            break;
        case dbs_Kind::Reference:
            out += "{\"ref\":[";
            AppendInteger(out, v.AsRef().classId);
            out += ',';
            AppendInteger(out, v.AsRef().oid);
            out += "]}";
            break;
        case dbs_Kind::List: {
            out += '[';
            bool first = true;
            for (auto const& item : v.AsList()) {
                if (!first) out += ',';
                first = false;
                Append(out, item, depth + 1);
            }
            out += ']';
            break;
        }
        case dbs_Kind::Map:
            AppendArray(out, "map", v.AsMap(), [&](auto const& kv) {
                out += '[';
                Append(out, kv.first, depth + 1);
                out += ',';
                Append(out, kv.second, depth + 1);
                out += ']';
            });
            break;
        case dbs_Kind::IntArray:
            AppendArray(out, "ints", v.AsIntArray(), [&](std::int64_t i) { AppendInteger(out, i); });
            break;
        case dbs_Kind::DoubleArray:
            AppendArray(out, "doubles", v.AsDoubleArray(), [&](double d) { AppendDouble(out, d); });
            break;
        case dbs_Kind::StringArray:
            AppendArray(out, "strings", v.AsStringArray(), [&](std::string const& s) { AppendString(out, s); });
            break;
    }
}

// Recursive-descent reader of the tagged JSON above; strict, with a depth limit.
class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    dbs_Value Document() {
        dbs_Value v = Value(0);
        Space();
        if (p_ != s_.size()) Fail("unexpected text after the value");
        return v;
    }

private:
    [[noreturn]] void Fail(std::string const& what) const {
        throw sto_Problem{what + " at offset " + std::to_string(p_) + " of value text"};
    }
    void Space() {
        while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\t' || s_[p_] == '\n' || s_[p_] == '\r')) ++p_;
    }
    bool Eat(char c) {
        Space();
        if (p_ < s_.size() && s_[p_] == c) return ++p_, true;
        return false;
    }
    void Expect(char c) {
        if (!Eat(c)) Fail(std::string("expected '") + c + "'");
    }
    bool Word(std::string_view w) {
        if (s_.substr(p_, w.size()) != w) return false;
        p_ += w.size();
        return true;
    }

    dbs_Value Value(int depth) {
        if (depth > sto_MaxValueDepth) Fail("value nested more than 200 levels deep");
        Space();
        if (p_ >= s_.size()) Fail("missing value");
        char c = s_[p_];
        if (c == '"') return String();
        if (c == '[') {
            ++p_;
            // The items gather in the buffer of this depth, kept from list to list, so that
            // each list is allocated once, at its size (a deque: deeper buffers added while
            // this one is filled leave it in place).
            if (items_.size() <= std::size_t(depth)) items_.resize(std::size_t(depth) + 1);
            auto& items = items_[std::size_t(depth)];
            items.clear();
            Items([&] { items.push_back(Value(depth + 1)); });
            dbs_List list(std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
            items.clear();
            return list;
        }
        if (c == '{') return Tagged(depth);
        if (Word("null")) return dbs_Null{};
        if (Word("true")) return true;
        if (Word("false")) return false;
        if (c == '-' || (c >= '0' && c <= '9')) return Number();
        Fail("unexpected character");
    }

    // Reads "item, item, ... ]" after an opening bracket.
    template <class F>
    void Items(F item) {
        if (Eat(']')) return;
        do item();
        while (Eat(','));
        Expect(']');
    }

    dbs_Value Tagged(int depth) {
        ++p_;
        Space();
        std::string_view const tag = Tag();
        Expect(':');
        Space();
        dbs_Value v;
        if (tag == "enum") {
            v = dbs_EnumString{StringToken()};
        } else if (tag == "undefined") {
            if (!Word("true")) Fail("expected true");
        } else if (tag == "double") {
            v = SpecialDouble(StringToken());
        } else if (tag == "ref") {
            Expect('[');
            auto classId = Integer();
            Expect(',');
            auto oid = Integer();
            Expect(']');
            if (classId < 0 || classId > UINT32_MAX) Fail("class id out of range");
            v = dbs_Ref{std::uint32_t(classId), oid};
        } else if (tag == "map") {
            dbs_Map map;
            Expect('[');
            Items([&] {
                Expect('[');
                auto key = Value(depth + 1);
                Expect(',');
                auto value = Value(depth + 1);
                Expect(']');
                map.emplace_back(std::move(key), std::move(value));
            });
            v = std::move(map);
        } else if (tag == "ints") {
            std::vector<std::int64_t> items;
            Expect('[');
            Items([&] { items.push_back(Integer()); });
            v = std::move(items);
        } else if (tag == "doubles") {
            std::vector<double> items;
            Expect('[');
            Items([&] {
                auto d = Value(depth + 1);
                if (d.Kind() != dbs_Kind::Double) Fail("a double array holds a value that is not a double");
                items.push_back(d.AsDouble());
            });
            v = std::move(items);
        } else if (tag == "strings") {
            std::vector<std::string> items;
            Expect('[');
            Items([&] { items.push_back(StringToken()); });
            v = std::move(items);
        } else {
            Fail("unknown tag \"" + std::string(tag) + "\"");
        }
        Expect('}');
        return v;
    }

    // A tag is a plain word: read in place unless it holds an escape or a control character.
    std::string_view Tag() {
        if (p_ >= s_.size() || s_[p_] != '"') Fail("expected a string");
        std::size_t end = p_ + 1;
        while (end < s_.size() && s_[end] != '"' && s_[end] != '\\' && static_cast<unsigned char>(s_[end]) >= 0x20)
            ++end;
        if (end < s_.size() && s_[end] == '"') {
            auto tag = s_.substr(p_ + 1, end - p_ - 1);
            p_ = end + 1;
            return tag;
        }
        tag_ = String().AsString();
        return tag_;
    }

    double SpecialDouble(std::string const& text) {
        if (text == "inf") return HUGE_VAL;
        if (text == "-inf") return -HUGE_VAL;
        std::uint64_t bits = 0;
        if (text.size() == 18 && text.starts_with("0x")) {
            auto r = std::from_chars(text.data() + 2, text.data() + text.size(), bits, 16);
            if (r.ec == std::errc() && r.ptr == text.data() + text.size()) return std::bit_cast<double>(bits);
        }
        Fail("bad special double \"" + text + "\"");
    }

    std::int64_t Integer() {
        Space();
        auto v = Number();
        if (v.Kind() != dbs_Kind::Integer) Fail("expected an integer");
        return v.AsInteger();
    }

    std::string StringToken() {
        Space();
        if (p_ >= s_.size() || s_[p_] != '"') Fail("expected a string");
        return std::string(String().AsString());
    }

    dbs_Value Number() {
        std::size_t start = p_;
        bool isDouble = false;
        if (p_ < s_.size() && s_[p_] == '-') ++p_;
        auto digits = [&] {
            std::size_t d = p_;
            while (p_ < s_.size() && s_[p_] >= '0' && s_[p_] <= '9') ++p_;
            if (p_ == d) Fail("bad number");
        };
        digits();
        if (p_ < s_.size() && s_[p_] == '.') ++p_, digits(), isDouble = true;
        if (p_ < s_.size() && (s_[p_] == 'e' || s_[p_] == 'E')) {
            ++p_, isDouble = true;
            if (p_ < s_.size() && (s_[p_] == '+' || s_[p_] == '-')) ++p_;
            digits();
        }
        char const* first = s_.data() + start;
        char const* last = s_.data() + p_;
        if (isDouble) {
            double d = 0;
            auto r = std::from_chars(first, last, d);
            if (r.ec != std::errc() || r.ptr != last) Fail("number out of range");
            return d;
        }
        std::int64_t i = 0;
        auto r = std::from_chars(first, last, i);
        if (r.ec != std::errc() || r.ptr != last) Fail("integer out of range");
        return i;
    }

    static void AppendUtf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xF0 | (cp >> 18));
            out += char(0x80 | ((cp >> 12) & 0x3F));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }

    std::uint32_t Hex4() {
        std::uint32_t v = 0;
        if (p_ + 4 > s_.size()) Fail("bad \\u escape");
        auto r = std::from_chars(s_.data() + p_, s_.data() + p_ + 4, v, 16);
        if (r.ec != std::errc() || r.ptr != s_.data() + p_ + 4) Fail("bad \\u escape");
        p_ += 4;
        return v;
    }

    dbs_Value String() {
        if (p_ >= s_.size() || s_[p_] != '"') Fail("expected a string");
        ++p_;
        std::string out;
        for (;;) {
            if (p_ >= s_.size()) Fail("unterminated string");
            char c = s_[p_++];
            if (c == '"') break;
            if (static_cast<unsigned char>(c) < 0x20) Fail("control character in string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (p_ >= s_.size()) Fail("unterminated string");
            switch (char e = s_[p_++]) {
                case '"': case '\\': case '/': out += e; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'u': {
                    std::uint32_t cp = Hex4();
                    if (cp >= 0xD800 && cp < 0xDC00) {
                        if (!Word("\\u")) Fail("unpaired surrogate");
                        std::uint32_t low = Hex4();
                        if (low < 0xDC00 || low >= 0xE000) Fail("unpaired surrogate");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                    } else if (cp >= 0xDC00 && cp < 0xE000) {
                        Fail("unpaired surrogate");
                    }
                    AppendUtf8(out, cp);
                    break;
                }
                default: Fail("bad escape");
            }
        }
        return out;
    }

    std::string_view s_;
    std::size_t p_ = 0;
    std::deque<dbs_List> items_;  // per depth
    std::string tag_;
};

}  // namespace

void sto_AppendValueText(std::string& out, dbs_Value const& value) { Append(out, value, 0); }

std::string sto_ValueText(dbs_Value const& value) {
    std::string out;
    Append(out, value, 0);
    return out;
}

dbs_Value sto_ParseValueText(std::string_view text) { return Parser(text).Document(); }
