#pragma once

namespace views {
struct Form1Controls;
}

namespace app {

struct MenuActions;

// The one switch between "a song is open" and "no song": the song commands enabled and the
// tempo controls shown, or all of them off and the sound buttons hidden.
void SongControlsOn(const views::Form1Controls& c, const MenuActions& menu);
void SongControlsOff(const views::Form1Controls& c, const MenuActions& menu);

}  // namespace app
