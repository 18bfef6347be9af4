#include "TJpegDecoder.h"

#include "EJpegError.h"

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports errors by calling error_exit, which must not return. We
// leave libjpeg with longjmp back into the function that set the jump point.
// Those functions hold only plain C data (no destructors to skip) and turn
// the failure into a return value; the exception is thrown after them, in
// ordinary C++ frames.

namespace {

struct TJumpingErrorManager {
    jpeg_error_mgr m_base; // first member: libjpeg sees a jpeg_error_mgr*
    std::jmp_buf m_jump;
    char m_message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<TJumpingErrorManager*>(cinfo->err);
    manager->m_base.format_message(cinfo, manager->m_message);
    std::longjmp(manager->m_jump, 1);
}

void ErrorExit(j_common_ptr cinfo) { JumpOut(cinfo); }

// Level -1 is a warning: libjpeg has found damaged or missing data (a
// premature end among them, JWRN_JPEG_EOF) and would carry on with invented
// data. A picture that needs such repair counts as broken. Trace messages
// (levels 0 and up) are ignored.
void EmitMessage(j_common_ptr cinfo, int msgLevel) {
    if (msgLevel < 0)
        JumpOut(cinfo);
}

void OutputMessage(j_common_ptr) {}

void InstallErrorManager(jpeg_decompress_struct& cinfo, TJumpingErrorManager& manager) {
    cinfo.err = jpeg_std_error(&manager.m_base);
    manager.m_base.error_exit = ErrorExit;
    manager.m_base.emit_message = EmitMessage;
    manager.m_base.output_message = OutputMessage;
    manager.m_message[0] = '\0';
}

// Returns false with manager.m_message filled in on any libjpeg failure.
bool ReadHeaderInto(const std::uint8_t* data, std::size_t size, TJpegHeader* header,
                    TJumpingErrorManager& manager) {
    jpeg_decompress_struct cinfo{}; // zeroed: destroying it is safe even if creation fails
    InstallErrorManager(cinfo, manager);
    if (setjmp(manager.m_jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);

    header->m_width = int(cinfo.image_width);
    header->m_height = int(cinfo.image_height);
    header->m_components = cinfo.num_components;
    header->m_progressive = cinfo.progressive_mode != FALSE;
    header->m_arithmetic = cinfo.arith_code != FALSE;
    header->m_jfif = cinfo.saw_JFIF_marker != FALSE;
    for (int i = 0; i < 3 && i < cinfo.num_components; ++i) {
        header->m_hSampling[i] = cinfo.comp_info[i].h_samp_factor;
        header->m_vSampling[i] = cinfo.comp_info[i].v_samp_factor;
    }
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// The pixel buffer belongs to the caller, so a jump out of libjpeg skips no
// destructor. The buffer is sized before any scanline is read.
bool DecodeInto(const std::uint8_t* data, std::size_t size, TRgbImage* image,
                TJumpingErrorManager& manager) {
    jpeg_decompress_struct cinfo{}; // zeroed: destroying it is safe even if creation fails
    InstallErrorManager(cinfo, manager);
    if (setjmp(manager.m_jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        std::snprintf(manager.m_message, sizeof manager.m_message,
                      "Unexpected number of output components: %d", cinfo.output_components);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    image->m_width = int(cinfo.output_width);
    image->m_height = int(cinfo.output_height);
    image->m_pixels.resize(image->RowBytes() * std::size_t(image->m_height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->m_pixels.data() + image->RowBytes() * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

TRgbImage TJpegDecoder::Decode(const std::uint8_t* data, std::size_t size) {
    TJumpingErrorManager manager;
    TRgbImage image;
    if (!DecodeInto(data, size, &image, manager))
        throw EJpegError(manager.m_message);
    return image;
}

TJpegHeader TJpegDecoder::ReadHeader(const std::uint8_t* data, std::size_t size) {
    TJumpingErrorManager manager;
    TJpegHeader header;
    if (!ReadHeaderInto(data, size, &header, manager))
        throw EJpegError(manager.m_message);
    return header;
}
