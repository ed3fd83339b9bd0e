// The JPEG decoder: libjpeg-turbo behind an error manager that jumps back instead of exiting.
#include "document/jpeg_decoder.h"

// clang-format off
#include <csetjmp>
#include <cstdio>  // jpeglib.h uses FILE without including its header
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace zeb {
namespace {

// A progressive file may repeat scans without end, each costing a pass over the whole
// picture; real encoders write about ten.
constexpr int maxJpegScans = 100;
// More warnings than this mean the data is noise rather than a picture with a blemish.
constexpr long maxJpegWarnings = 100;
// libjpeg's own working memory (whole-picture coefficient buffers of progressive files).
constexpr long maxJpegWorkingBytes = 512L << 20;

// Everything libjpeg touches lives in this plain struct, so that a long jump out of the
// library passes no object with a destructor.
struct JpegSession {
  jpeg_decompress_struct decompressor;
  jpeg_error_mgr errors;
  jpeg_progress_mgr progress;
  std::jmp_buf failure;
  bool created;
};

[[noreturn]] void jumpBack(j_common_ptr common) {
  std::longjmp(static_cast<JpegSession*>(common->client_data)->failure, 1);
}

void printNothing(j_common_ptr) {}

// Data that ends before the picture does is damage, not a blemish to paint over in grey.
void checkWarning(j_common_ptr common, int level) {
  if (level >= 0) return;  // trace messages
  const int code = common->err->msg_code;
  if (code == JWRN_HIT_MARKER || code == JWRN_JPEG_EOF) jumpBack(common);
  if (++common->err->num_warnings > maxJpegWarnings) jumpBack(common);
}

// libjpeg calls this between units of work, also while it absorbs the scans of a
// progressive file, which is where a file with endless scans would spend its time.
void checkScanCount(j_common_ptr common) {
  if (common->is_decompressor && reinterpret_cast<j_decompress_ptr>(common)->input_scan_number > maxJpegScans)
    jumpBack(common);
}

// Each of these makes one libjpeg call under setjmp. They hold no C++ objects, so the long
// jump from an error skips nothing that needs cleaning up.
bool guardedOpen(JpegSession* session, const std::uint8_t* bytes, unsigned long size) {
  if (setjmp(session->failure) != 0) return false;
  jpeg_create_decompress(&session->decompressor);
  session->created = true;
  session->decompressor.progress = &session->progress;
  jpeg_mem_src(&session->decompressor, bytes, size);
  return jpeg_read_header(&session->decompressor, TRUE) == JPEG_HEADER_OK;
}

bool guardedStart(JpegSession* session) {
  if (setjmp(session->failure) != 0) return false;
  return jpeg_start_decompress(&session->decompressor) == TRUE;
}

bool guardedReadRow(JpegSession* session, JSAMPROW row) {
  if (setjmp(session->failure) != 0) return false;
  return jpeg_read_scanlines(&session->decompressor, &row, 1) == 1;
}

struct SessionCloser {
  void operator()(JpegSession* session) const {
    if (session->created) jpeg_destroy_decompress(&session->decompressor);
    delete session;
  }
};

std::unique_ptr<JpegSession, SessionCloser> makeSession() {
  std::unique_ptr<JpegSession, SessionCloser> session(new JpegSession{});
  session->decompressor.err = jpeg_std_error(&session->errors);
  session->errors.error_exit = jumpBack;
  session->errors.output_message = printNothing;
  session->errors.emit_message = checkWarning;
  session->progress.progress_monitor = checkScanCount;
  session->decompressor.client_data = session.get();
  return session;
}

DecodedPicture decode(std::span<const std::uint8_t> bytes) {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(std::numeric_limits<long>::max())) return {};
  auto session = makeSession();
  jpeg_decompress_struct& decompressor = session->decompressor;
  if (!guardedOpen(session.get(), bytes.data(), static_cast<unsigned long>(bytes.size()))) return {};

  if (!pictureSizeAllowed(decompressor.image_width, decompressor.image_height)) return {};
  const bool cmyk = decompressor.jpeg_color_space == JCS_CMYK || decompressor.jpeg_color_space == JCS_YCCK;
  switch (decompressor.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr: decompressor.out_color_space = JCS_EXT_RGBA; break;
    case JCS_CMYK:
    case JCS_YCCK: decompressor.out_color_space = JCS_CMYK; break;
    default: return {};
  }
  decompressor.mem->max_memory_to_use = maxJpegWorkingBytes;
  if (!guardedStart(session.get())) return {};
  if (decompressor.output_components != bytesPerPixel) return {};

  PictureFrame frame;
  frame.width = static_cast<int>(decompressor.output_width);
  frame.height = static_cast<int>(decompressor.output_height);
  for (int y = 0; y < frame.height; ++y) {
    growFrameRows(frame, y + 1);
    if (!guardedReadRow(session.get(), frame.rgba.data() + rgbaBytes(frame.width, y))) return {};
  }
  if (cmyk) cmykToRgba(frame.rgba, decompressor.saw_Adobe_marker);

  return singleFramePicture(std::move(frame));
}

}  // namespace

void cmykToRgba(std::vector<std::uint8_t>& pixels, bool inverted) {
  for (std::size_t i = 0; i + 3 < pixels.size(); i += bytesPerPixel) {
    const int c = inverted ? pixels[i] : 255 - pixels[i];
    const int m = inverted ? pixels[i + 1] : 255 - pixels[i + 1];
    const int y = inverted ? pixels[i + 2] : 255 - pixels[i + 2];
    const int k = inverted ? pixels[i + 3] : 255 - pixels[i + 3];
    pixels[i] = static_cast<std::uint8_t>((c * k + 127) / 255);
    pixels[i + 1] = static_cast<std::uint8_t>((m * k + 127) / 255);
    pixels[i + 2] = static_cast<std::uint8_t>((y * k + 127) / 255);
    pixels[i + 3] = 255;
  }
}

DecodedPicture decodeJpeg(std::span<const std::uint8_t> bytes) {
  try {
    return decode(bytes);
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace zeb
