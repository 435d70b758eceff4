#pragma once
// Graph themes: named sets of the chart's colours, fill mode and background.
// Four are built in (the chart's own styles); the user's are kept under
// HKEY_CURRENT_USER\Software\<title>\Themes\<name> as text values.
#include <cstdint>
#include <string>
#include <vector>

#include "meter/config/registry_services.h"
#include "throughput/graph.h"
#include "throughput/logging.h"

namespace qn::meter {

struct cGraphThemeItem {
    std::string Name;
    Colour BackColor = 0;
    Colour SendColor = 0;
    Colour RecvColor = 0;
    Colour BothColor = 0;
    Colour ChartColor = 0;
    Colour NumColor = 0;
    bool FillUnderGraph = false;
    std::string Background;  // as cGraph::BackgroundPicture
    bool StretchBackground = false;
    bool ReadOnly = false;  // neither replaced nor deleted
};

// Themes in the order added, each under a key compared without regard to
// case. Lookups and removals of missing entries are quietly nothing.
class cGraphThemeItemCol {
  public:
    // Without a key the item can be reached by position only. A key already
    // present adds nothing and gives the item stored under it.
    cGraphThemeItem& Add(const cGraphThemeItem& item, const std::string& key = "");
    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
    // By position from 1, or by key; nullptr when there is no such entry.
    const cGraphThemeItem* Item(std::int32_t index) const;
    const cGraphThemeItem* Item(const std::string& key) const;
    void Remove(std::int32_t index);
    void Remove(const std::string& key);

  private:
    struct Entry {
        std::string key;
        cGraphThemeItem item;
    };
    std::vector<Entry>::const_iterator Find(const std::string& key) const;
    std::vector<Entry> entries_;
};

class cGraphTheme {
  public:
    // title: the program's name, the key under Software.
    cGraphTheme(RegistryServices services, std::string title, mLogging& log);
    ~cGraphTheme();
    cGraphTheme(const cGraphTheme&) = delete;
    cGraphTheme& operator=(const cGraphTheme&) = delete;

    static constexpr const char* kBuiltInThemes[] = {"Standard", "Task Manager", "Clouds", "River"};

    // As many as EnumThemes lists.
    std::int32_t NumThemes();
    // The built-in names, then the saved ones in their order (element 0 is
    // the first).
    std::vector<std::string> EnumThemes();
    // Keeps the graph's look under name, at the end of the list, in memory
    // only (RegistrySave writes it). False for a built-in name, the name of
    // a read-only theme, and a name the registry cannot hold as one key.
    bool SaveTheme(const std::string& name, const cGraph& settings);
    void DeleteTheme(const std::string& name);
    // A built-in name sets the graph's style; a saved one copies its values;
    // any other name changes nothing. The caller redraws.
    void ApplyTheme(const std::string& name, cGraph& settings);
    bool CanDelete(const std::string& name) const;
    // Replaces the whole Themes key with the saved themes.
    void RegistrySave();
    void RegistryRead();

    const cGraphThemeItemCol& Saved() const { return saved_; }

  private:
    static int BuiltInStyle(const std::string& name);
    std::string ThemesSection() const { return "Themes"; }

    RegistryServices services_;
    std::string title_;
    mLogging& log_;
    cGraphThemeItemCol saved_;
};

}  // namespace qn::meter
