#pragma once
// The game rules a run is played by. They are options of the player, so a demo replays
// identically only under the rules it was recorded with; every run takes them from its
// preparation (run/run_setup.h), and the defaults here are the options' defaults.
namespace tsn {

struct RunRules {
    // Murphy may pick up the red disk he has laid himself and count it again.
    bool AllowRedDiskCheat = true;
    // Eating a red disk to the right keeps the picture shifted by four pixels.
    bool AllowEatRightRedDiskBug = true;

    bool operator==(const RunRules&) const = default;
};

}  // namespace tsn
