#include "app/shell/DVIcons.h"

#include <array>
#include <utility>

namespace {

const std::array<const char*, DVIcons::kImageListSize> kImageList = {
    "req-functional", "req-constraint", "req-quality",  "folder",      "link-and",      "link-or",
    "link-ignore",    "phase-open",     "phase-done",   "view-actors", "view-usecases", "step-simple",
    "step-if",        "step-elseif",    "step-else",    "step-endif",  "step-fork",     "step-join",
    "step-goto",      "step-success",   "step-failure",
};

const std::pair<int, const char*> kCommands[] = {
    {57600, "new"},
    {57601, "open"},
    {557, "open-case"},
    {57603, "save"},
    {57643, "undo"},
    {57644, "redo"},
    {57604, "save-as"},
    {57607, "print"},
    {57608, "quick-print"},
    {57609, "print-preview"},
    {57606, "print-setup"},
    {57602, "close"},
    {57665, "exit"},
    {57637, "paste"},
    {57635, "cut"},
    {57634, "copy"},
    {32773, "view-overview"},
    {464, "properties"},
    {32772, "view-requirements"},
    {32802, "add"},
    {302, "edit-list"},
    {32776, "view-actors"},
    {32803, "add"},
    {308, "edit-list"},
    {32775, "view-usecases"},
    {32804, "add"},
    {309, "edit-list"},
    {32856, "view-steps"},
    {331, "edit-list"},
    {295, "column-edit"},
    {180, "windows"},
    {57648, "new-window"},
    {186, "export"},
    {57664, "about"},
};

}  // namespace

void DVIcons::InitResources() {
    // A static library's resources are only linked in when something refers to them.
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

QIcon DVIcons::Named(const char* name) {
    InitResources();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

QIcon DVIcons::Application() {
    return Named("dovalintra");
}

QIcon DVIcons::ImageListIcon(int index) {
    if (index < 0 || index >= kImageListSize) {
        return {};
    }
    return Named(kImageList[size_t(index)]);
}

QList<QIcon> DVIcons::ImageList() {
    QList<QIcon> icons;
    for (int i = 0; i < kImageListSize; ++i) {
        icons.append(ImageListIcon(i));
    }
    return icons;
}

QIcon DVIcons::ViewTypeIcon(int viewType) {
    switch (viewType) {
        case 1:
            return Named("view-usecases");
        case 2:
            return Named("view-steps");
        case 3:
            return Named("view-actors");
        case 5:
            return Named("view-overview");
        default:
            return Named("view-requirements");
    }
}

QIcon DVIcons::Command(int commandId) {
    for (const auto& [id, name] : kCommands) {
        if (id == commandId) {
            return Named(name);
        }
    }
    return {};
}
