// The scripting descriptions of the registered classes, and the conversions every class
// shares: value kinds named in messages, the table of floats, and the walk up a class's
// levels that gives an object's attributes under their scripting names.
#include "platform/cls/cls_Script.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <sstream>

#include "platform/cls/cls_MetadataRegistrar.h"

std::string cls_ScriptValue::KindName() const {
    static char const* const names[] = {"None", "a boolean", "an integer", "a float", "a string", "a sequence", "an object"};
    return IsNone() ? "None" : names[v.index()];
}

std::string cls_ScriptValue::Repr() const {
    std::ostringstream out;
    if (IsNone()) return "None";
    if (auto const* b = If<bool>()) return *b ? "True" : "False";
    if (auto const* i = If<std::int64_t>()) return std::to_string(*i);
    if (auto const* d = If<double>()) {
        out.precision(17);
        out << *d;
        std::string text = out.str();
        if (text.find_first_of(".eEn") == std::string::npos) text += ".0";
        return text;
    }
    if (auto const* s = If<std::string>()) {
        std::string quoted = "'";
        for (char c : *s) quoted += c == '\'' ? std::string("\\'") : c == '\\' ? std::string("\\\\") : std::string(1, c);
        return quoted + "'";
    }
    if (auto const* list = If<cls_ScriptList>()) {
        out << "(";
        for (std::size_t i = 0; i < list->size(); ++i) out << (i ? ", " : "") << (*list)[i].Repr();
        out << (list->size() == 1 ? ",)" : ")");
        return out.str();
    }
    auto const* description = cls_ScriptRegistry::Find((*Object())->DynTypeId());
    return description ? description->name + "(...)" : "<object>";
}

std::string cls_ScriptType::Describe() const {
    auto plain = [](cls_ScriptKind k) -> std::string {
        switch (k) {
            case cls_ScriptKind::Bool: return "a boolean";
            case cls_ScriptKind::Int: return "an integer";
            case cls_ScriptKind::Double: return "a float";
            case cls_ScriptKind::Enum: return "a string";
            default: return "a string";
        }
    };
    switch (kind) {
        case cls_ScriptKind::Enum: {
            std::string text = "one of ";
            for (std::size_t i = 0; i < permitted.size(); ++i) text += (i ? ", " : "") + permitted[i];
            return text;
        }
        case cls_ScriptKind::List:
            if (!tuple.empty()) {
                std::string text = "a sequence of tuples (";
                for (std::size_t i = 0; i < tuple.size(); ++i) text += (i ? ", " : "") + tuple[i];
                return text + ") or " + ObjectOf(objectTypeId).Describe().substr(2) + " objects";
            }
            if (element == cls_ScriptKind::Object) return "a sequence of " + ObjectOf(objectTypeId).Describe().substr(2) + " objects";
            return "a sequence of " + plain(element).substr(plain(element).find(' ') + 1) + "s";
        case cls_ScriptKind::Table: return "a sequence of sequences of floats";
        case cls_ScriptKind::Object: {
            auto const* description = cls_ScriptRegistry::Find(objectTypeId);
            std::string const name = description && !description->constructorName.empty() ? description->constructorName
                                     : description                                         ? description->name
                                                                                           : "object";
            return std::string("a ") + name + (optional ? " or None" : "");
        }
        default: return plain(kind);
    }
}

std::string cls_ShortListMessage(char const* name, std::size_t minSize, std::size_t size) {
    return std::string(name) + " must hold at least " + std::to_string(minSize) + " entries; it holds " +
           std::to_string(size) + ".";
}

void cls_ScriptMismatch(char const* name, cls_ScriptType const& type, cls_ScriptValue const& value) {
    throw omu_TypeErrorException(std::string(name) + " must be " + type.Describe() + ", not " + value.KindName());
}

cls_ScriptValue cls_ScriptCodec<cow_2DArray<double>>::Get(cow_2DArray<double> const& a) {
    cls_ScriptList rows;
    for (std::size_t r = 0; r < a.Rows(); ++r) {
        cls_ScriptList row;
        for (std::size_t c = 0; c < a.Columns(); ++c) row.emplace_back(a(r, c));
        rows.emplace_back(std::move(row));
    }
    return rows;
}

void cls_ScriptCodec<cow_2DArray<double>>::Assign(cow_2DArray<double>& m, cls_ScriptValue const& v, char const* name) {
    auto const* rows = v.If<cls_ScriptList>();
    if (!rows) cls_ScriptMismatch(name, Type(), v);
    std::vector<std::vector<double>> table;
    for (auto const& row : *rows) {
        std::vector<double> values;
        cls_ScriptCodec<std::vector<double>>::Assign(values, row, name);
        table.push_back(std::move(values));
    }
    m = cow_2DArray<double>::FromRows(table);
}

cls_ScriptValue cls_RecordTuple(cls_Persistent const& record, std::vector<std::string_view> const& order) {
    auto const attributes = cls_ScriptRegistry::AttributesOf(record.DynTypeId());
    cls_ScriptList tuple;
    for (auto n : order) {
        auto const* a = cls_ScriptRegistry::FindAttribute(attributes, std::string(n));
        NEX_ASSERT(a != nullptr);
        tuple.push_back(a->get(record));
    }
    return tuple;
}

void cls_AssignTuple(cls_Persistent& record, cls_ScriptValue const& tuple, std::vector<std::string_view> const& order,
                     std::size_t required, char const* name, std::size_t entry) {
    auto const& values = *tuple.If<cls_ScriptList>();
    if (values.size() < required || values.size() > order.size()) {
        std::string names;
        for (std::size_t i = 0; i < order.size(); ++i) names += (i ? ", " : "") + std::string(order[i]);
        std::string const count = required == order.size() ? std::to_string(required)
                                                           : std::to_string(required) + " to " + std::to_string(order.size());
        throw omu_TypeErrorException(std::string(name) + " entry " + std::to_string(entry + 1) + " must give " + count +
                                     " values (" + names + "), not " + std::to_string(values.size()));
    }
    auto const attributes = cls_ScriptRegistry::AttributesOf(record.DynTypeId());
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::string const field(order[i]);
        auto const* a = cls_ScriptRegistry::FindAttribute(attributes, field);
        NEX_ASSERT(a != nullptr);
        a->set(record, values[i], (std::string(name) + "." + field).c_str());
    }
}

void cls_ScriptWordValue(cls_ScriptAttribute& a, cls_ScriptWord word, std::int64_t value) {
    a.get = [get = std::move(a.get), word, value](cls_Persistent const& o) {
        cls_ScriptValue v = get(o);
        auto const* i = v.If<std::int64_t>();
        return i && *i == value ? cls_ScriptValue(word(nullptr)) : v;
    };
    a.set = [set = std::move(a.set), word, value](cls_Persistent& o, cls_ScriptValue const& v, char const* name) {
        auto const* s = v.If<std::string>();
        if (s) word(s);
        set(o, s ? cls_ScriptValue(value) : v, name);
    };
}

namespace {
struct Registry {
    std::mutex mutex;
    std::map<std::uint32_t, std::unique_ptr<cls_ScriptClass>> byId;
};
Registry& TheRegistry() {
    static Registry registry;
    return registry;
}
}  // namespace

void cls_ScriptRegistry::Add(cls_ScriptClass description) {
    auto& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    auto const id = description.typeId;
    r.byId[id] = std::make_unique<cls_ScriptClass>(std::move(description));
}

cls_ScriptClass const* cls_ScriptRegistry::Find(std::uint32_t typeId) {
    cls_MetadataRegistrar::Registrar();
    auto& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    auto it = r.byId.find(typeId);
    return it == r.byId.end() ? nullptr : it->second.get();
}

cls_ScriptClass const* cls_ScriptRegistry::FindByName(std::string const& name) {
    for (auto const* c : All())
        if (c->name == name) return c;
    return nullptr;
}

std::vector<cls_ScriptClass const*> cls_ScriptRegistry::All() {
    cls_MetadataRegistrar::Registrar();
    auto& r = TheRegistry();
    std::lock_guard lock(r.mutex);
    std::vector<cls_ScriptClass const*> all;
    for (auto const& [id, c] : r.byId) all.push_back(c.get());
    return all;
}

bool cls_ScriptRegistry::DerivesFrom(std::uint32_t typeId, std::uint32_t baseId) {
    for (auto const* c = Find(typeId); c; c = c->baseId == cls_NoBaseId ? nullptr : Find(c->baseId))
        if (c->typeId == baseId) return true;
    return false;
}

std::vector<cls_ScriptAttribute> cls_ScriptRegistry::AttributesOf(std::uint32_t typeId) {
    std::vector<cls_ScriptClass const*> levels;
    for (auto const* c = Find(typeId); c; c = c->baseId == cls_NoBaseId ? nullptr : Find(c->baseId)) levels.push_back(c);
    std::vector<cls_ScriptAttribute> attributes;
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        for (auto const& a : (*level)->attributes) {
            std::erase_if(attributes, [&](cls_ScriptAttribute const& b) { return b.script == a.script; });
            attributes.push_back(a);
        }
    }
    // The most derived rename wins: walk the levels from the base so that later ones overwrite.
    for (auto level = levels.rbegin(); level != levels.rend(); ++level)
        for (auto const& [stored, script] : (*level)->renames)
            for (auto& a : attributes)
                if (a.stored == stored) a.script = script;
    return attributes;
}

cls_ScriptAttribute const* cls_ScriptRegistry::FindAttribute(std::vector<cls_ScriptAttribute> const& attributes,
                                                             std::string const& script) {
    auto it = std::ranges::find(attributes, script, &cls_ScriptAttribute::script);
    return it == attributes.end() ? nullptr : &*it;
}
