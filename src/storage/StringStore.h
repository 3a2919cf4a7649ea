#pragma once
// Persisted string values by name: the desktop shell keeps them with
// QSettings, tests in a map. Used for the module slots ("Modul #0" ...).

#include <optional>
#include <string>

namespace storage {

class StringStore {
public:
    virtual ~StringStore() = default;
    // nullopt when no value of that name is stored.
    virtual std::optional<std::wstring> GetString(const std::wstring& name) const = 0;
    virtual void SetString(const std::wstring& name, const std::wstring& value) = 0;
    virtual void Remove(const std::wstring& name) = 0;
};

} // namespace storage
