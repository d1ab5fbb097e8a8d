#include "views/CDVViewHost.h"

CDVViewHost& CDVViewHost::Instance() {
    static CDVViewHost host;
    return host;
}
