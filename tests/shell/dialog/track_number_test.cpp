#include "shell/dialog/open_file_request.h"
#include "shell/dialog/track_number.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(TrackNumberTest, NumbersRoundHalfToEvenAndEverythingElseIsNoTrack)
{
    EXPECT_EQ(TrackNumberOfText("12"), 12);
    EXPECT_EQ(TrackNumberOfText(" 7 "), 7);
    EXPECT_EQ(TrackNumberOfText("12.5"), 12);
    EXPECT_EQ(TrackNumberOfText("13.5"), 14);
    EXPECT_EQ(TrackNumberOfText("-2.5"), -2);
    EXPECT_EQ(TrackNumberOfText("2.51"), 3);
    EXPECT_EQ(TrackNumberOfText("1E1"), 10);
    EXPECT_EQ(TrackNumberOfText("-3"), -3);
    EXPECT_EQ(TrackNumberOfText("32767"), 32767);
    EXPECT_EQ(TrackNumberOfText("-32768"), -32768);

    EXPECT_EQ(TrackNumberOfText("32767.5"), 0);
    EXPECT_EQ(TrackNumberOfText("-32769"), 0);
    EXPECT_EQ(TrackNumberOfText("1e300"), 0);
    EXPECT_EQ(TrackNumberOfText(""), 0);
    EXPECT_EQ(TrackNumberOfText("abc"), 0);
    EXPECT_EQ(TrackNumberOfText("12abc"), 0);
}

TEST(FileFilterTest, MusicPatternsMatchInAnyLetterCaseAndNothingElse)
{
    OpenFileRequest request;
    request.filterDescription = QStringLiteral("BGMﾌｧｲﾙ (MP3 WAV)");
    request.patterns = {QStringLiteral("*.MP3"), QStringLiteral("*.WAV")};
    const QString filter = CaseInsensitiveNameFilter(request);
    ASSERT_TRUE(filter.startsWith(QStringLiteral("BGMﾌｧｲﾙ (MP3 WAV) (")));
    const QStringList patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1).split(' ');
    const auto matches = [&](const QString& name) {
        for (const QString& pattern : patterns)
            if (QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(name).hasMatch())
                return true;
        return false;
    };
    for (const char* name : {"a.mp3", "b.MP3", "c.Mp3", "d.wav", "e.WaV", "曲.WAV"})
        EXPECT_TRUE(matches(QString::fromUtf8(name))) << name;
    for (const char* name : {"a.ogg", "mp3", "a.mp3.txt", "a.wave"})
        EXPECT_FALSE(matches(QString::fromUtf8(name))) << name;
}

}
