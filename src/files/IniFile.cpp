#include "files/IniFile.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tq {

namespace {
bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}
} // namespace

IniFileSettings::IniFileSettings(std::filesystem::path path) : path_(std::move(path)) { Load(); }

std::filesystem::path IniFileSettings::DefaultPath() {
    std::filesystem::path base;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) {
        base = x;
    } else if (const char* h = std::getenv("HOME"); h && *h) {
        base = std::filesystem::path(h) / ".config";
    } else {
        base = ".";
    }
    return base / "tarvelstrand" / "tqplan.ini";
}

void IniFileSettings::Load() {
    sections_.clear();
    std::ifstream in(path_, std::ios::binary);
    if (!in) return;
    std::string line;
    Section* current = nullptr;
    while (std::getline(in, line)) {
        std::string_view l = Trim(line);
        if (l.empty() || l.front() == ';') continue;
        if (l.front() == '[') {
            const auto close = l.find(']');
            std::string name(Trim(l.substr(1, close == std::string_view::npos ? l.size() - 1 : close - 1)));
            current = FindSection(name);
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        const auto eq = l.find('=');
        if (!current || eq == std::string_view::npos) continue;
        std::string key(Trim(l.substr(0, eq)));
        std::string value(Trim(l.substr(eq + 1)));
        bool replaced = false;
        for (auto& e : current->entries)
            if (SameText(e.key, key)) {
                replaced = true; // the first occurrence wins, as the profile functions read it
                break;
            }
        if (!replaced) current->entries.push_back({key, value});
    }
}

IniFileSettings::Section* IniFileSettings::FindSection(std::string_view name) {
    for (auto& s : sections_)
        if (SameText(s.name, name)) return &s;
    return nullptr;
}

std::optional<std::string> IniFileSettings::Read(std::string_view section, std::string_view key) {
    if (Section* s = FindSection(section))
        for (const auto& e : s->entries)
            if (SameText(e.key, key)) return e.value;
    return std::nullopt;
}

std::string IniFileSettings::Text() const {
    std::ostringstream out;
    for (const auto& s : sections_) {
        out << '[' << s.name << "]\n";
        for (const auto& e : s.entries) out << e.key << '=' << e.value << '\n';
    }
    return out.str();
}

bool IniFileSettings::Write(std::string_view section, std::string_view key, std::string_view value) {
    // A line break in a value would split it into a second key; keep the value on its line.
    std::string v(value);
    for (auto& c : v)
        if (c == '\n' || c == '\r') c = ' ';
    Section* s = FindSection(section);
    if (!s) {
        sections_.push_back({std::string(section), {}});
        s = &sections_.back();
    }
    bool found = false;
    for (auto& e : s->entries)
        if (SameText(e.key, key)) {
            e.value = v;
            found = true;
            break;
        }
    if (!found) s->entries.push_back({std::string(key), v});

    std::error_code ec;
    if (path_.has_parent_path()) std::filesystem::create_directories(path_.parent_path(), ec);
    std::filesystem::path tmp = path_;
    tmp += ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        const std::string text = Text();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::filesystem::remove(tmp, ec);
            return false;
        }
    }
    std::filesystem::rename(tmp, path_, ec);
    return !ec;
}

} // namespace tq
