#pragma once
// Platform value types: strings and containers are plain standard-library values.
#include <map>
#include <string>
#include <vector>

using cow_String = std::string;

template <class T>
using cow_List = std::vector<T>;

template <class K, class V>
using cow_Map = std::map<K, V>;

template <class T>
using cow_1DArray = std::vector<T>;

template <class T>
using cow_1DArrayList = std::vector<T>;
