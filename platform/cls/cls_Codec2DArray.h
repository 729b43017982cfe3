#pragma once
// Stored form of a two-dimensional numeric array: a list with one numeric array per row.
// Rows and columns come back exactly (an array without rows has no columns); a stored
// list whose rows differ in length is refused by the reader.
#include "platform/cls/cls_Codec.h"
#include "platform/cow/cow_2DArray.h"

template <class X>
    requires(std::integral<X> || std::floating_point<X>)
struct cls_Codec<cow_2DArray<X>> {
    using RowCodec = cls_ArrayCodec<std::vector<X>>;
    static constexpr int TypeCode = cls_TypeObject;
    static constexpr int ElementKind = cls_Single;
    static constexpr int CollectionKind = cls_Codec<X>::ElementKind;
    static constexpr std::uint32_t TypeIdArg() { return cls_ListTypeId; }

    static dbs_Value ToValue(cls_WriteVisitor const& w, cow_2DArray<X> const& v) {
        dbs_List rows;
        rows.reserve(v.Rows());
        for (std::size_t r = 0; r < v.Rows(); ++r) rows.push_back(RowCodec::ToValue(w, v.Row(r)));
        return rows;
    }
    static cow_2DArray<X> FromValue(cls_ReadVisitor const& r, dbs_Value const& v, cls_Key k) {
        if (v.Kind() != dbs_Kind::List) r.Mismatch(k, v, "a list of rows");
        cow_2DArray<X> out;
        for (auto const& row : v.AsList()) {
            auto values = RowCodec::FromValue(r, row, k);
            if (out.Rows() > 0 && values.size() != out.Columns())
                r.Fail(k, "holds rows of different lengths");
            out.AppendRow(values);
        }
        return out;
    }
};
