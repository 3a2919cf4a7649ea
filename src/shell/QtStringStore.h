#pragma once
// The module slots' string values, kept beside the other settings.

#include "storage/StringStore.h"

class QSettings;

class QtStringStore : public storage::StringStore {
public:
    explicit QtStringStore(QSettings& settings) : settings_(settings) {}

    std::optional<std::wstring> GetString(const std::wstring& name) const override;
    void SetString(const std::wstring& name, const std::wstring& value) override;
    void Remove(const std::wstring& name) override;

private:
    QSettings& settings_;
};
