#pragma once
// A rectangular two-dimensional array (rows by columns) held row after row in one
// vector. An array without rows has no columns either, so that the shape is fully
// given by its rows: ((),()) is 2 by 0, () is 0 by 0.
#include <cstddef>
#include <initializer_list>
#include <vector>

#include "platform/nex/nex_Exception.h"

template <class T>
class cow_2DArray {
public:
    cow_2DArray() = default;
    cow_2DArray(std::size_t rows, std::size_t columns, T fill = T{})
        : rows_(rows), columns_(rows ? columns : 0), data_(rows_ * columns_, fill) {}
    cow_2DArray(std::initializer_list<std::initializer_list<T>> rows) {
        for (auto const& row : rows) AppendRow(std::vector<T>(row));
    }
    // Refuses rows of different lengths (omu_ValueErrorException).
    static cow_2DArray FromRows(std::vector<std::vector<T>> const& rows) {
        cow_2DArray array;
        for (auto const& row : rows) array.AppendRow(row);
        return array;
    }

    std::size_t Rows() const { return rows_; }
    std::size_t Columns() const { return columns_; }
    bool IsEmpty() const { return rows_ == 0 || columns_ == 0; }
    T const& operator()(std::size_t row, std::size_t column) const { return data_[row * columns_ + column]; }
    T& operator()(std::size_t row, std::size_t column) { return data_[row * columns_ + column]; }
    std::vector<T> Row(std::size_t row) const {
        return std::vector<T>(data_.begin() + row * columns_, data_.begin() + (row + 1) * columns_);
    }
    std::vector<T> const& Flat() const { return data_; }

    void AppendRow(std::vector<T> const& row) {
        if (rows_ == 0)
            columns_ = row.size();
        else if (row.size() != columns_)
            throw omu_ValueErrorException("All rows of a two-dimensional array must have the same number of entries.");
        data_.insert(data_.end(), row.begin(), row.end());
        ++rows_;
    }

    bool operator==(cow_2DArray const&) const = default;

private:
    std::size_t rows_ = 0;
    std::size_t columns_ = 0;
    std::vector<T> data_;
};
