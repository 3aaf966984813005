#include "VideoEncoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <stdexcept>

namespace vidgen {

namespace {

void Check(int result, const std::string& what) {
  if (result >= 0) return;
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(result, text, sizeof text);
  throw std::runtime_error(what + ": " + text);
}

}  // namespace

struct VideoEncoder::State {
  std::string FileName;
  VideoShape Shape;
  AVFormatContext* Format = nullptr;
  AVStream* PictureStream = nullptr;
  AVStream* SoundStream = nullptr;
  AVCodecContext* PictureCodec = nullptr;
  AVCodecContext* SoundCodec = nullptr;
  AVFrame* Picture = nullptr;
  AVFrame* Sound = nullptr;
  AVPacket* Packet = nullptr;
  SwsContext* Converter = nullptr;
  std::int64_t PictureCount = 0;
  std::int64_t SoundSamples = 0;
  std::vector<std::int16_t> SoundWaiting;  // less than one sound frame
  bool Finished = false;

  ~State() {
    sws_freeContext(Converter);
    av_packet_free(&Packet);
    av_frame_free(&Sound);
    av_frame_free(&Picture);
    avcodec_free_context(&SoundCodec);
    avcodec_free_context(&PictureCodec);
    if (Format != nullptr) {
      if (Format->pb != nullptr) avio_closep(&Format->pb);
      avformat_free_context(Format);
    }
  }

  AVCodecContext* OpenEncoder(const char* name, AVStream*& stream) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    if (codec == nullptr) throw std::runtime_error(std::string("no encoder ") + name);
    stream = avformat_new_stream(Format, nullptr);
    AVCodecContext* context = avcodec_alloc_context3(codec);
    if (stream == nullptr || context == nullptr) throw std::runtime_error("out of memory");
    return context;
  }

  void OpenPictures() {
    PictureCodec = OpenEncoder("mpeg4", PictureStream);
    PictureCodec->width = Shape.Width;
    PictureCodec->height = Shape.Height;
    PictureCodec->time_base = {1, Shape.FramesPerSecond};
    PictureCodec->framerate = {Shape.FramesPerSecond, 1};
    PictureCodec->pix_fmt = AV_PIX_FMT_YUV420P;
    PictureCodec->gop_size = Shape.FramesPerSecond;
    PictureCodec->bit_rate = 2'500'000;
    if (Format->oformat->flags & AVFMT_GLOBALHEADER)
      PictureCodec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Check(avcodec_open2(PictureCodec, PictureCodec->codec, nullptr), "opening the picture encoder");
    Check(avcodec_parameters_from_context(PictureStream->codecpar, PictureCodec), "picture stream");
    PictureStream->time_base = PictureCodec->time_base;
    Picture = av_frame_alloc();
    Picture->format = AV_PIX_FMT_YUV420P;
    Picture->width = Shape.Width;
    Picture->height = Shape.Height;
    Check(av_frame_get_buffer(Picture, 0), "picture buffer");
    Converter =
        sws_getContext(Shape.Width, Shape.Height, AV_PIX_FMT_RGB24, Shape.Width, Shape.Height,
                       AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (Converter == nullptr) throw std::runtime_error("no picture converter");
  }

  void OpenSound() {
    SoundCodec = OpenEncoder("aac", SoundStream);
    SoundCodec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    SoundCodec->sample_rate = Shape.SampleRate;
    SoundCodec->bit_rate = 128'000;
    SoundCodec->time_base = {1, Shape.SampleRate};
    av_channel_layout_default(&SoundCodec->ch_layout, 2);
    if (Format->oformat->flags & AVFMT_GLOBALHEADER)
      SoundCodec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Check(avcodec_open2(SoundCodec, SoundCodec->codec, nullptr), "opening the sound encoder");
    Check(avcodec_parameters_from_context(SoundStream->codecpar, SoundCodec), "sound stream");
    SoundStream->time_base = SoundCodec->time_base;
    Sound = av_frame_alloc();
    Sound->format = AV_SAMPLE_FMT_FLTP;
    Sound->sample_rate = Shape.SampleRate;
    Sound->nb_samples = SoundCodec->frame_size;
    av_channel_layout_default(&Sound->ch_layout, 2);
    Check(av_frame_get_buffer(Sound, 0), "sound buffer");
  }

  // Sends a frame (null: the end) and writes every packet the encoder gives back.
  void Encode(AVCodecContext* codec, AVStream* stream, AVFrame* frame) {
    Check(avcodec_send_frame(codec, frame), "encoding");
    for (;;) {
      const int result = avcodec_receive_packet(codec, Packet);
      if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return;
      Check(result, "encoding");
      // A picture lasts one picture; without it the container would cut the last one short.
      if (codec == PictureCodec && Packet->duration == 0) Packet->duration = 1;
      av_packet_rescale_ts(Packet, codec->time_base, stream->time_base);
      Packet->stream_index = stream->index;
      Check(av_interleaved_write_frame(Format, Packet), "writing " + FileName);
    }
  }

  void EncodeSoundFrame(int samples) {
    Check(av_frame_make_writable(Sound), "sound buffer");
    auto* left = reinterpret_cast<float*>(Sound->data[0]);
    auto* right = reinterpret_cast<float*>(Sound->data[1]);
    for (int i = 0; i < Sound->nb_samples; ++i) {
      const bool have = i < samples;
      left[i] = have ? SoundWaiting[2 * static_cast<std::size_t>(i)] / 32768.0f : 0.0f;
      right[i] = have ? SoundWaiting[2 * static_cast<std::size_t>(i) + 1] / 32768.0f : 0.0f;
    }
    SoundWaiting.erase(SoundWaiting.begin(), SoundWaiting.begin() + 2 * samples);
    Sound->pts = SoundSamples;
    SoundSamples += Sound->nb_samples;
    Encode(SoundCodec, SoundStream, Sound);
  }
};

VideoEncoder::VideoEncoder(const std::string& fileName, const VideoShape& shape)
    : S(std::make_unique<State>()) {
  S->FileName = fileName;
  S->Shape = shape;
  Check(avformat_alloc_output_context2(&S->Format, nullptr, nullptr, fileName.c_str()),
        "no container for " + fileName);
  S->Packet = av_packet_alloc();
  S->OpenPictures();
  if (shape.SampleRate > 0) S->OpenSound();
  Check(avio_open(&S->Format->pb, fileName.c_str(), AVIO_FLAG_WRITE), "creating " + fileName);
  Check(avformat_write_header(S->Format, nullptr), "writing " + fileName);
}

VideoEncoder::~VideoEncoder() = default;

void VideoEncoder::AddPicture(const std::vector<std::uint8_t>& rgb) {
  const auto expected = static_cast<std::size_t>(S->Shape.Width) * S->Shape.Height * 3;
  if (rgb.size() != expected) throw std::runtime_error("a picture of the wrong size");
  Check(av_frame_make_writable(S->Picture), "picture buffer");
  const std::uint8_t* planes[1] = {rgb.data()};
  const int strides[1] = {S->Shape.Width * 3};
  sws_scale(S->Converter, planes, strides, 0, S->Shape.Height, S->Picture->data,
            S->Picture->linesize);
  S->Picture->pts = S->PictureCount++;
  S->Encode(S->PictureCodec, S->PictureStream, S->Picture);
}

void VideoEncoder::AddSound(const std::vector<std::int16_t>& stereo) {
  if (S->SoundCodec == nullptr) return;
  S->SoundWaiting.insert(S->SoundWaiting.end(), stereo.begin(), stereo.end());
  const auto frameValues = static_cast<std::size_t>(2 * S->SoundCodec->frame_size);
  while (S->SoundWaiting.size() >= frameValues) S->EncodeSoundFrame(S->SoundCodec->frame_size);
}

void VideoEncoder::Finish() {
  if (S->Finished) return;
  S->Finished = true;
  S->Encode(S->PictureCodec, S->PictureStream, nullptr);
  if (S->SoundCodec != nullptr) {
    if (!S->SoundWaiting.empty()) S->EncodeSoundFrame(static_cast<int>(S->SoundWaiting.size() / 2));
    S->Encode(S->SoundCodec, S->SoundStream, nullptr);
  }
  Check(av_write_trailer(S->Format), "finishing " + S->FileName);
  Check(avio_closep(&S->Format->pb), "closing " + S->FileName);
}

std::int64_t VideoEncoder::Pictures() const {
  return S->PictureCount;
}

}  // namespace vidgen
