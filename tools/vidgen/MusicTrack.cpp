#include "MusicTrack.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <stdexcept>

namespace vidgen {

namespace {

void Check(int result, const std::string& what) {
  if (result >= 0) return;
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(result, text, sizeof text);
  throw std::runtime_error(what + ": " + text);
}

// The whole piece once, as the module player plays it.
std::vector<std::int16_t> DecodeOnce(const std::string& fileName, int sampleRate) {
  AVFormatContext* format = nullptr;
  Check(avformat_open_input(&format, fileName.c_str(), nullptr, nullptr), "opening " + fileName);
  std::vector<std::int16_t> out;
  AVCodecContext* codec = nullptr;
  SwrContext* resampler = nullptr;
  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  try {
    Check(avformat_find_stream_info(format, nullptr), "reading " + fileName);
    const int stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    Check(stream, "no sound in " + fileName);
    const AVCodec* decoder = avcodec_find_decoder(format->streams[stream]->codecpar->codec_id);
    if (decoder == nullptr) throw std::runtime_error("no decoder for " + fileName);
    codec = avcodec_alloc_context3(decoder);
    Check(avcodec_parameters_to_context(codec, format->streams[stream]->codecpar), fileName);
    Check(avcodec_open2(codec, decoder, nullptr), "decoding " + fileName);
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    Check(swr_alloc_set_opts2(&resampler, &stereo, AV_SAMPLE_FMT_S16, sampleRate, &codec->ch_layout,
                              codec->sample_fmt, codec->sample_rate, 0, nullptr),
          "converting " + fileName);
    Check(swr_init(resampler), "converting " + fileName);
    auto drain = [&] {
      int result = 0;
      while ((result = avcodec_receive_frame(codec, frame)) == 0) {
        const int room = swr_get_out_samples(resampler, frame->nb_samples);
        std::vector<std::int16_t> chunk(static_cast<std::size_t>(room) * 2);
        auto* target = reinterpret_cast<std::uint8_t*>(chunk.data());
        const int made =
            swr_convert(resampler, &target, room,
                        const_cast<const std::uint8_t**>(frame->extended_data), frame->nb_samples);
        Check(made, "converting " + fileName);
        out.insert(out.end(), chunk.begin(), chunk.begin() + 2 * made);
        av_frame_unref(frame);
      }
      if (result != AVERROR(EAGAIN) && result != AVERROR_EOF) Check(result, "decoding " + fileName);
    };
    while (av_read_frame(format, packet) >= 0) {
      if (packet->stream_index == stream) Check(avcodec_send_packet(codec, packet), fileName);
      av_packet_unref(packet);
      drain();
    }
    Check(avcodec_send_packet(codec, nullptr), fileName);
    drain();
  } catch (...) {
    av_frame_free(&frame);
    av_packet_free(&packet);
    swr_free(&resampler);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    throw;
  }
  av_frame_free(&frame);
  av_packet_free(&packet);
  swr_free(&resampler);
  avcodec_free_context(&codec);
  avformat_close_input(&format);
  return out;
}

}  // namespace

std::vector<std::int16_t> RenderMusic(const std::string& fileName, int sampleRate,
                                      std::int64_t samples, double fadeSeconds) {
  const std::vector<std::int16_t> piece = DecodeOnce(fileName, sampleRate);
  if (piece.empty()) throw std::runtime_error(fileName + " plays no sound");
  std::vector<std::int16_t> out(static_cast<std::size_t>(samples) * 2);
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = piece[i % piece.size()];
  const auto fade = static_cast<std::int64_t>(fadeSeconds * sampleRate);
  for (std::int64_t i = std::max<std::int64_t>(0, samples - fade); i < samples; ++i) {
    const double gain = static_cast<double>(samples - i) / static_cast<double>(fade);
    for (std::size_t c = 0; c < 2; ++c) {
      std::int16_t& value = out[static_cast<std::size_t>(i) * 2 + c];
      value = static_cast<std::int16_t>(value * gain);
    }
  }
  return out;
}

}  // namespace vidgen
