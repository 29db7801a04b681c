// The grip sounder and the song player, with a recording synthesizer and timers fired by hand.
#include "SoundStandIns.h"

#include "music/GripSounder.h"
#include "music/SongPlayer.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using music::GripSound;
using testing_support::ManualTimer;
using testing_support::RecordingSynth;

namespace {

struct Sounder {
    RecordingSynth synth;
    ManualTimer timer{false};
    music::GripSounder sounder{&synth, timer};
};

}  // namespace

TEST(GripSounder, AGripRingsUntilTheNextGripOrItsHoldTime) {
    Sounder s;
    s.sounder.sound(GripSound{{60, 64}, {36}});
    EXPECT_EQ(s.synth.take(), (QStringList{"on T 60", "on T 64", "on B 36"}));
    EXPECT_TRUE(s.timer.running);
    EXPECT_EQ(s.timer.intervalMs, 800);

    // The next grip first stops every note of this one, a repeated pitch included.
    s.sounder.sound(GripSound{{64}, {}}, 500);
    EXPECT_EQ(s.synth.take(), (QStringList{"off T 60", "off T 64", "off B 36", "on T 64"}));
    EXPECT_EQ(s.timer.intervalMs, 500);
    EXPECT_EQ(s.timer.starts, 2);

    s.timer.fire();
    EXPECT_EQ(s.synth.take(), (QStringList{"off T 64"}));
    EXPECT_FALSE(s.sounder.isSounding());
    s.sounder.silence();
    EXPECT_TRUE(s.synth.played.isEmpty());

    // A silent grip stops the previous one.
    s.sounder.sound(GripSound{{60}, {}});
    s.synth.take();
    s.sounder.sound(GripSound{});
    EXPECT_EQ(s.synth.take(), (QStringList{"off T 60"}));
    EXPECT_FALSE(s.timer.running);
}

TEST(GripSounder, WithoutASynthNothingSoundsUntilOneIsGiven) {
    RecordingSynth synth;
    ManualTimer timer(false);
    music::GripSounder sounder(nullptr, timer);
    sounder.sound(GripSound{{60}, {}});
    EXPECT_FALSE(sounder.isSounding());
    EXPECT_FALSE(timer.running);
    sounder.setSynth(&synth);
    sounder.sound(GripSound{{62}, {}});
    // Handing over another synth (or none) silences what the old one plays.
    sounder.setSynth(nullptr);
    EXPECT_EQ(synth.played, (QStringList{"on T 62", "off T 62"}));
}

namespace {

struct Player : Sounder {
    ManualTimer beatTimer{true};
    music::SongPlayer player{sounder, beatTimer};
    QStringList lit;
    int finished = 0;

    Player() {
        player.onBeat = [this](const music::Beat& beat) {
            lit << (beat.rest ? QStringLiteral("rest %1") : QStringLiteral("grip %1"))
                       .arg(beat.row);
        };
        player.onFinished = [this] { ++finished; };
    }
};

music::SongScore threeRows() {
    music::SongScore score;
    score.beats = {
        {1, false, {{60}, {36}}}, {2, false, {{62}, {}}}, {3, true, {}}, {4, false, {{64}, {}}}};
    return score;
}

}  // namespace

TEST(SongPlayer, PlaysFromTheGivenRowToTheEndInTime) {
    Player p;
    ASSERT_TRUE(p.player.play(threeRows(), 2, 600));
    // The first grip sounds at once, held for one step, and is lit.
    EXPECT_EQ(p.synth.take(), (QStringList{"on T 62"}));
    EXPECT_EQ(p.lit, (QStringList{"grip 2"}));
    EXPECT_EQ(p.timer.intervalMs, 600);
    EXPECT_EQ(p.beatTimer.intervalMs, 600);
    EXPECT_TRUE(p.player.isPlaying());

    p.beatTimer.fire();  // a row without a direction word: a silent beat
    EXPECT_EQ(p.synth.take(), (QStringList{"off T 62"}));
    p.beatTimer.fire();
    EXPECT_EQ(p.synth.take(), (QStringList{"on T 64"}));
    EXPECT_EQ(p.lit, (QStringList{"grip 2", "rest 3", "grip 4"}));
    EXPECT_EQ(p.finished, 0);

    p.beatTimer.fire();  // the last grip has had its beat
    EXPECT_EQ(p.synth.take(), (QStringList{"off T 64"}));
    EXPECT_EQ(p.finished, 1);
    EXPECT_FALSE(p.player.isPlaying());
    EXPECT_FALSE(p.beatTimer.running);
    EXPECT_EQ(p.lit.size(), 3);
}

TEST(SongPlayer, StopsAtOnceAndFollowsTheTempo) {
    Player p;
    ASSERT_TRUE(p.player.play(threeRows(), 1, 600));
    p.player.setStepInterval(300);
    EXPECT_EQ(p.beatTimer.intervalMs, 300);
    p.beatTimer.fire();
    EXPECT_EQ(p.timer.intervalMs, 300);  // the next grip is held for the new step
    p.synth.take();
    p.player.stop();
    EXPECT_EQ(p.synth.take(), (QStringList{"off T 62"}));
    EXPECT_FALSE(p.beatTimer.running);
    p.beatTimer.fire();
    EXPECT_EQ(p.lit, (QStringList{"grip 1", "grip 2"}));
    EXPECT_EQ(p.finished, 0);
}

TEST(SongPlayer, NothingToPlayAfterTheSongsEndYetEverythingWhenNothingCanSound) {
    Player p;
    EXPECT_FALSE(p.player.play(threeRows(), 5, 600));
    EXPECT_FALSE(p.player.play(music::SongScore{}, 1, 600));
    EXPECT_FALSE(p.player.isPlaying());
    EXPECT_TRUE(p.lit.isEmpty());
    EXPECT_TRUE(p.synth.played.isEmpty());

    p.sounder.setSynth(nullptr);
    ASSERT_TRUE(p.player.play(threeRows(), 1, 500));
    for (int i = 0; i < 4; ++i) {
        p.beatTimer.fire();
    }
    EXPECT_EQ(p.lit, (QStringList{"grip 1", "grip 2", "rest 3", "grip 4"}));
    EXPECT_FALSE(p.player.isPlaying());
}
