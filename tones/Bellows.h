#pragma once

namespace tones {

// The bellows direction a grip is played in: "Tah" pulls, "Tlak" pushes.
enum class Bellows { Pull, Push };

}  // namespace tones
