#include "music/beat_tracking.h"

#include <aubio/aubio.h>
#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "music/pcm_decoding.h"

namespace pictavo {
namespace {

constexpr unsigned kWindow = 1024;
constexpr unsigned kHop = 256;
// A clear beat: at least this many beats, most distances between them a whole number of
// typical distances (speech and noise give scattered distances), and a tracker confident
// of its tempo (a steady tone gives regular beats with no confidence at all).
constexpr size_t kMinBeats = 8;
constexpr double kSteadyShare = 0.6;
constexpr double kSteadyTolerance = 0.1;
constexpr double kMinConfidence = 0.05;
// A gap between two beats that is this close to a whole number of beats is filled.
constexpr double kGapTolerance = 0.3;
// Beats before the first and after the last one found follow the tempo of this many beats.
constexpr size_t kEdgeBeats = 16;

struct TempoDeleter {
  void operator()(aubio_tempo_t* t) const { del_aubio_tempo(t); }
};
struct LoudnessDeleter {
  void operator()(ebur128_state* s) const { ebur128_destroy(&s); }
};
struct VectorDeleter {
  void operator()(fvec_t* v) const { del_fvec(v); }
};

double medianOf(std::vector<double> values) {
  if (values.empty()) return 0;
  auto middle = values.begin() + static_cast<long>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

std::vector<double> distancesBetween(const std::vector<double>& beats) {
  std::vector<double> distances;
  for (size_t i = 1; i < beats.size(); ++i) distances.push_back(beats[i] - beats[i - 1]);
  return distances;
}

// The typical distance between beats when most distances are a whole number of it, else 0.
double steadyBeatPeriod(const std::vector<double>& beats) {
  if (beats.size() < kMinBeats) return 0;
  std::vector<double> distances = distancesBetween(beats);
  double period = medianOf(distances);
  if (period <= 0) return 0;
  auto steady = std::count_if(distances.begin(), distances.end(), [period](double d) {
    double beatsApart = std::round(d / period);
    return beatsApart >= 1 && std::abs(d - beatsApart * period) <= kSteadyTolerance * period;
  });
  return static_cast<double>(steady) >= kSteadyShare * static_cast<double>(distances.size()) ? period
                                                                                            : 0;
}

// The beats the tracker let pass (it drops one now and then when the tempo drifts) put
// back between their neighbours.
std::vector<double> withGapsFilled(const std::vector<double>& beats, double period) {
  std::vector<double> filled;
  for (size_t i = 0; i < beats.size(); ++i) {
    if (i > 0) {
      double gap = beats[i] - beats[i - 1];
      double missing = std::round(gap / period);
      if (missing >= 2 && std::abs(gap / period - missing) <= kGapTolerance)
        for (int k = 1; k < static_cast<int>(missing); ++k)
          filled.push_back(beats[i - 1] + gap * k / missing);
    }
    filled.push_back(beats[i]);
  }
  return filled;
}

// The least-squares line through beats [from, from + count): time = start + period * index.
struct BeatLine {
  double start = 0;
  double period = 0;
};

BeatLine fitLine(const std::vector<double>& beats, size_t from, size_t count) {
  double n = static_cast<double>(count), sumX = 0, sumY = 0, sumXX = 0, sumXY = 0;
  for (size_t k = 0; k < count; ++k) {
    double x = static_cast<double>(k), y = beats[from + k];
    sumX += x;
    sumY += y;
    sumXX += x * x;
    sumXY += x * y;
  }
  double period = (n * sumXY - sumX * sumY) / (n * sumXX - sumX * sumX);
  return {(sumY - period * sumX) / n, period};
}

// The tracker needs a few seconds before its first beat and stops a little before the
// end: the beats there continue the tempo of the nearest beats it found.
std::vector<double> extendedToEdges(const std::vector<double>& beats, double seconds) {
  size_t count = std::min(kEdgeBeats, beats.size());
  BeatLine head = fitLine(beats, 0, count);
  BeatLine tail = fitLine(beats, beats.size() - count, count);
  std::vector<double> extended;
  for (int k = -1; head.start + head.period * k >= 0; --k)
    extended.insert(extended.begin(), head.start + head.period * k);
  extended.insert(extended.end(), beats.begin(), beats.end());
  for (size_t k = count;; ++k) {
    double beat = tail.start + tail.period * static_cast<double>(k);
    if (beat >= seconds) break;
    extended.push_back(beat);
  }
  return extended;
}

}  // namespace

TrackBeats trackBeats(const std::vector<float>& samples, int sampleRate) {
  TrackBeats result;
  if (sampleRate <= 0) return result;
  result.seconds = static_cast<double>(samples.size()) / sampleRate;
  std::unique_ptr<aubio_tempo_t, TempoDeleter> tempo(
      new_aubio_tempo("default", kWindow, kHop, static_cast<uint_t>(sampleRate)));
  std::unique_ptr<fvec_t, VectorDeleter> input(new_fvec(kHop));
  std::unique_ptr<fvec_t, VectorDeleter> output(new_fvec(1));
  if (!tempo || !input || !output) return result;
  std::vector<double> confidences;
  for (size_t start = 0; start < samples.size(); start += kHop) {
    size_t count = std::min<size_t>(kHop, samples.size() - start);
    std::copy_n(samples.begin() + static_cast<long>(start), count, input->data);
    std::fill(input->data + count, input->data + kHop, 0.0f);
    aubio_tempo_do(tempo.get(), input.get(), output.get());
    if (output->data[0] == 0) continue;
    double beat = aubio_tempo_get_last_s(tempo.get());
    if (beat < 0 || (!result.beats.empty() && beat <= result.beats.back())) continue;
    result.beats.push_back(beat);
    confidences.push_back(aubio_tempo_get_confidence(tempo.get()));
  }
  double period = steadyBeatPeriod(result.beats);
  result.clear = period > 0 && medianOf(confidences) > kMinConfidence;
  if (!result.clear) return result;
  result.beats = extendedToEdges(withGapsFilled(result.beats, period), result.seconds);
  result.bpm = 60.0 / medianOf(distancesBetween(result.beats));
  return result;
}

void measureLoudness(const std::vector<float>& stereo, int sampleRate, TrackBeats* beats) {
  const int mode = EBUR128_MODE_I | EBUR128_MODE_SAMPLE_PEAK;
  std::unique_ptr<ebur128_state, LoudnessDeleter> state(
      ebur128_init(2, static_cast<unsigned long>(sampleRate), mode));
  if (!state ||
      ebur128_add_frames_float(state.get(), stereo.data(), stereo.size() / 2) != EBUR128_SUCCESS)
    return;
  double loudness = 0, left = 0, right = 0;
  if (ebur128_loudness_global(state.get(), &loudness) == EBUR128_SUCCESS && std::isfinite(loudness))
    beats->loudness = loudness;
  if (ebur128_sample_peak(state.get(), 0, &left) == EBUR128_SUCCESS &&
      ebur128_sample_peak(state.get(), 1, &right) == EBUR128_SUCCESS && std::max(left, right) > 0)
    beats->peak = 20 * std::log10(std::max(left, right));
}

TrackBeats analyseTrackBeats(const std::string& path, std::string* error) {
  auto sound = decodeSound(path, kBeatSampleRate, 2, error);
  if (!sound) return {};
  std::vector<float> mono(sound->samples.size() / 2);
  for (size_t i = 0; i < mono.size(); ++i)
    mono[i] = 0.5f * (sound->samples[2 * i] + sound->samples[2 * i + 1]);
  TrackBeats beats = trackBeats(mono, sound->sampleRate);
  measureLoudness(sound->samples, sound->sampleRate, &beats);
  return beats;
}

}  // namespace pictavo
