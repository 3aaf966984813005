// Video playback: the container is read from memory through a custom I/O context, the
// pictures are decoded and scaled into the 16-bit frame's pixel layout, and the sound track
// is resampled to the mixer's format and fed to it in place of the music.
#include "platform/VideoPlayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstring>
#include <deque>
#include <mutex>

#include "data/PackageFiles.h"
#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2 {

namespace {

constexpr int InputBufferBytes = 32 * 1024;
constexpr std::int32_t FrameWidth = 640;
constexpr std::int32_t FrameHeight = 480;

std::string AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

[[noreturn]] void Fail(const std::string& what, int code) {
  throw EVideoFailed(what + " (" + AvError(code) + ")");
}

// The file's bytes and the read position, for the I/O context's callbacks.
struct tMemoryInput {
  std::vector<std::uint8_t> Bytes;
  std::int64_t Position = 0;

  std::int64_t Size() const { return static_cast<std::int64_t>(Bytes.size()); }
};

int ReadInput(void* opaque, std::uint8_t* buffer, int size) {
  auto& input = *static_cast<tMemoryInput*>(opaque);
  const std::int64_t count = std::min<std::int64_t>(size, input.Size() - input.Position);
  if (count <= 0) return AVERROR_EOF;
  std::memcpy(buffer, input.Bytes.data() + input.Position, static_cast<std::size_t>(count));
  input.Position += count;
  return static_cast<int>(count);
}

std::int64_t SeekInput(void* opaque, std::int64_t offset, int whence) {
  auto& input = *static_cast<tMemoryInput*>(opaque);
  whence &= ~AVSEEK_FORCE;
  if (whence == AVSEEK_SIZE) return input.Size();
  std::int64_t target = offset;
  if (whence == SEEK_CUR) target += input.Position;
  if (whence == SEEK_END) target += input.Size();
  if (target < 0 || target > input.Size()) return -1;
  input.Position = target;
  return target;
}

struct tCodecDeleter {
  void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
struct tFrameDeleter {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct tPacketDeleter {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct tScalerDeleter {
  void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};
struct tResamplerDeleter {
  void operator()(SwrContext* resampler) const { swr_free(&resampler); }
};
using tCodec = std::unique_ptr<AVCodecContext, tCodecDeleter>;
using tFrame = std::unique_ptr<AVFrame, tFrameDeleter>;

// Opens the decoder of a stream.
tCodec OpenDecoder(const AVStream& stream, const std::string& kind) {
  const AVCodec* decoder = avcodec_find_decoder(stream.codecpar->codec_id);
  if (decoder == nullptr) throw EVideoFailed("there is no decoder for its " + kind);
  tCodec codec(avcodec_alloc_context3(decoder));
  if (!codec) throw EVideoFailed("out of memory");
  int result = avcodec_parameters_to_context(codec.get(), stream.codecpar);
  if (result < 0) Fail("its " + kind + " cannot be decoded", result);
  result = avcodec_open2(codec.get(), decoder, nullptr);
  if (result < 0) Fail("its " + kind + " decoder cannot be opened", result);
  return codec;
}

class tFfmpegVideo final : public tVideoSource {
 public:
  tFfmpegVideo(std::vector<std::uint8_t> bytes, bool withSound);
  ~tFfmpegVideo() override;
  tFfmpegVideo(const tFfmpegVideo&) = delete;
  tFfmpegVideo& operator=(const tFfmpegVideo&) = delete;

  bool AdvanceTo(std::int64_t milliseconds) override;
  void Draw(tDib16& frame) override;

 private:
  void OpenInput();
  void OpenSound();
  void Close();
  // The next picture in display order into Pending; false at the end of the file.
  bool DecodePicture();
  void FeedPacket();
  void DecodeSound(const AVPacket* packet);
  std::int64_t PictureTime(const AVFrame& picture);
  void ScalePicture(const AVFrame& picture);
  static void MixSound(void* self, Uint8* stream, int length);

  tMemoryInput Input;
  AVIOContext* Io = nullptr;
  AVFormatContext* Format = nullptr;
  int VideoStream = -1;
  int SoundStream = -1;
  tCodec Video;
  tCodec Audio;
  std::unique_ptr<AVPacket, tPacketDeleter> Packet{av_packet_alloc()};
  tFrame Pending{av_frame_alloc()};
  tFrame SoundFrame{av_frame_alloc()};
  bool HavePending = false;
  bool InputEnded = false;
  std::int64_t PendingTime = 0;
  std::int64_t ShownTime = -1;
  std::int64_t PictureLength = 40;
  std::int64_t PicturesDecoded = 0;

  // The picture scaled to its place in the frame, in the frame's pixel layout.
  std::unique_ptr<SwsContext, tScalerDeleter> Scaler;
  std::vector<std::uint16_t> Picture;
  SDL_Rect Place{0, 0, 0, 0};

  // The sound track, resampled for the mixer and waiting for it.
  std::unique_ptr<SwrContext, tResamplerDeleter> Resampler;
  int MixerRate = 0;
  int MixerChannels = 0;
  bool Hooked = false;
  std::mutex SoundLock;
  std::deque<std::int16_t> SoundQueue;
};

tFfmpegVideo::tFfmpegVideo(std::vector<std::uint8_t> bytes, bool withSound) {
  Input.Bytes = std::move(bytes);
  if (!Packet || !Pending || !SoundFrame) throw EVideoFailed("out of memory");
  try {
    OpenInput();
    if (withSound) OpenSound();
  } catch (...) {
    Close();
    throw;
  }
}

tFfmpegVideo::~tFfmpegVideo() {
  Close();
}

// The mixer lets go of the sound first: its thread reads the queue.
void tFfmpegVideo::Close() {
  if (Hooked) {
    Mix_HookMusic(nullptr, nullptr);
    Hooked = false;
  }
  Audio.reset();
  Video.reset();
  if (Format != nullptr) avformat_close_input(&Format);
  if (Io != nullptr) {
    av_freep(&Io->buffer);
    avio_context_free(&Io);
  }
}

void tFfmpegVideo::OpenInput() {
  auto* buffer = static_cast<std::uint8_t*>(av_malloc(InputBufferBytes));
  if (buffer == nullptr) throw EVideoFailed("out of memory");
  Io = avio_alloc_context(buffer, InputBufferBytes, 0, &Input, ReadInput, nullptr, SeekInput);
  if (Io == nullptr) {
    av_free(buffer);
    throw EVideoFailed("out of memory");
  }
  Format = avformat_alloc_context();
  if (Format == nullptr) throw EVideoFailed("out of memory");
  Format->pb = Io;
  Format->flags |= AVFMT_FLAG_CUSTOM_IO;
  int result = avformat_open_input(&Format, nullptr, nullptr, nullptr);
  if (result < 0) Fail("it is not a video file the game knows", result);
  result = avformat_find_stream_info(Format, nullptr);
  if (result < 0) Fail("its streams cannot be read", result);
  VideoStream = av_find_best_stream(Format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (VideoStream < 0) throw EVideoFailed("it holds no pictures");
  const AVStream& stream = *Format->streams[VideoStream];
  Video = OpenDecoder(stream, "pictures");
  if (Video->width <= 0 || Video->height <= 0) throw EVideoFailed("its pictures have no size");
  const AVRational rate = av_guess_frame_rate(Format, Format->streams[VideoStream], nullptr);
  if (rate.num > 0 && rate.den > 0)
    PictureLength = std::max<std::int64_t>(1, av_rescale(1000, rate.den, rate.num));
}

// The mixer must be open with 16-bit samples; otherwise the video plays silent.
void tFfmpegVideo::OpenSound() {
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) == 0 || format != AUDIO_S16SYS) return;
  SoundStream = av_find_best_stream(Format, AVMEDIA_TYPE_AUDIO, -1, VideoStream, nullptr, 0);
  if (SoundStream < 0) return;
  Audio = OpenDecoder(*Format->streams[SoundStream], "sound");
  AVChannelLayout layout;
  av_channel_layout_default(&layout, channels);
  SwrContext* resampler = nullptr;
  int result = swr_alloc_set_opts2(&resampler, &layout, AV_SAMPLE_FMT_S16, rate, &Audio->ch_layout,
                                   Audio->sample_fmt, Audio->sample_rate, 0, nullptr);
  av_channel_layout_uninit(&layout);
  if (result < 0) Fail("its sound cannot be converted", result);
  Resampler.reset(resampler);
  result = swr_init(resampler);
  if (result < 0) Fail("its sound cannot be converted", result);
  MixerRate = rate;
  MixerChannels = channels;
  Mix_HookMusic(MixSound, this);
  Hooked = true;
}

void tFfmpegVideo::MixSound(void* self, Uint8* stream, int length) {
  auto& video = *static_cast<tFfmpegVideo*>(self);
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  const auto wanted = static_cast<std::size_t>(length) / sizeof(std::int16_t);
  std::lock_guard<std::mutex> lock(video.SoundLock);
  const std::size_t count = std::min(wanted, video.SoundQueue.size());
  std::copy_n(video.SoundQueue.begin(), count, out);
  video.SoundQueue.erase(video.SoundQueue.begin(),
                         video.SoundQueue.begin() + static_cast<std::ptrdiff_t>(count));
  std::fill(out + count, out + wanted, std::int16_t{0});
}

void tFfmpegVideo::DecodeSound(const AVPacket* packet) {
  int result = avcodec_send_packet(Audio.get(), packet);
  if (result < 0 && result != AVERROR_EOF) Fail("its sound is damaged", result);
  std::vector<std::int16_t> converted;
  while ((result = avcodec_receive_frame(Audio.get(), SoundFrame.get())) == 0) {
    const int room = swr_get_out_samples(Resampler.get(), SoundFrame->nb_samples);
    converted.resize(static_cast<std::size_t>(std::max(room, 0) * MixerChannels));
    auto* target = reinterpret_cast<std::uint8_t*>(converted.data());
    const int made = swr_convert(Resampler.get(), &target, room,
                                 const_cast<const std::uint8_t**>(SoundFrame->extended_data),
                                 SoundFrame->nb_samples);
    av_frame_unref(SoundFrame.get());
    if (made < 0) Fail("its sound cannot be converted", made);
    std::lock_guard<std::mutex> lock(SoundLock);
    SoundQueue.insert(SoundQueue.end(), converted.begin(),
                      converted.begin() + static_cast<std::ptrdiff_t>(made * MixerChannels));
  }
  if (result != AVERROR(EAGAIN) && result != AVERROR_EOF) Fail("its sound is damaged", result);
}

// Reads the next packet of the file and hands it to its decoder; at the end of the file
// both decoders are told to give out what they still hold.
void tFfmpegVideo::FeedPacket() {
  const int result = av_read_frame(Format, Packet.get());
  if (result == AVERROR_EOF) {
    InputEnded = true;
    avcodec_send_packet(Video.get(), nullptr);
    if (Audio) DecodeSound(nullptr);
    return;
  }
  if (result < 0) Fail("the file is damaged", result);
  if (Packet->stream_index == VideoStream) {
    const int sent = avcodec_send_packet(Video.get(), Packet.get());
    av_packet_unref(Packet.get());
    if (sent < 0) Fail("its pictures are damaged", sent);
  } else if (Audio && Packet->stream_index == SoundStream) {
    DecodeSound(Packet.get());
    av_packet_unref(Packet.get());
  } else {
    av_packet_unref(Packet.get());
  }
}

bool tFfmpegVideo::DecodePicture() {
  for (;;) {
    const int result = avcodec_receive_frame(Video.get(), Pending.get());
    if (result == 0) {
      PendingTime = PictureTime(*Pending);
      ++PicturesDecoded;
      return true;
    }
    if (result == AVERROR_EOF) return false;
    if (result != AVERROR(EAGAIN)) Fail("its pictures are damaged", result);
    if (InputEnded) return false;
    FeedPacket();
  }
}

// In milliseconds from the stream's start; a picture without a time follows the one before.
std::int64_t tFfmpegVideo::PictureTime(const AVFrame& picture) {
  const AVStream& stream = *Format->streams[VideoStream];
  const std::int64_t stamp = picture.best_effort_timestamp;
  if (stamp == AV_NOPTS_VALUE) return PicturesDecoded * PictureLength;
  const std::int64_t start = stream.start_time == AV_NOPTS_VALUE ? 0 : stream.start_time;
  return av_rescale_q(stamp - start, stream.time_base, AVRational{1, 1000});
}

bool tFfmpegVideo::AdvanceTo(std::int64_t milliseconds) {
  for (;;) {
    if (!HavePending) {
      HavePending = DecodePicture();
      if (!HavePending) break;
    }
    // The first picture shows from the start, whatever its time.
    if (ShownTime >= 0 && PendingTime > milliseconds) break;
    ScalePicture(*Pending);
    av_frame_unref(Pending.get());
    ShownTime = std::max<std::int64_t>(PendingTime, 0);
    HavePending = false;
    if (PendingTime > milliseconds) break;
  }
  if (ShownTime < 0) throw EVideoFailed("not one picture could be decoded");
  return HavePending || milliseconds < ShownTime + PictureLength;
}

void tFfmpegVideo::ScalePicture(const AVFrame& picture) {
  // The picture's shape, its pixels' own shape included, fitted into the frame.
  AVRational aspect = picture.sample_aspect_ratio;
  if (aspect.num <= 0 || aspect.den <= 0) aspect = {1, 1};
  const double wide = picture.width * av_q2d(aspect);
  const double scale = std::min(FrameWidth / wide, FrameHeight / double(picture.height));
  const int width = std::clamp(static_cast<int>(wide * scale + 0.5) & ~1, 2, FrameWidth);
  const int height =
      std::clamp(static_cast<int>(picture.height * scale + 0.5) & ~1, 2, FrameHeight);
  Place = {(FrameWidth - width) / 2, (FrameHeight - height) / 2, width, height};
  const AVPixelFormat layout = Is565 ? AV_PIX_FMT_RGB565 : AV_PIX_FMT_RGB555;
  SwsContext* scaler = sws_getCachedContext(
      Scaler.release(), picture.width, picture.height, static_cast<AVPixelFormat>(picture.format),
      width, height, layout, SWS_BILINEAR, nullptr, nullptr, nullptr);
  Scaler.reset(scaler);
  if (scaler == nullptr) throw EVideoFailed("its pictures cannot be scaled");
  Picture.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  std::uint8_t* planes[4] = {reinterpret_cast<std::uint8_t*>(Picture.data()), nullptr, nullptr,
                             nullptr};
  int strides[4] = {width * 2, 0, 0, 0};
  sws_scale(scaler, picture.data, picture.linesize, 0, picture.height, planes, strides);
}

void tFfmpegVideo::Draw(tDib16& frame) {
  frame.FillSurface(0);
  if (Picture.empty()) return;
  const int width = std::min(Place.w, frame.Width() - Place.x);
  for (int row = 0; row < Place.h && Place.y + row < frame.Height(); ++row)
    std::copy_n(Picture.data() + static_cast<std::ptrdiff_t>(row) * Place.w, width,
                frame.ScanLine(Place.y + row) + Place.x);
}

}  // namespace

std::unique_ptr<tVideoSource> OpenVideoBytes(std::vector<std::uint8_t> bytes, bool withSound) {
  // What is wrong with a file is told through EVideoFailed, not on the console.
  av_log_set_level(AV_LOG_QUIET);
  return std::make_unique<tFfmpegVideo>(std::move(bytes), withSound);
}

std::unique_ptr<tVideoSource> OpenGameVideo(const std::string& fileName, bool withSound) {
  std::vector<std::uint8_t> bytes;
  try {
    const auto stream = OpenPackagedFile(fileName);
    const auto data = stream->Data();
    bytes.assign(data.begin(), data.end());
  } catch (const Exception& e) {
    throw EVideoFailed(e.what());
  }
  return OpenVideoBytes(std::move(bytes), withSound);
}

}  // namespace qn2
