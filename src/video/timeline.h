// The timeline: the picture list as a frame sequence at 25 frames per second. Each picture
// is one renderer call; its last frame becomes the next picture's previous frame. With loop
// play the list is walked again while the music lasts.
#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "video/beat_stays.h"
#include "video/dispatch.h"

namespace pictavo {

// Sum of the counting-mode frames of every picture, in list order (0 for an empty list).
int countProjectFrames(const Project& project);

// The video length in seconds and the number of pictures the timeline renders. With music
// longer than one pass the pictures repeat (the first picture coming in with the loop-start
// effect on later passes when it has "无动画") until the video just passes the music
// within its last whole second.
int videoLength(const Project& project, int loopStartEffect, float* seconds);

// True when loop play decides the length: music on, loop play on, music longer than zero.
bool loopPlayApplies(const Project& project);

// The picture count and length a run uses: from videoLength when loop play applies, else
// the pictures once; with changes on the beat, the length of the beat holds.
int runPictureTotal(const Project& project, int loopStartEffect, float* seconds,
                    BeatLookup lookup = BeatLookup::CachedOnly);

// The holds of the `total` pictures of a run when the changes follow the beat, and the
// run's frames with them. Empty holds (each picture holds the project's pause) when they do
// not, or no beat is known.
struct RunHolds {
  std::vector<int> holds;
  int frames = 0;
};
RunHolds runHolds(const Project& project, int loopStartEffect, int total, BeatLookup lookup);

enum class TimelineEnd { Finished, Cancelled, SinkFailed };

// Renders every picture into context.sink, with the beat holds when the changes follow
// the beat (analysing tracks not known yet). `progress` hears the running picture number
// (1-based) before each picture; `cancel` is polled before each picture.
TimelineEnd runTimeline(const Project& project, const DispatchContext& context, int loopStartEffect,
                        const std::atomic<bool>& cancel, const std::function<void(int)>& progress);

}  // namespace pictavo
