#include "wave_out.h"

#include "gst_player.h"

#include <gst/gst.h>

unsigned waveOutGetNumDevs()
{
    if (!GstreamerReady())
        return 0;
    GstDeviceMonitor* monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, "Audio/Sink", nullptr);
    GList* devices = gst_device_monitor_get_devices(monitor);
    const unsigned count = g_list_length(devices);
    g_list_free_full(devices, gst_object_unref);
    gst_object_unref(monitor);
    return count;
}
