#pragma once
// One typed field of a stored row. Integers, doubles, strings, booleans, enumeration
// strings, references to rows of a class table, lists, maps, numeric and string
// arrays, an explicit null (an absent optional object) and "undefined" (an attribute
// the row's class version does not have).
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

enum class dbs_Kind : std::uint8_t {
    Undefined, Null, Integer, Double, String, Bool, Enum, Reference, List, Map, IntArray, DoubleArray, StringArray
};

// A reference to a row: the class table it lives in and its row index (its object id).
struct dbs_Ref {
    std::uint32_t classId = 0;
    std::int64_t oid = -1;
    bool operator==(dbs_Ref const&) const = default;
};

// An enumeration attribute, kept as its permitted string.
struct dbs_EnumString {
    std::string text;
    bool operator==(dbs_EnumString const&) const = default;
};

struct dbs_Null {
    bool operator==(dbs_Null const&) const = default;
};

class dbs_Value;
using dbs_List = std::vector<dbs_Value>;
using dbs_Map = std::vector<std::pair<dbs_Value, dbs_Value>>;  // in the order written

class dbs_Value {
public:
    using Storage = std::variant<std::monostate, dbs_Null, std::int64_t, double, std::string, bool, dbs_EnumString,
                                 dbs_Ref, std::shared_ptr<dbs_List>, std::shared_ptr<dbs_Map>,
                                 std::shared_ptr<std::vector<std::int64_t>>, std::shared_ptr<std::vector<double>>,
                                 std::shared_ptr<std::vector<std::string>>>;

    dbs_Value() = default;  // undefined
    dbs_Value(dbs_Null v) : v_(v) {}
    dbs_Value(std::int64_t v) : v_(v) {}
    dbs_Value(int v) : v_(std::int64_t(v)) {}
    dbs_Value(unsigned v) : v_(std::int64_t(v)) {}
    dbs_Value(double v) : v_(v) {}
    dbs_Value(std::string v) : v_(std::move(v)) {}
    dbs_Value(char const* v) : v_(std::string(v)) {}
    dbs_Value(bool v) : v_(v) {}
    dbs_Value(dbs_EnumString v) : v_(std::move(v)) {}
    dbs_Value(dbs_Ref v) : v_(v) {}
    dbs_Value(dbs_List v) : v_(std::make_shared<dbs_List>(std::move(v))) {}
    dbs_Value(dbs_Map v) : v_(std::make_shared<dbs_Map>(std::move(v))) {}
    dbs_Value(std::vector<std::int64_t> v) : v_(std::make_shared<std::vector<std::int64_t>>(std::move(v))) {}
    dbs_Value(std::vector<double> v) : v_(std::make_shared<std::vector<double>>(std::move(v))) {}
    dbs_Value(std::vector<std::string> v) : v_(std::make_shared<std::vector<std::string>>(std::move(v))) {}

    dbs_Kind Kind() const { return static_cast<dbs_Kind>(v_.index()); }
    bool IsUndefined() const { return Kind() == dbs_Kind::Undefined; }
    bool IsNull() const { return Kind() == dbs_Kind::Null; }

    std::int64_t AsInteger() const { return std::get<std::int64_t>(v_); }
    double AsDouble() const { return std::get<double>(v_); }
    std::string const& AsString() const { return std::get<std::string>(v_); }
    bool AsBool() const { return std::get<bool>(v_); }
    std::string const& AsEnum() const { return std::get<dbs_EnumString>(v_).text; }
    dbs_Ref AsRef() const { return std::get<dbs_Ref>(v_); }
    dbs_List const& AsList() const { return *std::get<std::shared_ptr<dbs_List>>(v_); }
    dbs_Map const& AsMap() const { return *std::get<std::shared_ptr<dbs_Map>>(v_); }
    std::vector<std::int64_t> const& AsIntArray() const { return *std::get<std::shared_ptr<std::vector<std::int64_t>>>(v_); }
    std::vector<double> const& AsDoubleArray() const { return *std::get<std::shared_ptr<std::vector<double>>>(v_); }
    std::vector<std::string> const& AsStringArray() const {
        return *std::get<std::shared_ptr<std::vector<std::string>>>(v_);
    }

    Storage const& Raw() const { return v_; }

    // Deep equality: collections compare by content.
    bool operator==(dbs_Value const& other) const;

private:
    Storage v_;
};
