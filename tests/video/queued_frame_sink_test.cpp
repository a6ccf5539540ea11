#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <thread>

#include "video/queued_frame_sink.h"

namespace pictavo {
namespace {

const unsigned char* bytesOf(const std::string& s) {
  return reinterpret_cast<const unsigned char*>(s.data());
}

// Reads a pipe to its end on a thread of its own.
class PipeReader {
 public:
  PipeReader() {
    EXPECT_EQ(pipe(fds_), 0);
    thread_ = std::thread([this] {
      char buffer[65536];
      for (ssize_t n; (n = read(fds_[0], buffer, sizeof buffer)) > 0;) text_.append(buffer, n);
    });
  }
  ~PipeReader() {
    closeWriteEnd();
    if (thread_.joinable()) thread_.join();
    close(fds_[0]);
  }
  int writeEnd() const { return fds_[1]; }
  void closeWriteEnd() {
    if (fds_[1] >= 0) close(fds_[1]);
    fds_[1] = -1;
  }
  std::string text() {
    closeWriteEnd();
    thread_.join();
    return text_;
  }

 private:
  int fds_[2] = {-1, -1};
  std::string text_;
  std::thread thread_;
};

TEST(QueuedFrameSink, EveryFrameArrivesInOrderWithRepeatsSharingBytes) {
  PipeReader reader;
  // A queue smaller than two frames: the producer waits for the writer.
  QueuedFrameSink sink(reader.writeEnd(), 150000);
  std::string a(100000, 'a'), b(100000, 'b'), c = "c-frame", expected;
  for (int round = 0; round < 5; ++round) {
    ASSERT_TRUE(sink.writeFrame(bytesOf(a), a.size()));
    ASSERT_TRUE(sink.repeatFrame(bytesOf(a), a.size()));
    ASSERT_TRUE(sink.writeFrame(bytesOf(b), b.size()));
    ASSERT_TRUE(sink.repeatFrame(bytesOf(c), c.size()));  // not the frame before: taken whole
    expected += a + a + b + c;
  }
  EXPECT_FALSE(sink.writeFrame(nullptr, 0));
  EXPECT_TRUE(sink.finish());
  EXPECT_EQ(sink.framesWritten(), 20);
  EXPECT_EQ(reader.text(), expected);
  EXPECT_FALSE(sink.writeFrame(bytesOf(c), c.size())) << "nothing is taken after finish";
}

TEST(QueuedFrameSink, HoldsAtMostItsFrameLimitWhileTheEncoderIsBusy) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::string frame(100000, 'f');  // more than the pipe holds: the writer blocks on the first
  std::atomic<int> accepted{0};
  std::string received;
  {
    QueuedFrameSink sink(fds[1], size_t{1} << 30, 3);
    std::thread producer([&] {
      for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(sink.writeFrame(bytesOf(frame), frame.size()));
        ASSERT_TRUE(sink.repeatFrame(bytesOf(frame), frame.size()));  // repeats cost nothing
        ++accepted;
      }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(accepted.load(), 4) << "one frame in the writer's hands and three queued";
    std::thread reader([&] {
      char buffer[65536];
      for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) received.append(buffer, n);
    });
    producer.join();
    EXPECT_TRUE(sink.finish());
    close(fds[1]);
    reader.join();
  }
  EXPECT_EQ(received.size(), 16 * frame.size());
  close(fds[0]);
}

TEST(QueuedFrameSink, AClosedPipeFailsTheFollowingFrames) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  close(fds[0]);
  QueuedFrameSink sink(fds[1]);
  std::string frame(1000, 'x');
  bool refused = false;
  for (int i = 0; i < 2000 && !refused; ++i) {
    refused = !sink.writeFrame(bytesOf(frame), frame.size());
    std::this_thread::sleep_for(std::chrono::milliseconds(1));  // let the writer meet the end
  }
  EXPECT_TRUE(refused);
  EXPECT_FALSE(sink.finish());
  close(fds[1]);
}

// A raw frame of the wrong length is refused without harming the pipe: the frames before
// it still arrive and finish() reports the pipe healthy, which is how a run tells a frame
// it could not make from an encoder that has gone.
TEST(QueuedFrameSink, ARefusedFrameLeavesThePipeHealthy) {
  PipeReader reader;
  QueuedFrameSink sink(reader.writeEnd(), kFrameQueueBytes, kFrameQueueFrames, {}, 4);
  EXPECT_TRUE(sink.writeFrame(bytesOf("abcd"), 4));
  EXPECT_FALSE(sink.writeFrame(bytesOf("abcde"), 5));
  EXPECT_FALSE(sink.writeFrame(nullptr, 0));
  EXPECT_TRUE(sink.finish());
  EXPECT_EQ(reader.text(), "abcd");
}

TEST(QueuedFrameSink, AbandonDropsWhatIsNotWritten) {
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::string frame(200000, 'y');  // more than the pipe holds: the writer blocks on it
  {
    QueuedFrameSink sink(fds[1]);
    for (int i = 0; i < 10; ++i) ASSERT_TRUE(sink.writeFrame(bytesOf(frame), frame.size()));
    std::thread drain([&] {
      char buffer[65536];
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      while (read(fds[0], buffer, sizeof buffer) > 0) {
      }
    });
    sink.abandon();
    EXPECT_LT(sink.framesWritten(), 10);
    close(fds[1]);
    drain.join();
  }
  close(fds[0]);
}

// Frame buffers are reused rather than allocated per frame: a buffer back from the queue
// takes the next frame, whole, and the pool keeps no more spares than it was told, also
// when buffers outlive its owner.
TEST(FrameBufferPool, ReusesBuffersAndKeepsFewSpares) {
  auto pool = FrameBufferPool::make(2);
  std::string big(1 << 20, 'a'), small = "bc";
  auto first = pool->copy(bytesOf(big), big.size());
  const char* storage = first->data();
  first.reset();
  auto second = pool->copy(bytesOf(small), small.size());
  EXPECT_EQ(second->data(), storage) << "the spare buffer, not a new one";
  EXPECT_EQ(*second, small);
  std::vector<std::shared_ptr<const std::string>> held;
  for (int i = 0; i < 5; ++i) held.push_back(pool->copy(bytesOf(big), big.size()));
  held.clear();
  EXPECT_EQ(pool->spareCount(), 2u);
  std::weak_ptr<FrameBufferPool> alive = pool;
  pool.reset();
  EXPECT_FALSE(alive.expired()) << "the buffer still out keeps its pool";
  second.reset();
  EXPECT_TRUE(alive.expired());
}

}  // namespace
}  // namespace pictavo
