#include "cd_audio_device.h"

#include "mci_words.h"

#include <charconv>
#include <gst/gst.h>

namespace {

constexpr int SectorsPerSecond = 75;
// A drive may need some seconds to spin the disc up before the first sound is read.
constexpr std::chrono::milliseconds PrerollLimit{8000};

std::int64_t SectorsToNanoseconds(int sectors)
{
    return static_cast<std::int64_t>(sectors) * GST_SECOND / SectorsPerSecond;
}

bool SameDisc(const CdToc& left, const CdToc& right)
{
    if (left.leadOutSector != right.leadOutSector || left.tracks.size() != right.tracks.size())
        return false;
    for (std::size_t index = 0; index < left.tracks.size(); ++index) {
        if (left.tracks[index].number != right.tracks[index].number
            || left.tracks[index].startSector != right.tracks[index].startSector)
            return false;
    }
    return true;
}

std::optional<int> WholeNumber(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The disc from its first sound to its end as one stream, to the default audio output.
GstElement* MakeDiscPipeline(const std::string& drive)
{
    GstElement* source = gst_element_make_from_uri(GST_URI_SRC, "cdda://1", nullptr, nullptr);
    GstElement* convert = gst_element_factory_make("audioconvert", nullptr);
    GstElement* resample = gst_element_factory_make("audioresample", nullptr);
    GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
    GstElement* pipeline = gst_pipeline_new(nullptr);
    if (!source || !convert || !resample || !sink || !pipeline) {
        for (GstElement* element : {source, convert, resample, sink, pipeline}) {
            if (element)
                gst_object_unref(gst_object_ref_sink(element));
        }
        return nullptr;
    }
    g_object_set(source, "device", drive.c_str(), nullptr);
    gst_util_set_object_arg(G_OBJECT(source), "mode", "continuous");
    gst_bin_add_many(GST_BIN(pipeline), source, convert, resample, sink, nullptr);
    if (!gst_element_link_many(source, convert, resample, sink, nullptr)) {
        gst_object_unref(gst_object_ref_sink(pipeline));
        return nullptr;
    }
    return pipeline;
}

}

CdAudioDevice::CdAudioDevice(std::string drive)
    : m_drive(std::move(drive))
{
}

std::variant<std::unique_ptr<CdAudioDevice>, MCIERROR> CdAudioDevice::open()
{
    std::optional<std::string> drive = FindCdDrive();
    if (!drive)
        return MCIERR_DEVICE_NOT_INSTALLED;
    return std::unique_ptr<CdAudioDevice>(new CdAudioDevice(std::move(*drive)));
}

const CdToc* CdAudioDevice::disc()
{
    if (m_player && m_player->playing())
        return &*m_toc;
    std::optional<CdToc> toc = ReadCdToc(m_drive);
    if (!toc) {
        m_player.reset();
        m_toc.reset();
        return nullptr;
    }
    if (!m_toc || !SameDisc(*m_toc, *toc)) {
        m_player.reset();
        m_sector = toc->firstAudioSector().value_or(toc->tracks.front().startSector);
        m_toc = std::move(toc);
    }
    return &*m_toc;
}

int CdAudioDevice::currentSector()
{
    if (!m_player || !m_toc)
        return m_sector;
    if (m_player->ended()) {
        m_sector = m_toc->leadOutSector;
    } else if (m_player->playing()) {
        if (const std::optional<std::int64_t> position = m_player->position())
            m_sector = m_toc->firstAudioSector().value_or(0) + static_cast<int>(*position * SectorsPerSecond / GST_SECOND);
    }
    return m_sector;
}

bool CdAudioDevice::startPlayer()
{
    if (m_player && !m_player->failed() && !m_player->ended())
        return true;
    // After the end of the disc the stream starts afresh, as for files: a seek back from the
    // end can leave the sound output writing where nothing is heard.
    if (m_player)
        m_player->reset();
    else
        m_player = std::make_unique<GstPlayer>(GstreamerReady() ? MakeDiscPipeline(m_drive) : nullptr);
    if (m_player->preroll(PrerollLimit))
        return true;
    m_player.reset();
    return false;
}

MCIERROR CdAudioDevice::play(const std::optional<std::string>& from, const std::optional<std::string>& to)
{
    const CdToc* toc = disc();
    if (toc == nullptr)
        return MCIERR_DEVICE_NOT_READY;
    const std::optional<int> firstSound = toc->firstAudioSector();
    if (!firstSound)
        return MCIERR_DEVICE_NOT_READY;
    int start = currentSector();
    if (from) {
        const std::variant<int, MCIERROR> parsed = ParseCdPosition(*from, m_format, *toc);
        if (const MCIERROR* error = std::get_if<MCIERROR>(&parsed))
            return *error;
        start = std::get<int>(parsed);
    } else if (start >= toc->leadOutSector) {
        // The whole disc has played: it plays again from the start.
        start = *firstSound;
    }
    std::int64_t stop = -1;
    if (to) {
        const std::variant<int, MCIERROR> parsed = ParseCdPosition(*to, m_format, *toc);
        if (const MCIERROR* error = std::get_if<MCIERROR>(&parsed))
            return *error;
        if (std::get<int>(parsed) <= start)
            return MCIERR_OUTOFRANGE;
        stop = SectorsToNanoseconds(std::get<int>(parsed) - *firstSound);
    }
    start = std::max(start, *firstSound);
    if (!startPlayer())
        return MCIERR_HARDWARE;
    if (!m_player->seek(SectorsToNanoseconds(start - *firstSound), stop) || !m_player->play())
        return MCIERR_HARDWARE;
    m_sector = start;
    return MciNoError;
}

MCIERROR CdAudioDevice::stop()
{
    currentSector();
    if (m_player)
        m_player->pause();
    return MciNoError;
}

MCIERROR CdAudioDevice::status(const std::vector<std::string>& item, std::string& reply)
{
    if (item.empty())
        return MCIERR_MISSING_PARAMETER;
    const CdToc* toc = disc();
    if (item.size() == 1 && SameMciWord(item[0], "mode")) {
        reply = toc == nullptr ? "not ready" : (m_player && m_player->playing()) ? "playing" : "stopped";
        return MciNoError;
    }
    const bool currentTrack = item.size() == 2 && SameMciWord(item[0], "current") && SameMciWord(item[1], "track");
    const bool trackCount = item.size() == 3 && SameMciWord(item[0], "number") && SameMciWord(item[1], "of")
        && SameMciWord(item[2], "tracks");
    const bool position = SameMciWord(item[0], "position")
        && (item.size() == 1 || (item.size() == 3 && SameMciWord(item[1], "track")));
    if (!currentTrack && !trackCount && !position)
        return MCIERR_UNRECOGNIZED_KEYWORD;
    if (toc == nullptr)
        return MCIERR_DEVICE_NOT_READY;
    if (currentTrack) {
        reply = std::to_string(toc->trackAt(currentSector()));
    } else if (trackCount) {
        reply = std::to_string(toc->tracks.size());
    } else if (item.size() == 1) {
        reply = FormatCdPosition(currentSector(), m_format, *toc);
    } else {
        const std::optional<int> track = WholeNumber(item[2]);
        if (!track)
            return MCIERR_BAD_INTEGER;
        const std::optional<int> start = toc->startOf(*track);
        if (!start)
            return MCIERR_OUTOFRANGE;
        reply = FormatCdPosition(*start, m_format, *toc);
    }
    return MciNoError;
}

MCIERROR CdAudioDevice::set(const std::vector<std::string>& setting)
{
    if (setting.size() != 3 || !SameMciWord(setting[0], "time") || !SameMciWord(setting[1], "format"))
        return setting.empty() ? MCIERR_MISSING_PARAMETER : MCIERR_UNRECOGNIZED_KEYWORD;
    if (SameMciWord(setting[2], "tmsf"))
        m_format = CdTimeFormat::Tmsf;
    else if (SameMciWord(setting[2], "milliseconds") || SameMciWord(setting[2], "ms"))
        m_format = CdTimeFormat::Milliseconds;
    else
        return MCIERR_BAD_TIME_FORMAT;
    return MciNoError;
}
