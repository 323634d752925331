#include "platform/sound/cd_position.h"

#include <gtest/gtest.h>

namespace {

// Three tracks: 0-4499 (one minute), 4500-9000, 9001-22499; the lead-out at 22500.
CdToc ThreeTracks()
{
    CdToc toc;
    toc.tracks = {{1, 0, true}, {2, 4500, true}, {3, 9001, true}};
    toc.leadOutSector = 22500;
    return toc;
}

int Sector(std::string_view text, CdTimeFormat format)
{
    const auto parsed = ParseCdPosition(text, format, ThreeTracks());
    return std::holds_alternative<int>(parsed) ? std::get<int>(parsed) : -static_cast<int>(std::get<MCIERROR>(parsed));
}

TEST(CdPosition, TmsfCountsFromTheTracksStart)
{
    EXPECT_EQ(Sector("2", CdTimeFormat::Tmsf), 4500);
    EXPECT_EQ(Sector("03:00:00:00", CdTimeFormat::Tmsf), 9001);
    EXPECT_EQ(Sector("2:0:1:5", CdTimeFormat::Tmsf), 4500 + 75 + 5);
    EXPECT_EQ(Sector("1:0:59:74", CdTimeFormat::Tmsf), 59 * 75 + 74);
    EXPECT_EQ(Sector("3:2:59:73", CdTimeFormat::Tmsf), 22499);
}

TEST(CdPosition, TextThatIsNoPositionOnTheDiscIsRefused)
{
    EXPECT_EQ(Sector("4", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_OUTOFRANGE));
    EXPECT_EQ(Sector("0", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_OUTOFRANGE));
    EXPECT_EQ(Sector("3:3:0:0", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_OUTOFRANGE));
    EXPECT_EQ(Sector("1:0:60:0", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Sector("1:0:0:75", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Sector("Error:282", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Sector("", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Sector("1::0", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Sector("1:0:0:0:0", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Sector("-1", CdTimeFormat::Tmsf), -static_cast<int>(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Sector("99999999999999999999", CdTimeFormat::Milliseconds), -static_cast<int>(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Sector("300000", CdTimeFormat::Milliseconds), -static_cast<int>(MCIERR_OUTOFRANGE));
    EXPECT_EQ(Sector("2:0", CdTimeFormat::Milliseconds), -static_cast<int>(MCIERR_BAD_INTEGER));
}

TEST(CdPosition, MillisecondsCountFromTheDiscsStart)
{
    EXPECT_EQ(Sector("0", CdTimeFormat::Milliseconds), 0);
    EXPECT_EQ(Sector("60000", CdTimeFormat::Milliseconds), 4500);
    EXPECT_EQ(FormatCdPosition(4500, CdTimeFormat::Milliseconds, ThreeTracks()), "60000");
}

TEST(CdPosition, TmsfIsWrittenTwoDigitsAFieldAndReadsBack)
{
    const CdToc toc = ThreeTracks();
    EXPECT_EQ(FormatCdPosition(9001, CdTimeFormat::Tmsf, toc), "03:00:00:00");
    EXPECT_EQ(FormatCdPosition(4500 + 75 * 59 + 7, CdTimeFormat::Tmsf, toc), "02:00:59:07");
    EXPECT_EQ(FormatCdPosition(9001 + 75 * 61 + 7, CdTimeFormat::Tmsf, toc), "03:01:01:07");
    EXPECT_EQ(FormatCdPosition(4499, CdTimeFormat::Tmsf, toc), "01:00:59:74");
    for (int sector : {0, 4499, 4500, 9000, 9001, 22499})
        EXPECT_EQ(Sector(FormatCdPosition(sector, CdTimeFormat::Tmsf, toc), CdTimeFormat::Tmsf), sector) << sector;
}

TEST(CdToc, TrackAtASectorAndTheFirstSound)
{
    CdToc toc = ThreeTracks();
    EXPECT_EQ(toc.trackAt(0), 1);
    EXPECT_EQ(toc.trackAt(4499), 1);
    EXPECT_EQ(toc.trackAt(4500), 2);
    EXPECT_EQ(toc.trackAt(22500), 3);
    EXPECT_EQ(toc.firstAudioSector(), 0);
    toc.tracks[0].audio = false;
    EXPECT_EQ(toc.firstAudioSector(), 4500);
    for (CdToc::Track& track : toc.tracks)
        track.audio = false;
    EXPECT_FALSE(toc.firstAudioSector().has_value());
}

}
