// The natural order of file listings: a number in the first seven bytes of a name sorts by
// its value, by padding short numbers with zeros in the sort key.
#pragma once

#include <string>
#include <vector>

// The sort key of `name` in a listing of `count` names.
std::string NaturalKey(const std::string& name, size_t count);
// Sorts the names by their keys, bytes compared unsigned; equal keys keep their order.
void SortNaturally(std::vector<std::string>& names);
