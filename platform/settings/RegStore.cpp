#include "platform/settings/RegStore.h"

#include "platform/fs/AtomicFile.h"
#include "platform/fs/FileLock.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Messages.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {
std::unique_ptr<RegStore>& instanceSlot()
{
    static std::unique_ptr<RegStore> store;
    return store;
}

RegKey* findKey(RegKey& tree, std::string_view root, std::string_view path)
{
    RegKey* key = tree.child(root);
    for (auto part : SplitKeyPath(path)) {
        if (!key)
            return nullptr;
        key = key->child(part);
    }
    return key;
}

// Far beyond any settings file the program writes; a larger one is damage.
constexpr std::size_t MaxFileSize = std::size_t(64) << 20;

void makeFolderOf(const std::string& file)
{
    std::error_code ec; // a folder that cannot be made shows as a file that cannot be read or written
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
}

std::string timestamp()
{
    std::time_t now = std::time(nullptr);
    char buf[32];
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &local);
    return buf;
}
} // namespace

RegStore::RegStore(std::string filePath) : path_(std::move(filePath)) {}

std::string RegStore::DefaultPath()
{
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = "/tmp";
    return base + "/CorvaneDisk/registry.reg";
}

RegStore& RegStore::Instance()
{
    auto& slot = instanceSlot();
    if (!slot)
        slot = std::make_unique<RegStore>(DefaultPath());
    return *slot;
}

void RegStore::SetInstancePath(std::string filePath)
{
    instanceSlot() = std::make_unique<RegStore>(std::move(filePath));
}

void RegStore::reportOnce(const std::string& text)
{
    if (reported_.exchange(true))
        return;
    ActivePrompter().message(text, "CorvaneDisk", MsgIcon::Exclamation);
}

void RegStore::reportUnwritable()
{
    reportOnce(MessageText(MessageId::SettingsUnwritable, {path_}));
}

void RegStore::reportIfUnwritable()
{
    std::lock_guard guard(mutex_);
    makeFolderOf(path_);
    // A write makes its copy beside the file first: the probe's copy goes again at once.
    std::string target;
    AtomicFileWriter probe;
    if (!ResolveWriteTarget(path_, target) || !probe.open(target))
        reportUnwritable();
}

RegStore::LoadState RegStore::load(RegKey& tree, bool mayRepair)
{
    std::string text;
    int err = 0;
    // A FIFO, a device or a huge file is unusable: it is left as it is.
    if (!ReadWholeFile(path_, text, &err, MaxFileSize)) {
        if (err == ENOENT)
            return LoadState::Missing;
        reportOnce("The settings file " + path_ +
                   " cannot be read; default settings are used and the file is left as it is.");
        return LoadState::Unreadable;
    }
    RegParseResult parsed = ParseRegFile(text);
    tree = std::move(parsed.tree);
    if (parsed.badLines.empty())
        return LoadState::Ok;
    // Damaged: keep a copy of the file as it was, go on with what could be read.
    if (!mayRepair)
        return LoadState::Ok;
    // A copy of that name already there (an earlier one of the same second)
    // stays; the damaged file is then not repaired either.
    std::string aside = path_ + ".damaged-" + timestamp();
    AtomicFileWriter copy;
    bool kept = copy.open(aside);
    copy.keepExisting();
    kept = kept && copy.write(text) && copy.commit();
    if (kept)
        writeFile(SerializeRegFile(tree));
    reportOnce("The settings file " + path_ + " is damaged (" + std::to_string(parsed.badLines.size()) +
               " unreadable line(s), first at line " + std::to_string(parsed.badLines.front()) +
               "). The readable settings are kept" + (kept ? "; the damaged file was saved as " + aside + "." : "."));
    return LoadState::Ok;
}

bool RegStore::writeFile(std::string_view text) const
{
    // A link (dotfiles kept elsewhere) keeps pointing at the settings.
    std::string target;
    return ResolveWriteTarget(path_, target) && WriteFileAtomically(target, text);
}

void RegStore::withTree(bool forWriting, const std::function<bool(RegKey&)>& f)
{
    std::lock_guard guard(mutex_);
    makeFolderOf(path_);
    // A damaged file is repaired (under the exclusive lock) by the first call.
    FileLock lock(path_);
    // Every write replaces the file, so an unchanged identity means the tree
    // read last is still what the file holds.
    const std::optional<FileIdentity> now = IdentityOf(path_);
    if (!now || !cached_ || !(*now == *cached_)) {
        cache_ = RegKey{};
        cachedState_ = load(cache_, true);
        cached_ = cachedState_ == LoadState::Ok ? IdentityOf(path_) : std::nullopt;
    }
    bool changed = f(cache_);
    if (!changed)
        return;
    if (!forWriting || cachedState_ == LoadState::Unreadable) {
        cached_.reset(); // a change that is not saved must not be served later
        return;
    }
    if (!writeFile(SerializeRegFile(cache_))) {
        reportUnwritable();
        cached_.reset();
        return;
    }
    cachedState_ = LoadState::Ok;
    cached_ = IdentityOf(path_);
}

void RegStore::createKey(std::string_view root, std::string_view path)
{
    if (SplitKeyPath(path).size() >= MaxKeyDepth)
        return; // no file could hold it back
    withTree(true, [&](RegKey& tree) {
        if (findKey(tree, root, path))
            return false; // there already: nothing to write
        RegKey* key = &tree.childOrCreate(root);
        for (auto part : SplitKeyPath(path))
            key = &key->childOrCreate(part);
        return true;
    });
}

bool RegStore::setValue(std::string_view root, std::string_view path, std::string_view name, const RegData& data)
{
    bool written = false;
    withTree(true, [&](RegKey& tree) {
        RegKey* key = findKey(tree, root, path);
        if (!key)
            return false;
        written = true;
        auto it = key->values.find(std::string(name));
        if (it != key->values.end() && it->second == data)
            return false; // the same value: the file stays as it is
        key->values.insert_or_assign(std::string(name), data);
        return true;
    });
    return written;
}

std::optional<RegData> RegStore::queryValue(std::string_view root, std::string_view path, std::string_view name)
{
    std::optional<RegData> result;
    withTree(false, [&](RegKey& tree) {
        if (RegKey* key = findKey(tree, root, path)) {
            auto it = key->values.find(std::string(name));
            if (it != key->values.end())
                result = it->second;
        }
        return false;
    });
    return result;
}

void RegStore::deleteKey(std::string_view root, std::string_view path)
{
    auto parts = SplitKeyPath(path);
    if (parts.empty())
        return;
    withTree(true, [&](RegKey& tree) {
        RegKey* parent = tree.child(root);
        for (std::size_t i = 0; parent && i + 1 < parts.size(); ++i)
            parent = parent->child(parts[i]);
        return parent && parent->subkeys.erase(std::string(parts.back())) > 0;
    });
}

std::optional<std::vector<std::string>> RegStore::enumKeys(std::string_view root, std::string_view path)
{
    std::optional<std::vector<std::string>> names;
    withTree(false, [&](RegKey& tree) {
        if (RegKey* key = findKey(tree, root, path)) {
            names.emplace();
            for (const auto& [_, sub] : key->subkeys)
                names->push_back(sub->name);
        }
        return false;
    });
    return names;
}
