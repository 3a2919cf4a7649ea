#pragma once
// The module slots' string values, kept beside the other settings.

#include "storage/SettingsStore.h"

class QSettings;

class QtSettingsStore : public storage::SettingsStore {
public:
    explicit QtSettingsStore(QSettings& settings) : settings_(settings) {}

    std::optional<std::wstring> GetString(const std::wstring& name) const override;
    void SetString(const std::wstring& name, const std::wstring& value) override;
    void Remove(const std::wstring& name) override;

private:
    QSettings& settings_;
};
