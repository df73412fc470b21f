#pragma once
#include "platform/Services.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tq {

// The settings file (tqplan.ini): [Section] headers and key=value lines. Sections and keys
// match without regard to case, as the profile functions did. The file is read when the store is
// made and written whole after every change, through a temporary file so that a failed write
// never leaves half a settings file.
class IniFileSettings : public SettingsStore {
public:
    explicit IniFileSettings(std::filesystem::path path);

    std::optional<std::string> Read(std::string_view section, std::string_view key) override;
    bool Write(std::string_view section, std::string_view key, std::string_view value) override;

    const std::filesystem::path& Path() const { return path_; }
    // The text of the file as it would be written.
    std::string Text() const;

    // $XDG_CONFIG_HOME/tarvelstrand/tqplan.ini (~/.config when unset).
    static std::filesystem::path DefaultPath();

private:
    struct Entry {
        std::string key, value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    void Load();
    Section* FindSection(std::string_view name);

    std::filesystem::path path_;
    std::vector<Section> sections_;
};

} // namespace tq
