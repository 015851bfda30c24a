// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/jpeg_decoder.h"

#include <QFile>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
// After jpeglib.h, which it builds on.
#include <jerror.h>

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return; it jumps back
// to the setjmp of the current stage. A warning (premature end of data, corrupt segments, a
// scan out of order) means a damaged picture, which is rejected: the decoding stops there,
// so that a file of many bogus scans costs no more than its first one.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void ExitWithJump(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

extern "C" void StopAtWarning(j_common_ptr info, int level) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0) {
        (*info->err->format_message)(info, manager->message);
        std::longjmp(manager->jump, 1);
    }
}

// libjpeg calls the progress monitor as it goes through the scans of the file.
extern "C" void StopAfterTooManyScans(j_common_ptr info) {
    const auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > JpegDecoder::MostScans) {
        auto* manager = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(manager->message, sizeof manager->message, "more than %d scans",
                      JpegDecoder::MostScans);
        std::longjmp(manager->jump, 1);
    }
}

extern "C" void IgnoreOutput(j_common_ptr) {}

struct HeaderInfo {
    int width;
    int height;
};

// The stages below hold only plain C data in the frame that calls setjmp, so the jump skips
// no destructor.
bool ReadHeader(jpeg_decompress_struct* info, ErrorManager* errors, const unsigned char* bytes,
                unsigned long size, HeaderInfo* header) {
    if (setjmp(errors->jump) != 0) {
        return false;
    }
    jpeg_create_decompress(info);
    // Beyond this the coefficients of a progressive picture would need a backing store,
    // which this libjpeg lacks: the decoding fails with an error instead of allocating.
    info->mem->max_memory_to_use = JpegDecoder::MostDecoderMemory;
    jpeg_mem_src(info, bytes, size);
    jpeg_read_header(info, TRUE);
    header->width = int(info->image_width);
    header->height = int(info->image_height);
    return true;
}

// Reads every scan of a progressive picture into the decoder's coefficient buffers, so the
// scan and memory limits act before the output picture is allocated.
bool StartDecoding(jpeg_decompress_struct* info, ErrorManager* errors,
                   jpeg_progress_mgr* progress) {
    if (setjmp(errors->jump) != 0) {
        return false;
    }
    info->scale_num = 1;
    info->scale_denom = 1;
    info->out_color_space = JCS_RGB;
    info->dct_method = JDCT_ISLOW;
    info->do_fancy_upsampling = TRUE;
    info->buffered_image = FALSE;
    progress->progress_monitor = StopAfterTooManyScans;
    info->progress = progress;
    jpeg_start_decompress(info);
    return info->output_components == 3;
}

bool DecodeRows(jpeg_decompress_struct* info, ErrorManager* errors, unsigned char* bits,
                qsizetype bytesPerLine) {
    if (setjmp(errors->jump) != 0) {
        return false;
    }
    JSAMPROW rows[8];
    while (info->output_scanline < info->output_height) {
        const JDIMENSION first = info->output_scanline;
        const JDIMENSION count = std::min<JDIMENSION>(8, info->output_height - first);
        for (JDIMENSION i = 0; i < count; ++i) {
            rows[i] = bits + qsizetype(first + i) * bytesPerLine;
        }
        jpeg_read_scanlines(info, rows, count);
    }
    jpeg_finish_decompress(info);
    return true;
}

DecodedPicture Rejected(const QString& reason) {
    return DecodedPicture{QImage(), reason};
}

} // namespace

DecodedPicture JpegDecoder::Decode(const QByteArray& data) {
    if (data.isEmpty()) {
        return Rejected(QStringLiteral("empty file"));
    }
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitWithJump;
    errors.base.emit_message = StopAtWarning;
    errors.base.output_message = IgnoreOutput;

    HeaderInfo header{};
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    const bool headerRead =
        ReadHeader(&info, &errors, bytes, static_cast<unsigned long>(data.size()), &header);
    const auto fail = [&](const QString& reason) {
        jpeg_destroy_decompress(&info);
        return Rejected(reason);
    };
    if (!headerRead) {
        return fail(QString::fromLocal8Bit(errors.message));
    }
    if (header.width <= 0 || header.height <= 0 || header.width > MaxPictureSide ||
        header.height > MaxPictureSide || qint64(header.width) * header.height > MaxPicturePixels) {
        return fail(
            QStringLiteral("picture too large: %1 x %2").arg(header.width).arg(header.height));
    }
    const auto failedDecoding = [&] {
        if (errors.base.msg_code == JERR_NO_BACKING_STORE) {
            return fail(
                QStringLiteral("decoding needs more than %1 MiB").arg(MostDecoderMemory >> 20));
        }
        return fail(errors.message[0] != 0 ? QString::fromLocal8Bit(errors.message)
                                           : QStringLiteral("unsupported colour layout"));
    };
    jpeg_progress_mgr progress{};
    if (!StartDecoding(&info, &errors, &progress)) {
        return failedDecoding();
    }
    QImage image(header.width, header.height, QImage::Format_RGB888);
    if (image.isNull()) {
        return fail(QStringLiteral("out of memory"));
    }
    if (!DecodeRows(&info, &errors, image.bits(), image.bytesPerLine())) {
        return failedDecoding();
    }
    jpeg_destroy_decompress(&info);
    return DecodedPicture{image, QString()};
}

DecodedPicture JpegDecoder::DecodeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Rejected(QStringLiteral("cannot open"));
    }
    // Read one byte past the limit: the size a device or a pipe reports says nothing.
    const QByteArray data = file.read(MostFileBytes + 1);
    if (data.size() > MostFileBytes) {
        return Rejected(QStringLiteral("file larger than %1 MiB").arg(MostFileBytes >> 20));
    }
    return Decode(data);
}
