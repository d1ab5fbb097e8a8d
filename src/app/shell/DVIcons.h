#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// The program's icon set, compiled in from resources/icons.
class DVIcons {
public:
    // Size of the matrix views' image list: requirement types 0-3, linkage 4-6, phase 7-8,
    // actor 9, use case 10, step types 11-20.
    static constexpr int kImageListSize = 21;

    static QIcon Application();
    // A null icon outside 0..kImageListSize-1.
    static QIcon ImageListIcon(int index);
    // The whole image list, index by index.
    static QList<QIcon> ImageList();
    // Window icon of a view type; unknown types get the requirements icon.
    static QIcon ViewTypeIcon(int viewType);
    // The ribbon's image of a command id; a null icon for commands without one.
    static QIcon Command(int commandId);
    // An icon by file name without extension, e.g. "paste".
    static QIcon Named(const char* name);
    // Registers the compiled-in resources; needed before reading them through a path.
    static void InitResources();
};
