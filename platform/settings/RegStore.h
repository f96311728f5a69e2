#pragma once
// The settings store that stands in for the system registry: one text file,
// read afresh for every call (several processes may share it) and replaced
// atomically under a lock for every change.

#include "platform/fs/FileIdentity.h"
#include "platform/settings/RegFileFormat.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RegStore {
public:
    explicit RegStore(std::string filePath);

    // $XDG_CONFIG_HOME/CorvaneDisk/registry.reg (default ~/.config).
    static std::string DefaultPath();
    // The store the program uses (DefaultPath() unless replaced).
    static RegStore& Instance();
    // Points Instance() at another file (tests).
    static void SetInstancePath(std::string filePath);

    // Root is the top level name, e.g. "HKEY_LOCAL_MACHINE".
    void createKey(std::string_view root, std::string_view path);
    // False (nothing written) when the key does not exist.
    bool setValue(std::string_view root, std::string_view path, std::string_view name, const RegData& data);
    std::optional<RegData> queryValue(std::string_view root, std::string_view path, std::string_view name);
    // Removes a key with all its subkeys and values.
    void deleteKey(std::string_view root, std::string_view path);
    // Subkey names in sorted order; nullopt when the key does not exist.
    std::optional<std::vector<std::string>> enumKeys(std::string_view root, std::string_view path);

    // Says once, before any change is lost, when the store cannot be written.
    void reportIfUnwritable();

    const std::string& path() const { return path_; }

private:
    enum class LoadState { Ok, Missing, Unreadable };
    // Runs f on the tree under the lock; when f returns true the tree is saved.
    void withTree(bool forWriting, const std::function<bool(RegKey&)>& f);
    LoadState load(RegKey& tree, bool mayRepair);
    void reportOnce(const std::string& text);
    void reportUnwritable();
    bool writeFile(std::string_view text) const;

    std::string path_;
    std::atomic<bool> reported_ = false;
    std::mutex mutex_; // threads of this process; the file lock keeps other processes out
    RegKey cache_;
    // The file as last read or written: a file that still has it needs no new read.
    std::optional<FileIdentity> cached_; // what cache_ was read from
    LoadState cachedState_ = LoadState::Missing;
};
