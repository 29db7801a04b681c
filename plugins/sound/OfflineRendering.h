#pragma once

#include "music/SoundPlugin.h"

namespace sound {

// Renders the notes of `job` with the live sound's synth, as fast as the processor goes.
bool renderOffline(const music::RenderJob& job, const music::FrameSink& sink, QString& failure);

}  // namespace sound
