#include "gui/WindowRegistry.h"

#include <algorithm>
#include <stdexcept>

WindowRegistry::~WindowRegistry()
{
    unloadAll();
}

void WindowRegistry::define(const std::string& name, Factory factory)
{
    Slot& slot = slots_[name];
    slot.factory = std::move(factory);
    slot.order = nextOrder_++;
}

bool WindowRegistry::isDefined(const std::string& name) const
{
    return slots_.count(name) != 0;
}

QWidget& WindowRegistry::instance(const std::string& name)
{
    auto it = slots_.find(name);
    if (it == slots_.end())
        throw std::out_of_range("no window called " + name);
    Slot& slot = it->second;
    if (!slot.window) {
        QWidget* made = slot.factory();
        if (made->objectName().isEmpty())
            made->setObjectName(QString::fromStdString(name));
        slot.window = made;
        if (made_)
            made_(name, *made);
    }
    return *slot.window;
}

QWidget* WindowRegistry::loaded(const std::string& name) const
{
    auto it = slots_.find(name);
    return it == slots_.end() ? nullptr : it->second.window.data();
}

std::vector<std::string> WindowRegistry::loadedNames() const
{
    std::vector<std::pair<int, std::string>> found;
    for (const auto& [name, slot] : slots_)
        if (slot.window)
            found.emplace_back(slot.order, name);
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& f : found)
        names.push_back(std::move(f.second));
    return names;
}

void WindowRegistry::unload(const std::string& name)
{
    auto it = slots_.find(name);
    if (it == slots_.end() || !it->second.window)
        return;
    QWidget* w = it->second.window;
    it->second.window = nullptr;
    w->hide();
    // Later: the window may be the one whose handler asked for this.
    w->deleteLater();
}

void WindowRegistry::unloadAll()
{
    for (auto& [name, slot] : slots_) {
        delete slot.window.data();
        slot.window = nullptr;
    }
}
