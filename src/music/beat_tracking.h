// The beats of a piece of music, found by aubio's tempo tracker on its decoded sound, and
// its loudness (libebur128), measured on the same decoding.
#pragma once

#include <string>
#include <vector>

namespace pictavo {

struct TrackBeats {
  std::vector<double> beats;  // seconds from the start of the track, rising
  double bpm = 0;             // from the typical distance between beats; 0 without a beat
  double seconds = 0;         // length of the decoded sound
  bool clear = false;         // a steady beat runs through the track (not speech or silence)
  // Measured on the same decoding, as the video plays it (stereo), after EBU R128:
  double loudness = 0;        // integrated loudness, LUFS; 0 when unknown (silence)
  double peak = 0;            // highest sample, dBFS
};

// The rate the tracker works at: beats come in steps of 256 samples (11.6 ms).
inline constexpr int kBeatSampleRate = 22050;

// Tracks the beats of mono samples at `sampleRate`.
TrackBeats trackBeats(const std::vector<float>& samples, int sampleRate);

// The integrated loudness and sample peak of interleaved stereo samples, into `beats`.
void measureLoudness(const std::vector<float>& stereo, int sampleRate, TrackBeats* beats);

// Decodes the music file at the GBK `path`, tracks its beats and measures its loudness. A
// file ffmpeg cannot decode gives no beats and `error` (GBK) says why.
TrackBeats analyseTrackBeats(const std::string& path, std::string* error);

}  // namespace pictavo
