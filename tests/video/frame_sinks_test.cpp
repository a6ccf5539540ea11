#include <gtest/gtest.h>

#include <unistd.h>

#include <thread>

#include "video/fd_frame_sink.h"
#include "video/preview_frame_queue.h"

namespace pictavo {
namespace {

const unsigned char kBytes[] = {0xFF, 0xD8, 0x01, 0x02};

TEST(FdFrameSink, WritesEveryFrameInFullAndFailsOnAClosedPipe) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  FdFrameSink sink(fds[1]);
  EXPECT_TRUE(sink.writeFrame(kBytes, sizeof kBytes));
  EXPECT_TRUE(sink.repeatFrame(kBytes, sizeof kBytes));
  EXPECT_FALSE(sink.writeFrame(nullptr, 0));  // a frame the library failed to encode
  unsigned char got[16];
  EXPECT_EQ(read(fds[0], got, sizeof got), 8);
  EXPECT_EQ(sink.framesWritten(), 2);
  close(fds[0]);
  EXPECT_FALSE(sink.writeFrame(kBytes, sizeof kBytes));  // no SIGPIPE, just a failure
  close(fds[1]);
}

TEST(PreviewFrameSink, CopiesAHeldPictureOnceThenQueuesKeepShowingEntries) {
  PreviewFrameQueue queue;
  PreviewFrameSink sink(queue);
  EXPECT_TRUE(sink.writeFrame(kBytes, sizeof kBytes));  // not running: ignored, success
  EXPECT_EQ(queue.size(), 0u);
  queue.start();
  sink.writeFrame(kBytes, sizeof kBytes);
  sink.repeatFrame(kBytes, sizeof kBytes);
  sink.repeatFrame(kBytes, sizeof kBytes);
  sink.repeatFrame(kBytes, sizeof kBytes);
  sink.writeFrame(kBytes, 2);
  sink.repeatFrame(kBytes, 2);
  std::vector<size_t> lengths;
  while (auto entry = queue.pop(std::chrono::milliseconds(0))) lengths.push_back(entry->size());
  EXPECT_EQ(lengths, (std::vector<size_t>{4, 4, 0, 0, 2, 2}));
}

TEST(PreviewFrameQueue, AProducerAheadWaitsAndStopReleasesIt) {
  PreviewFrameQueue queue(2);
  queue.start();
  EXPECT_TRUE(queue.push("a"));
  EXPECT_TRUE(queue.push("b"));
  bool third = true;
  std::thread producer([&] { third = queue.push("c"); });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(queue.size(), 2u);  // still waiting for room
  EXPECT_EQ(queue.pop(std::chrono::milliseconds(100)).value(), "a");
  producer.join();
  EXPECT_TRUE(third);
  EXPECT_EQ(queue.size(), 2u);

  std::thread blocked([&] { third = queue.push("d"); });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  queue.stop();
  blocked.join();
  EXPECT_FALSE(third);
  EXPECT_FALSE(queue.pop(std::chrono::milliseconds(10)).has_value());
}

// Large frames fill the queue by bytes before they fill it by count; keep-showing entries
// cost nothing, and a frame larger than the whole bound still passes alone.
TEST(PreviewFrameQueue, BytesBoundTheQueueAsWellAsEntries) {
  PreviewFrameQueue queue(100, 10);
  queue.start();
  EXPECT_TRUE(queue.push(std::string(6, 'a')));
  EXPECT_TRUE(queue.push(std::string()));
  EXPECT_TRUE(queue.push(std::string(4, 'b')));
  EXPECT_EQ(queue.bytes(), 10u);
  bool pushed = false;
  std::thread producer([&] { pushed = queue.push(std::string(20, 'c')); });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(queue.size(), 3u) << "waits for room";
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(queue.pop(std::chrono::milliseconds(100)));
  producer.join();
  EXPECT_TRUE(pushed);
  EXPECT_EQ(queue.bytes(), 20u);
  queue.stop();
  EXPECT_EQ(queue.bytes(), 0u);
}

}  // namespace
}  // namespace pictavo
