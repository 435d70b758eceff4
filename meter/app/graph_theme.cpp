#include "meter/app/graph_theme.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

#include "meter/app/meter_settings.h"
#include "meter/config/registry_class.h"
#include "meter/config/registry_settings.h"
#include "support/ansi_case.h"

namespace qn::meter {

namespace {

std::string ColourText(Colour colour) {
    return std::to_string(static_cast<std::int32_t>(colour));
}

}  // namespace

cGraphThemeItem& cGraphThemeItemCol::Add(const cGraphThemeItem& item, const std::string& key) {
    if (!key.empty()) {
        const auto found = Find(key);
        if (found != entries_.end()) return entries_[found - entries_.begin()].item;
    }
    entries_.push_back(Entry{key, item});
    return entries_.back().item;
}

std::vector<cGraphThemeItemCol::Entry>::const_iterator cGraphThemeItemCol::Find(
    const std::string& key) const {
    return std::find_if(entries_.begin(), entries_.end(), [&key](const Entry& entry) {
        return !entry.key.empty() && EqualsIgnoringCaseAnsi(entry.key, key);
    });
}

const cGraphThemeItem* cGraphThemeItemCol::Item(std::int32_t index) const {
    if (index < 1 || index > Count()) return nullptr;
    return &entries_[static_cast<std::size_t>(index - 1)].item;
}

const cGraphThemeItem* cGraphThemeItemCol::Item(const std::string& key) const {
    const auto found = Find(key);
    return found != entries_.end() ? &found->item : nullptr;
}

void cGraphThemeItemCol::Remove(std::int32_t index) {
    if (index >= 1 && index <= Count()) entries_.erase(entries_.begin() + (index - 1));
}

void cGraphThemeItemCol::Remove(const std::string& key) {
    const auto found = Find(key);
    if (found != entries_.end()) entries_.erase(found);
}

cGraphTheme::cGraphTheme(RegistryServices services, std::string title, mLogging& log)
    : services_(std::move(services)), title_(std::move(title)), log_(log) {
    log_.WriteLog("cGraphTheme_Initialize");
}

cGraphTheme::~cGraphTheme() {
    log_.WriteLog("cGraphTheme_Terminate");
}

// Built-in names are told exactly: "river" is a name of the user's.
int cGraphTheme::BuiltInStyle(const std::string& name) {
    for (int style = 0; style < 4; ++style) {
        if (name == kBuiltInThemes[style]) return style;
    }
    return -1;
}

std::int32_t cGraphTheme::NumThemes() {
    log_.WriteLog("cGraphTheme_NumThemes");
    return 4 + saved_.Count();
}

std::vector<std::string> cGraphTheme::EnumThemes() {
    log_.WriteLog("cGraphTheme_EnumThemes");
    std::vector<std::string> names(std::begin(kBuiltInThemes), std::end(kBuiltInThemes));
    for (std::int32_t i = 1; i <= saved_.Count(); ++i) names.push_back(saved_.Item(i)->Name);
    return names;
}

bool cGraphTheme::SaveTheme(const std::string& name, const cGraph& settings) {
    log_.WriteLog("cGraphTheme_SaveTheme: " + name);
    if (BuiltInStyle(name) >= 0) return false;
    // Each theme is one key below Themes: a "\" would nest it where reading
    // back never looks, and the next save would lose it.
    if (name.empty() || name.find('\\') != std::string::npos) return false;
    const cGraphThemeItem* existing = saved_.Item(name);
    if (existing != nullptr && existing->ReadOnly) return false;
    cGraphThemeItem item;
    item.Name = name;
    item.BackColor = settings.BackColor;
    item.SendColor = settings.SendColor;
    item.RecvColor = settings.RecvColor;
    item.BothColor = settings.BothColor;
    item.ChartColor = settings.ChartColor;
    item.NumColor = settings.NumColor;
    item.FillUnderGraph = settings.FillUnderGraph;
    item.StretchBackground = settings.StretchBackground;
    item.Background = settings.BackgroundPicture();
    saved_.Remove(name);
    saved_.Add(item, name);
    return true;
}

void cGraphTheme::DeleteTheme(const std::string& name) {
    log_.WriteLog("cGraphTheme_DeleteTheme: " + name);
    saved_.Remove(name);
}

void cGraphTheme::ApplyTheme(const std::string& name, cGraph& settings) {
    log_.WriteLog("cGraphTheme_ApplyTheme: " + name);
    const int style = BuiltInStyle(name);
    if (style >= 0) return settings.SetStyle(style);
    const cGraphThemeItem* theme = saved_.Item(name);
    if (theme == nullptr) return;
    settings.BackColor = theme->BackColor;
    settings.SendColor = theme->SendColor;
    settings.RecvColor = theme->RecvColor;
    settings.BothColor = theme->BothColor;
    settings.ChartColor = theme->ChartColor;
    settings.FillUnderGraph = theme->FillUnderGraph;
    settings.NumColor = theme->NumColor;
    settings.SetBackgroundPicture(theme->Background);
    settings.StretchBackground = theme->StretchBackground;
}

bool cGraphTheme::CanDelete(const std::string& name) const {
    if (BuiltInStyle(name) >= 0) return false;
    const cGraphThemeItem* theme = saved_.Item(name);
    return theme == nullptr || !theme->ReadOnly;
}

void cGraphTheme::RegistrySave() {
    log_.WriteLog("cGraphTheme_RegistrySave");
    RegDeleteSetting(services_, kHkeyCurrentUser, title_, ThemesSection(), "");
    for (std::int32_t i = 1; i <= saved_.Count(); ++i) {
        const cGraphThemeItem& theme = *saved_.Item(i);
        const std::string section = ThemesSection() + "\\" + theme.Name;
        const auto save = [&](const char* name, const std::string& text) {
            RegSaveSetting(services_, kHkeyCurrentUser, title_, section, name, text);
        };
        save("BackColor", ColourText(theme.BackColor));
        save("BothColor", ColourText(theme.BothColor));
        save("ChartColor", ColourText(theme.ChartColor));
        save("FillUnderGraph", FlagText(theme.FillUnderGraph));
        save("NumColor", ColourText(theme.NumColor));
        save("RecvColor", ColourText(theme.RecvColor));
        save("SendColor", ColourText(theme.SendColor));
        save("Background", theme.Background);
        save("StretchBackground", FlagText(theme.StretchBackground));
        if (theme.ReadOnly) save("ReadOnly", "True");
    }
}

// A value that is missing or does not convert leaves its field as a new
// record has it.
void cGraphTheme::RegistryRead() {
    log_.WriteLog("cGraphTheme_RegistryRead");
    saved_ = cGraphThemeItemCol();
    const std::string themesKey = "Software\\" + title_ + "\\" + ThemesSection();
    cRegistry registry(services_);
    registry.SetClassKey(kHkeyCurrentUser);
    registry.SetSectionKey(themesKey);
    std::vector<std::string> names;
    std::int32_t count = 0;
    registry.EnumerateSections(names, count);
    for (const std::string& name : names) {
        registry.SetSectionKey(themesKey + "\\" + name);
        cGraphThemeItem theme;
        theme.Name = name;
        const auto text = [&registry](const char* value) {
            registry.SetValueKey(value);
            return VariantToText(registry.Value()).value_or("");
        };
        const auto colour = [&text](const char* value, Colour& field) {
            if (const auto whole = ParseWhole(text(value))) field = static_cast<Colour>(*whole);
        };
        const auto flag = [&text](const char* value, bool& field) {
            if (const auto parsed = ParseFlag(text(value))) field = *parsed;
        };
        colour("BackColor", theme.BackColor);
        colour("SendColor", theme.SendColor);
        colour("RecvColor", theme.RecvColor);
        colour("BothColor", theme.BothColor);
        colour("ChartColor", theme.ChartColor);
        flag("FillUnderGraph", theme.FillUnderGraph);
        colour("NumColor", theme.NumColor);
        theme.Background = text("Background");
        flag("StretchBackground", theme.StretchBackground);
        flag("ReadOnly", theme.ReadOnly);
        saved_.Add(theme, name);
    }
}

}  // namespace qn::meter
