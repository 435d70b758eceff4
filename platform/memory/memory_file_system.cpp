#include "platform/memory/memory_file_system.h"

#include "support/ansi_case.h"

namespace qn {

namespace {

std::string ParentKey(const std::string& key) {
    const auto slash = key.rfind('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

std::string LastComponent(const std::string& path) {
    const auto parts = WindowsPathComponents(path);
    return parts.empty() ? std::string() : parts.back();
}

std::size_t ComponentCount(const std::string& key) {
    return WindowsPathComponents(key).size();
}

std::string Component(const std::string& path, std::size_t index) {
    const auto parts = WindowsPathComponents(path);
    return index < parts.size() ? parts[index] : std::string();
}

bool IsDriveRoot(const std::string& key) {
    return key.size() == 2 && key[1] == ':';
}

}  // namespace

std::vector<std::string> WindowsPathComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string WindowsPathKey(const std::string& path) {
    std::string key;
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c == '\\' && !key.empty() && key.back() == '\\') continue;
        key += c;
    }
    if (!key.empty() && key.back() == '\\') key.pop_back();
    return ToUpperAnsi(key);
}

void MemoryFileSystem::AddDirectory(const std::string& path) {
    std::string key = WindowsPathKey(path);
    std::string stored = path;
    while (!key.empty() && !IsDriveRoot(key)) {
        directories_.emplace(key, stored);
        key = ParentKey(key);
        const auto slash = stored.find_last_of("\\/");
        stored = slash == std::string::npos ? std::string() : stored.substr(0, slash);
    }
}

bool MemoryFileSystem::FileExists(const std::string& path) const {
    return files_.count(WindowsPathKey(path)) != 0;
}

bool MemoryFileSystem::DirectoryExists(const std::string& path) const {
    const std::string key = WindowsPathKey(path);
    if (IsDriveRoot(key) || directories_.count(key) != 0) return true;
    for (const auto& file : files_) {
        if (file.first.size() > key.size() && file.first.compare(0, key.size(), key) == 0 &&
            file.first[key.size()] == '\\') {
            return true;
        }
    }
    return false;
}

bool MemoryFileSystem::CanHoldFile(const std::string& key) const {
    if (key.empty() || IsDriveRoot(key) || directories_.count(key) != 0) return false;
    const std::string parent = ParentKey(key);
    return !parent.empty() && DirectoryExists(parent);
}

std::optional<std::string> MemoryFileSystem::ReadAll(const std::string& path) const {
    const auto found = files_.find(WindowsPathKey(path));
    if (found == files_.end()) return std::nullopt;
    return found->second.bytes;
}

bool MemoryFileSystem::Write(const std::string& path, const std::string& bytes) {
    const std::string key = WindowsPathKey(path);
    if (!CanHoldFile(key)) return false;
    // Replacing a file keeps the name it had, as Windows does.
    auto inserted = files_.emplace(key, File{path, std::string()});
    inserted.first->second.bytes = bytes;
    return true;
}

bool MemoryFileSystem::Append(const std::string& path, const std::string& bytes) {
    const auto found = files_.find(WindowsPathKey(path));
    if (found == files_.end()) return Write(path, bytes);
    found->second.bytes += bytes;
    return true;
}

bool MemoryFileSystem::Copy(const std::string& from, const std::string& to) {
    const auto source = ReadAll(from);
    return source.has_value() && Write(to, *source);
}

bool MemoryFileSystem::Delete(const std::string& path) {
    return files_.erase(WindowsPathKey(path)) != 0;
}

std::vector<DirectoryEntry> MemoryFileSystem::List(const std::string& directory) const {
    std::vector<DirectoryEntry> entries;
    const std::string key = WindowsPathKey(directory);
    if (!DirectoryExists(key)) return entries;
    std::map<std::string, DirectoryEntry> found;  // by key, so every name comes once
    for (const auto& dir : directories_) {
        if (ParentKey(dir.first) == key) {
            found[dir.first] = {LastComponent(dir.second), true};
        }
    }
    for (const auto& file : files_) {
        const std::string parent = ParentKey(file.first);
        if (parent == key) {
            found[file.first] = {LastComponent(file.second.path), false};
        } else if (parent.size() > key.size() && parent.compare(0, key.size(), key) == 0 &&
                   parent[key.size()] == '\\') {
            // A file deeper down implies the sub-folder it lies in.
            const auto end = parent.find('\\', key.size() + 1);
            const std::string subKey = parent.substr(0, end);
            if (found.count(subKey) == 0) {
                const std::string name = Component(file.second.path, ComponentCount(subKey) - 1);
                found[subKey] = {name, true};
            }
        }
    }
    for (auto& entry : found) entries.push_back(std::move(entry.second));
    return entries;
}

std::optional<std::uint64_t> MemoryFileSystem::Size(const std::string& path) const {
    const auto content = ReadAll(path);
    if (!content) return std::nullopt;
    return content->size();
}

}  // namespace qn
