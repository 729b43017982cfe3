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

#define TST_AMPLITUDE_ATTRIBUTES(A)  \
    A(name, name_, "name", "") \
    A(values, values_, "values", {}, .AsArray())

class tst_Amplitude : public cls_Persistent {
    CLS_PERSISTENT(tst_Amplitude, cls_Persistent, 0x7F000001, 12, TST_AMPLITUDE_ATTRIBUTES)
    tst_Amplitude() = default;
    explicit tst_Amplitude(std::string name, std::vector<double> values = {})
        : name_(std::move(name)), values_(std::move(values)) {}
    std::string name_;
    std::vector<double> values_;
};

#define TST_SHAPE_ATTRIBUTES(A)                     \
    A(name, name_, "name", "")                      \
    A(color, color_, "color", tst_Color::BLUE)      \
    A(tags, tags_, "tags", {})

class tst_Shape : public cls_Persistent {
    CLS_ABSTRACT_PERSISTENT(tst_Shape, cls_Persistent, 0x7F000002, 5, TST_SHAPE_ATTRIBUTES)
    tst_Shape() = default;
    std::string name_;
    tst_Color color_ = tst_Color::BLUE;
    std::vector<std::string> tags_;
};

#define TST_SQUARE_ATTRIBUTES(A)                                   \
    A(side, side_, "side", 2.5)                                    \
    A(count, count_, "count", 7)                                   \
    A(flag, flag_, "flag", true)                                   \
    A(code, code_, "code", 3u)                                     \
    A(label, label_, "label", {})                                  \
    A(first, first_, "first", {})                                  \
    A(second, second_, "second", {})                               \
    A(children, children_, "children", {})                         \
    A(byName, byName_, "byName", {})                               \
    A(weights, weights_, "weights", {})                            \
    A(levels, levels_, "levels", {})                               \
    A(owned, owned_, "owned", {})                                  \
    A(extras, extras_, "extras", {}, .NameOnly())

class tst_Square : public tst_Shape {
    CLS_PERSISTENT(tst_Square, tst_Shape, 0x7F000003, 7, TST_SQUARE_ATTRIBUTES)
    tst_Square() = default;
    double side_ = 2.5;
    int count_ = 7;
    bool flag_ = true;
    unsigned code_ = 3;
    cow_COW<tst_Amplitude> label_;
    std::shared_ptr<tst_Amplitude> first_, second_;
    std::vector<std::shared_ptr<tst_Shape>> children_;
    std::map<std::string, cow_COW<tst_Amplitude>> byName_;
    std::map<std::string, double> weights_;
    std::vector<int> levels_;
    std::unique_ptr<tst_Amplitude> owned_;
    std::vector<std::string> extras_;

    tst_Square(tst_Square const& o)
        : tst_Shape(o), side_(o.side_), count_(o.count_), flag_(o.flag_), code_(o.code_), label_(o.label_),
          first_(o.first_), second_(o.second_), children_(o.children_), byName_(o.byName_), weights_(o.weights_),
          levels_(o.levels_), owned_(o.owned_ ? new tst_Amplitude(*o.owned_) : nullptr), extras_(o.extras_) {}
};

// Two enumerations read in the reverse of their stored order.
#define TST_PAIR_ATTRIBUTES(A)                               \
    A(a, a_, "a", tst_Color::RED, .ReadRank(1))              \
    A(b, b_, "b", tst_Color::RED, .ReadRank(0).Ordinal(4))   \
    A(c, c_, "c", 0, .TypeCode(cls_TypeOther))

class tst_Pair : public cls_Persistent {
    CLS_PERSISTENT(tst_Pair, cls_Persistent, 0x7F000004, 1, TST_PAIR_ATTRIBUTES)
    tst_Pair() = default;
    tst_Color a_ = tst_Color::RED, b_ = tst_Color::RED;
    int c_ = 0;
};

// A level with a stored part written by hand beside its table, and a level above it
// without one: the hand-written part must run once, for its own level only.
#define TST_HOOKED_ATTRIBUTES(A) A(a, a_, "a", 0)

class tst_Hooked : public cls_Persistent {
    CLS_PERSISTENT(tst_Hooked, cls_Persistent, 0x7F000005, 1, TST_HOOKED_ATTRIBUTES)
    tst_Hooked() = default;
    void cls_WriteMore(cls_WriteVisitor const& w) const {
        ++writes;
        w.Write({1, "sum"}, a_ + b_);
    }
    void cls_ReadMore(cls_ReadVisitor const& r) { b_ = r.Read({1, "sum"}, 0) - a_; }
    static void cls_MetadataMore(cls_ClassMetadata& md) { md.AddAttribute({1, "sum"}, cls_TypeInt); }
    int a_ = 0, b_ = 0;
    inline static int writes = 0;
};

#define TST_ON_TOP_ATTRIBUTES(A) A(c, c_, "c", 0)

class tst_OnTop : public tst_Hooked {
    CLS_PERSISTENT(tst_OnTop, tst_Hooked, 0x7F000006, 1, TST_ON_TOP_ATTRIBUTES)
    tst_OnTop() = default;
    int c_ = 0;
};

inline void tst_RegisterPersistenceClasses() {
    for (auto fn : {tst_Amplitude::InitializeMetadata, tst_Shape::InitializeMetadata,
                    tst_Square::InitializeMetadata, tst_Pair::InitializeMetadata, tst_Hooked::InitializeMetadata,
                    tst_OnTop::InitializeMetadata})
        cls_MetadataRegistrar::initClassMetadata(fn, 7);
}
