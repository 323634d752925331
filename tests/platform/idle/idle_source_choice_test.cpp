#include "platform/idle/idle_source_choice.h"

#include <gtest/gtest.h>

namespace {

IdleOffers wayland(bool ext, bool kde, bool seat = true)
{
    IdleOffers offers;
    offers.waylandConnected = true;
    offers.waylandSeat = seat;
    offers.extIdleNotifier = ext;
    offers.kdeIdle = kde;
    return offers;
}

}

TEST(IdleSourceChoiceTest, TheFirstOfferedSourceInOrderWins)
{
    IdleOffers everything = wayland(true, true);
    everything.mutterIdleMonitor = everything.xDisplay = everything.screenSaverExtension = true;
    EXPECT_EQ(ChooseIdleSource(everything).kind, IdleSourceKind::ExtIdleNotifier);
    everything.extIdleNotifier = false;
    EXPECT_EQ(ChooseIdleSource(everything).kind, IdleSourceKind::KdeIdle);
    everything.kdeIdle = false;
    EXPECT_EQ(ChooseIdleSource(everything).kind, IdleSourceKind::MutterIdleMonitor);
    everything.mutterIdleMonitor = false;
    EXPECT_EQ(ChooseIdleSource(everything).kind, IdleSourceKind::ScreenSaverExtension);
    // Without a seat the Wayland notifiers count nothing; GNOME's monitor still does.
    IdleOffers seatless = wayland(true, true, false);
    seatless.mutterIdleMonitor = true;
    EXPECT_EQ(ChooseIdleSource(seatless).kind, IdleSourceKind::MutterIdleMonitor);
}

TEST(IdleSourceChoiceTest, NoneNamesWhatIsMissingInOneLine)
{
    IdleOffers beside;
    beside.xDisplay = beside.screenSaverExtension = beside.otherScreenSaver = true;
    IdleOffers noExtension;
    noExtension.xDisplay = true;
    for (const IdleOffers& offers : {beside, noExtension, wayland(false, false), IdleOffers{}}) {
        const IdleSourceChoice choice = ChooseIdleSource(offers);
        EXPECT_EQ(choice.kind, IdleSourceKind::None);
        EXPECT_FALSE(choice.problem.empty());
        EXPECT_EQ(choice.problem.find('\n'), std::string::npos);
    }
    EXPECT_NE(ChooseIdleSource(beside).problem.find("another screensaver manager"), std::string::npos);
}
