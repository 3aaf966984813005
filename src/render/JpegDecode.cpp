#include <csetjmp>
#include <cstdio>
#include <string>

// jpeglib.h needs size_t and FILE declared first, and jerror.h comes after it.
#include <jpeglib.h>

#include <jerror.h>

#include "common/Exception.h"
#include "render/PictureSource.h"

// JPEG pictures through libjpeg, decoded from memory. libjpeg reports a fatal error by
// calling error_exit, which must not return: we jump back to the decoding function and
// raise from there, so no C++ object is skipped by the jump.

namespace qn2 {

namespace {

// Everything the decoder touches lives here, outside the function that calls setjmp, so
// nothing it needs after the jump is a local changed since the jump point.
struct tJpegState {
  jpeg_decompress_struct Info;
  jpeg_error_mgr Errors;
  std::jmp_buf Escape;
  jpeg_progress_mgr Progress;
  char Message[JMSG_LENGTH_MAX];
  bool EndedEarly;
  bool TooManyScans;
};

extern "C" void JpegErrorExit(j_common_ptr info) {
  auto* state = static_cast<tJpegState*>(info->client_data);
  (*info->err->format_message)(info, state->Message);
  std::longjmp(state->Escape, 1);
}

// Warnings are not printed; data that stops before the end of the picture (which
// libjpeg would fill with grey) counts as damaged.
extern "C" void JpegMessage(j_common_ptr info, int level) {
  auto* state = static_cast<tJpegState*>(info->client_data);
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) state->EndedEarly = true;
}

// Called by libjpeg as it works through the data. A progressive file can repeat scans
// without end, each one over the whole picture: past MaxJpegScans the decoding stops.
extern "C" void JpegProgress(j_common_ptr info) {
  auto* state = static_cast<tJpegState*>(info->client_data);
  if (state->Info.input_scan_number <= MaxJpegScans) return;
  state->TooManyScans = true;
  std::longjmp(state->Escape, 1);
}

bool TooManyPixels(const jpeg_decompress_struct& info) {
  return info.image_width > static_cast<JDIMENSION>(MaxPictureWidth) ||
         info.image_height > static_cast<JDIMENSION>(MaxPictureHeight) ||
         static_cast<std::int64_t>(info.image_width) * info.image_height > MaxPicturePixels;
}

enum class tJpegResult { Done, Failed, TooLarge, TooManyScans, EndedEarly };

// Has no local objects with destructors, so the jump back from JpegErrorExit skips none.
tJpegResult DecodeInto(const std::uint8_t* data, unsigned long size, tPicture* picture,
                       tJpegState* state) {
  jpeg_decompress_struct* info = &state->Info;
  info->err = jpeg_std_error(&state->Errors);
  state->Errors.error_exit = JpegErrorExit;
  state->Errors.emit_message = JpegMessage;
  state->Progress.progress_monitor = JpegProgress;
  state->EndedEarly = false;
  state->TooManyScans = false;
  state->Message[0] = '\0';
  info->client_data = state;  // kept by jpeg_create_decompress
  if (setjmp(state->Escape) != 0) {
    jpeg_destroy_decompress(info);  // safe on a half-created decoder: State starts zeroed
    return state->TooManyScans ? tJpegResult::TooManyScans : tJpegResult::Failed;
  }
  jpeg_create_decompress(info);
  info->progress = &state->Progress;
  jpeg_mem_src(info, data, size);
  jpeg_read_header(info, TRUE);
  if (TooManyPixels(*info)) {
    jpeg_destroy_decompress(info);
    return tJpegResult::TooLarge;
  }
  info->out_color_space = JCS_RGB;
  jpeg_start_decompress(info);
  picture->Width = static_cast<std::int32_t>(info->output_width);
  picture->Height = static_cast<std::int32_t>(info->output_height);
  picture->BitsPerPixel = 24;
  try {
    picture->Bytes.resize(picture->RowBytes() * info->output_height);
  } catch (...) {
    jpeg_destroy_decompress(info);
    throw;
  }
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = picture->Row(static_cast<std::int32_t>(info->output_scanline));
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  jpeg_destroy_decompress(info);
  return state->EndedEarly ? tJpegResult::EndedEarly : tJpegResult::Done;
}

}  // namespace

tPicture DecodeJpeg(std::span<const std::uint8_t> data, const std::string& name) {
  if (data.empty()) throw EFileError("JPEG '" + name + "' is empty");
  tPicture picture;
  tJpegState state{};
  switch (DecodeInto(data.data(), static_cast<unsigned long>(data.size()), &picture, &state)) {
    case tJpegResult::Done:
      return picture;
    case tJpegResult::Failed:
      throw EFileError("JPEG '" + name + "' could not be decoded: " + state.Message);
    case tJpegResult::TooLarge:
      throw EFileError("JPEG '" + name + "' is too large (" +
                       std::to_string(state.Info.image_width) + " x " +
                       std::to_string(state.Info.image_height) + ")");
    case tJpegResult::TooManyScans:
      throw EFileError("JPEG '" + name + "' has more than " + std::to_string(MaxJpegScans) +
                       " scans");
    case tJpegResult::EndedEarly:
      break;
  }
  throw EFileError("JPEG '" + name + "' is truncated");
}

}  // namespace qn2
