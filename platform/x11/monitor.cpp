#include "monitor.h"

#include "x_connection.h"

#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>

namespace {

void addOnce(std::vector<Monitor>& monitors, const Monitor& monitor)
{
    if (monitor.width <= 0 || monitor.height <= 0)
        return;
    const bool known = std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& other) {
        return other.x == monitor.x && other.y == monitor.y && other.width == monitor.width &&
               other.height == monitor.height;
    });
    if (!known)
        monitors.push_back(monitor);
}

bool hasRandr(Display* display, int major, int minor)
{
    int eventBase = 0;
    int errorBase = 0;
    int haveMajor = 0;
    int haveMinor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &haveMajor, &haveMinor))
        return false;
    return haveMajor > major || (haveMajor == major && haveMinor >= minor);
}

std::vector<Monitor> randrMonitors(Display* display)
{
    std::vector<Monitor> monitors;
    if (!hasRandr(display, 1, 5))
        return monitors;
    int count = 0;
    XRRMonitorInfo* info = XRRGetMonitors(display, DefaultRootWindow(display), True, &count);
    for (int i = 0; info && i < count; ++i)
        addOnce(monitors, {info[i].x, info[i].y, info[i].width, info[i].height});
    if (info)
        XRRFreeMonitors(info);
    return monitors;
}

std::vector<Monitor> xineramaHeads(Display* display)
{
    std::vector<Monitor> monitors;
    int eventBase = 0;
    int errorBase = 0;
    if (!XineramaQueryExtension(display, &eventBase, &errorBase) || !XineramaIsActive(display))
        return monitors;
    int count = 0;
    XineramaScreenInfo* heads = XineramaQueryScreens(display, &count);
    for (int i = 0; heads && i < count; ++i)
        addOnce(monitors, {heads[i].x_org, heads[i].y_org, heads[i].width, heads[i].height});
    if (heads)
        XFree(heads);
    return monitors;
}

double modeRate(const XRRModeInfo& mode)
{
    const double dots = static_cast<double>(mode.hTotal) * mode.vTotal;
    if (mode.dotClock == 0 || dots <= 0)
        return 0;
    double rate = mode.dotClock / dots;
    if (mode.modeFlags & RR_DoubleScan)
        rate /= 2;
    if (mode.modeFlags & RR_Interlace)
        rate *= 2;
    return rate;
}

}

std::vector<Monitor> Monitors()
{
    Display* display = SharedDisplay();
    if (!display)
        return {};
    ErrorTrap trap(display);
    std::vector<Monitor> monitors = randrMonitors(display);
    if (monitors.size() <= 1) {
        std::vector<Monitor> heads = xineramaHeads(display);
        if (!heads.empty())
            monitors = heads;
    }
    if (monitors.empty()) {
        const int screen = DefaultScreen(display);
        monitors.push_back({0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)});
    }
    return monitors;
}

double RefreshRateAt(int x, int y)
{
    Display* display = SharedDisplay();
    if (!display || !hasRandr(display, 1, 3))
        return 0;
    ErrorTrap trap(display);
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
    if (!resources)
        return 0;
    double rate = 0;
    for (int i = 0; i < resources->ncrtc && rate == 0; ++i) {
        XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, resources->crtcs[i]);
        if (!crtc)
            continue;
        const bool shows = crtc->mode != None && x >= crtc->x && y >= crtc->y &&
                           x < crtc->x + static_cast<int>(crtc->width) && y < crtc->y + static_cast<int>(crtc->height);
        for (int m = 0; shows && m < resources->nmode; ++m)
            if (resources->modes[m].id == crtc->mode)
                rate = modeRate(resources->modes[m]);
        XRRFreeCrtcInfo(crtc);
    }
    XRRFreeScreenResources(resources);
    return rate;
}
