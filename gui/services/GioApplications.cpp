#include "gui/services/ApplicationCatalog.h"

#include "gui/services/ShellHelpers.h"
#include "platform/prompter/ErrorBox.h"

#include <algorithm>
#include <memory>

// GIO names struct members "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace {
struct GObjectDeleter {
    void operator()(gpointer p) const { g_object_unref(p); }
};
template <class T> using GPtr = std::unique_ptr<T, GObjectDeleter>;

struct GListDeleter {
    void operator()(GList* list) const { g_list_free_full(list, g_object_unref); }
};
using AppList = std::unique_ptr<GList, GListDeleter>;

QString mimeTypeOf(const std::string& path)
{
    return FileMimeType(path).name();
}

QIcon iconOf(GAppInfo* info)
{
    GIcon* icon = g_app_info_get_icon(info); // owned by info
    if (!icon)
        return {};
    if (G_IS_THEMED_ICON(icon)) {
        for (const gchar* const* name = g_themed_icon_get_names(G_THEMED_ICON(icon)); name && *name; ++name)
            if (QIcon::hasThemeIcon(QString::fromUtf8(*name)))
                return QIcon::fromTheme(QString::fromUtf8(*name));
        return {};
    }
    if (G_IS_FILE_ICON(icon)) {
        gchar* file = g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon)));
        QIcon result = file ? QIcon(QString::fromUtf8(file)) : QIcon();
        g_free(file);
        return result;
    }
    return {};
}

DesktopApp describe(GAppInfo* info)
{
    const char* id = g_app_info_get_id(info);
    return {QString::fromUtf8(id ? id : ""), QString::fromUtf8(g_app_info_get_name(info)), iconOf(info)};
}

std::vector<DesktopApp> describeAll(GList* list, bool shownOnly)
{
    std::vector<DesktopApp> apps;
    for (GList* l = list; l; l = l->next) {
        GAppInfo* info = G_APP_INFO(l->data);
        if (g_app_info_get_id(info) && (!shownOnly || g_app_info_should_show(info)))
            apps.push_back(describe(info));
    }
    return apps;
}
} // namespace

std::vector<DesktopApp> GioApplications::forFile(const std::string& path)
{
    QByteArray type = mimeTypeOf(path).toUtf8();
    AppList list(g_app_info_get_all_for_type(type.constData()));
    return describeAll(list.get(), false);
}

std::vector<DesktopApp> GioApplications::all()
{
    AppList list(g_app_info_get_all());
    std::vector<DesktopApp> apps = describeAll(list.get(), true);
    std::sort(apps.begin(), apps.end(),
              [](const DesktopApp& a, const DesktopApp& b) { return QString::localeAwareCompare(a.name, b.name) < 0; });
    return apps;
}

bool GioApplications::hasDefaultFor(const std::string& path)
{
    QByteArray type = mimeTypeOf(path).toUtf8();
    GPtr<GAppInfo> info(g_app_info_get_default_for_type(type.constData(), FALSE));
    return info != nullptr;
}

void GioApplications::launch(const QString& appId, const std::string& path)
{
    QByteArray id = appId.toUtf8();
    GPtr<GDesktopAppInfo> info(g_desktop_app_info_new(id.constData()));
    if (!info)
        throw AppError(ErrFileNotFound, "No application " + appId.toStdString());
    GPtr<GFile> file(g_file_new_for_path(path.c_str()));
    GList files{file.get(), nullptr, nullptr};
    GError* error = nullptr;
    if (!g_app_info_launch(G_APP_INFO(info.get()), &files, nullptr, &error)) {
        std::string message = error ? error->message : "cannot start " + appId.toStdString();
        g_clear_error(&error);
        throw AppError(ErrFileNotFound, message);
    }
}
