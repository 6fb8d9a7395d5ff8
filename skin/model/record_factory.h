// Tables that turn a section's type keywords into new element records.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace sk {

template <typename Base>
using TskRecordFactory = std::unique_ptr<Base> (*)(const std::string& name);

template <typename Base>
using TskRecordFactories = std::map<std::string, TskRecordFactory<Base>>;

template <typename Base, typename Record>
std::unique_ptr<Base> MakeRecord(const std::string& name)
{
    return std::make_unique<Record>(name);
}

// The record of the class the keyword names (compared exactly), or none.
template <typename Base>
std::unique_ptr<Base> CreateRecord(const TskRecordFactories<Base>& factories, const std::string& keyword,
                                   const std::string& name)
{
    const auto it = factories.find(keyword);
    return it == factories.end() ? nullptr : it->second(name);
}

}  // namespace sk
