#pragma once
// Settings kept in a map, standing in for the shell's QSettings.

#include <map>

#include "storage/StringStore.h"

class MapSettings : public storage::StringStore {
public:
    std::map<std::wstring, std::wstring> values;
    std::optional<std::wstring> GetString(const std::wstring& name) const override {
        auto found = values.find(name);
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void SetString(const std::wstring& name, const std::wstring& value) override { values[name] = value; }
    void Remove(const std::wstring& name) override { values.erase(name); }
};
