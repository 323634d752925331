#include "audio_playbin.h"

#include "gst_player.h"

#include <gst/gst.h>

GstElement* MakeAudioPlaybin(const std::string& path)
{
    if (!GstreamerReady())
        return nullptr;
    gchar* uri = gst_filename_to_uri(path.c_str(), nullptr);
    if (uri == nullptr)
        return nullptr;
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
    if (playbin == nullptr || sink == nullptr) {
        if (playbin)
            gst_object_unref(gst_object_ref_sink(playbin));
        if (sink)
            gst_object_unref(gst_object_ref_sink(sink));
        g_free(uri);
        return nullptr;
    }
    gst_util_set_object_arg(G_OBJECT(playbin), "flags", "audio+soft-volume");
    g_object_set(playbin, "uri", uri, "audio-sink", sink, nullptr);
    g_free(uri);
    return playbin;
}
