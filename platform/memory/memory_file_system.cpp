#include "platform/memory/memory_file_system.h"

#include <algorithm>

#include "support/path_parts.h"

namespace qn {

namespace {

std::string ParentKey(const std::string& key) {
    const auto slash = key.rfind('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

std::string LastComponent(const std::string& path) {
    const auto parts = PathParts(path);
    return parts.empty() ? std::string() : parts.back();
}

std::size_t ComponentCount(const std::string& key) {
    return PathParts(key).size();
}

std::string Component(const std::string& path, std::size_t index) {
    const auto parts = PathParts(path);
    return index < parts.size() ? parts[index] : std::string();
}

bool IsDriveRoot(const std::string& key) {
    return key.size() == 2 && key[1] == ':';
}

}  // namespace

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

void MemoryFileSystem::SetReadOnly(const std::string& folder, bool readOnly) {
    if (readOnly) {
        readOnly_.insert(WindowsPathKey(folder));
    } else {
        readOnly_.erase(WindowsPathKey(folder));
    }
}

bool MemoryFileSystem::InReadOnlyFolder(const std::string& key) const {
    return readOnly_.count(ParentKey(key)) != 0;
}

bool MemoryFileSystem::Store(const std::string& key, const std::string& path,
                             const std::string& bytes) {
    // Replacing a file keeps the name it had, as Windows does.
    auto inserted = files_.emplace(key, File{path, std::string()});
    std::string& contents = inserted.first->second.bytes;
    contents.clear();
    if (!capacity_) {
        contents = bytes;
        return true;
    }
    std::uint64_t used = 0;
    for (const auto& file : files_) used += file.second.bytes.size();
    const std::uint64_t room = used < *capacity_ ? *capacity_ - used : 0;
    contents =
        bytes.substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(room, bytes.size())));
    return contents.size() == bytes.size();
}

bool MemoryFileSystem::Write(const std::string& path, const std::string& bytes) {
    const std::string key = WindowsPathKey(path);
    if (!CanHoldFile(key) || InReadOnlyFolder(key)) return false;
    return Store(key, path, bytes);
}

bool MemoryFileSystem::Append(const std::string& path, const std::string& bytes) {
    const auto found = files_.find(WindowsPathKey(path));
    if (found == files_.end()) return Write(path, bytes);
    if (InReadOnlyFolder(found->first)) return false;
    return Store(found->first, found->second.path, found->second.bytes + bytes);
}

bool MemoryFileSystem::Copy(const std::string& from, const std::string& to) {
    const auto source = ReadAll(from);
    return source.has_value() && Write(to, *source);
}

bool MemoryFileSystem::Delete(const std::string& path) {
    const std::string key = WindowsPathKey(path);
    if (InReadOnlyFolder(key)) return false;
    return files_.erase(key) != 0;
}

bool MemoryFileSystem::Move(const std::string& from, const std::string& to) {
    const std::string fromKey = WindowsPathKey(from);
    const std::string toKey = WindowsPathKey(to);
    const auto source = files_.find(fromKey);
    if (source == files_.end() || InReadOnlyFolder(fromKey) || InReadOnlyFolder(toKey) ||
        !CanHoldFile(toKey)) {
        return false;
    }
    if (fromKey == toKey) return true;
    File moved{to, std::move(source->second.bytes)};
    files_.erase(source);
    files_[toKey] = std::move(moved);
    return true;
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
