#pragma once
// A small stored hierarchy for the persistence tests: an abstract shape, a square
// deriving from it, and an amplitude that squares own or share.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/cls/cls_AttributeTable.h"
#include "platform/atr/atr_String.h"
#include "platform/cls/cls_MetadataRegistrar.h"
#include "platform/nex/nex_Exception.h"

enum class tst_Color { RED, GREEN, BLUE };

template <>
struct cls_EnumCodec<tst_Color> {
    static constexpr char const* names[] = {"RED", "GREEN", "BLUE"};
    static std::string ToString(tst_Color c) { return names[int(c)]; }
    static tst_Color FromStored(std::string const& text) {
        for (int i = 0; i < 3; ++i)
            if (text == names[i]) return tst_Color(i);
        throw omu_ValueErrorException(atr_SubstituteFormat(
            atr_translate("omu_PrimEnum(const cls_ReadVisitor&) - str not allowed: %s  Permissible: %s"),
            {text, "BLUE, GREEN, RED"}));
    }
};

#define TST_AMPLITUDE_ATTRIBUTES(A) \
    A(std::string, name, "")          \
    A(std::vector<double>, values, {}, .AsArray())

class tst_Amplitude : public cls_Persistent {
    CLS_PERSISTENT(tst_Amplitude, cls_Persistent, 0x7F000001, 12, TST_AMPLITUDE_ATTRIBUTES)
    tst_Amplitude() = default;
    explicit tst_Amplitude(std::string name, std::vector<double> values = {})
        : name_(std::move(name)), values_(std::move(values)) {}
};

#define TST_SHAPE_ATTRIBUTES(A)           \
    A(std::string, name, "")              \
    A(tst_Color, color, tst_Color::BLUE)  \
    A(std::vector<std::string>, tags, {})

class tst_Shape : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(tst_Shape, cls_Persistent, 0x7F000002, 5, TST_SHAPE_ATTRIBUTES)
    tst_Shape() = default;
};

using tst_ShapeList = std::vector<std::shared_ptr<tst_Shape>>;
using tst_AmplitudeMap = std::map<std::string, cow_COW<tst_Amplitude>>;
using tst_WeightMap = std::map<std::string, double>;

#define TST_SQUARE_ATTRIBUTES(A)                     \
    A(double, side, 2.5)                             \
    A(int, count, 7)                                 \
    A(bool, flag, true)                              \
    A(unsigned, code, 3u)                            \
    A(cow_COW<tst_Amplitude>, label, {})             \
    A(std::shared_ptr<tst_Amplitude>, first, {})     \
    A(std::shared_ptr<tst_Amplitude>, second, {})    \
    A(tst_ShapeList, children, {})                   \
    A(tst_AmplitudeMap, byName, {})                  \
    A(tst_WeightMap, weights, {})                    \
    A(std::vector<int>, levels, {})                  \
    A(std::unique_ptr<tst_Amplitude>, owned, {})     \
    A(std::vector<std::string>, extras, {}, .NameOnly())

class tst_Square : public tst_Shape {
    CLS_PERSISTENT(tst_Square, tst_Shape, 0x7F000003, 7, TST_SQUARE_ATTRIBUTES)
    tst_Square() = default;
    tst_Square(tst_Square const& o)
        : tst_Shape(o), side_(o.side_), count_(o.count_), flag_(o.flag_), code_(o.code_), label_(o.label_),
          first_(o.first_), second_(o.second_), children_(o.children_), byName_(o.byName_), weights_(o.weights_),
          levels_(o.levels_), owned_(o.owned_ ? new tst_Amplitude(*o.owned_) : nullptr), extras_(o.extras_) {}
};

// Two enumerations stored in declaration order and read in the reverse, and a row with
// another type code.
#define TST_PAIR_ATTRIBUTES(A)          \
    A(tst_Color, a, tst_Color::RED)     \
    A(tst_Color, b, tst_Color::RED)     \
    A(int, c, 0, .TypeCode(cls_TypeOther))

class tst_Pair : public cls_Persistent {
    CLS_PERSISTENT(tst_Pair, cls_Persistent, 0x7F000004, 1, TST_PAIR_ATTRIBUTES)
    CLS_READ_ORDER("b", "a", "c")
    tst_Pair() = default;
};

// A level with a stored part written by hand beside its table, and a level above it
// without one: the hand-written part must run once, for its own level only.
#define TST_HOOKED_ATTRIBUTES(A) A(int, a, 0)

class tst_Hooked : public cls_Persistent {
    CLS_PERSISTENT(tst_Hooked, cls_Persistent, 0x7F000005, 1, TST_HOOKED_ATTRIBUTES)
    tst_Hooked() = default;
    void cls_WriteMore(cls_WriteVisitor const& w) const {
        ++writes;
        w.Write({1, "sum"}, a_ + b_);
    }
    void cls_ReadMore(cls_ReadVisitor const& r) { b_ = r.Read({1, "sum"}, 0) - a_; }
    static void cls_MetadataMore(cls_ClassMetadata& md) { md.AddAttribute({1, "sum"}, cls_TypeInt); }
    int b() const { return b_; }
    void b(int value) { b_ = value; }
    inline static int writes = 0;

private:
    int b_ = 0;  // stored only through the sum
};

#define TST_ON_TOP_ATTRIBUTES(A) A(int, c, 0)

class tst_OnTop : public tst_Hooked {
    CLS_PERSISTENT(tst_OnTop, tst_Hooked, 0x7F000006, 1, TST_ON_TOP_ATTRIBUTES)
    tst_OnTop() = default;
};

inline void tst_RegisterPersistenceClasses() {
    for (auto fn : {tst_Amplitude::InitializeMetadata, tst_Shape::InitializeMetadata,
                    tst_Square::InitializeMetadata, tst_Pair::InitializeMetadata, tst_Hooked::InitializeMetadata,
                    tst_OnTop::InitializeMetadata})
        cls_MetadataRegistrar::initClassMetadata(fn, 7);
}
