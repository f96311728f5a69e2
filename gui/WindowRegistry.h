#pragma once
// One default instance per window: created at its first use, forgotten when
// it is unloaded (the skin and language code unload and re-create windows).
// Windows reach each other only through here, by the window's name; nothing
// keeps raw window pointers across an unload.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry() = default;
    ~WindowRegistry(); // deletes every window still loaded
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // How to make the window called name (its factory owns nothing: the
    // registry deletes what it returns).
    void define(const std::string& name, Factory factory);
    // Called with every window just made (the skin and texts it takes).
    void setMadeHook(std::function<void(const std::string& name, QWidget& window)> hook) { made_ = std::move(hook); }
    bool isDefined(const std::string& name) const;

    // The window, made now when it is not loaded. Throws std::out_of_range
    // for a name that was never defined.
    QWidget& instance(const std::string& name);
    // The window when it is loaded, else nullptr; makes nothing.
    QWidget* loaded(const std::string& name) const;
    // Names of the loaded windows, in the order they were defined.
    std::vector<std::string> loadedNames() const;

    // Closes and forgets the window; the next instance() makes a fresh one.
    void unload(const std::string& name);
    void unloadAll();

    template <class W> W& get() { return static_cast<W&>(instance(W::WindowName)); }
    template <class W> W* find() const { return static_cast<W*>(loaded(W::WindowName)); }

private:
    struct Slot {
        Factory factory;
        QPointer<QWidget> window;
        int order = 0;
    };
    std::map<std::string, Slot> slots_;
    std::function<void(const std::string&, QWidget&)> made_;
    int nextOrder_ = 0;
};
